// The small shared routines and the text-file layer. Colour values and hex
// text, the clock caption, the splash window's texts, the file version, the
// command line and the web addresses of a place; then the
// text files every data file relies on (Windows-1252 with CR LF, LF and UTF-8
// accepted, the record notation, case-blind program paths) and the settings
// file built on them.

#include "app/application_state.h"
#include "app/clock_text.h"
#include "app/colour.h"
#include "app/command_line.h"
#include "app/file_version.h"
#include "app/installed_data.h"
#include "app/record.h"
#include "app/settings_file.h"
#include "app/splash_info.h"
#include "app/text_file.h"
#include "app/user_folder.h"
#include "app/web_lookups.h"
#include "common/pixels.h"
#include "common/test_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

const QByteArray Header = "\"Velinor - verzamelaarssoftware 2026\"\r\n\"--------------------------\"\r\n";

class TestAppCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The clock one second after midnight has no leading zero; on a 120-dpi screen twips / 15 is no
    // longer the pixel size; seven digits get two group separators.
    void coloursClockAndSplashTexts()
    {
        QCOMPARE(KleurHex(190, 200, 240) + KleurHex(0, 10, 255), QStringLiteral("BEC8F0000AFF"));
        const ColourParts d = splitColourValue(colourValue(300, 0, 7)); // red 300 spills into green
        QCOMPARE(QList<int>({d.r, d.g, d.b}), QList<int>({44, 1, 7}));
        const QLocale dutch(QLocale::Dutch);
        const QDate day(2026, 1, 2);
        const QString shortDay = dutch.toString(day, QLocale::ShortFormat);
        QCOMPARE(clockText(QDateTime(day, QTime(9, 5, 7)), dutch) + clockText(QDateTime(day, QTime(0, 0, 1)), dutch),
                 " 9:05:07 / " + shortDay + " 0:00:01 / " + shortDay);
        const SplashInfo::Facts facts{"1.0.0.2", 1234567, QDateTime(day, QTime(3, 4, 5)), 1920 * 12, 1080 * 12, 120};
        QCOMPARE(
            SplashInfo::InformationBlock(facts, dutch).split("\r\n").mid(6, 3),
            QStringList({"Filesize............. : 1.234.567 Bytes", "Filedate............ : " + shortDay + " 3:04:05",
                         "Screen............. : 1536 x 864 Pixels"}));
        QCOMPARE(SplashInfo::GroupedNumber(1234567, QLocale::English) + SplashInfo::GroupedNumber(0, dutch),
                 QStringLiteral("1,234,567"));
        // 1440 / dots per inch and back, rounded, down to 1; a screen that reports nothing counts as 96.
        for (const auto& [dpi, twips] : QList<std::pair<int, int>>{{96, 15}, {120, 12}, {1, 1440}, {1440, 1}, {0, 15}})
            QCOMPARE(std::pair(SplashInfo::TwipsPerPixel(dpi), SplashInfo::Resolution(dpi ? twips : 0)),
                     std::pair(twips, dpi ? dpi : 96));
        QVERIFY(SplashInfo::DpiWarning(120).startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI")));
    }

    // The marker, then four numbers of at most five digits and a NUL; the first good marker counts.
    void fileVersion()
    {
        // Built at run time, so that this test program itself carries no such marker.
        const QByteArray tag = QByteArray("\x01VELINOR-") + "FILEVERSION\x02";
        const QList<std::pair<QByteArray, QString>> files = {
            {tag + "x" + '\0' + "junk" + tag + "9.10.0.12345" + '\0' + "tail", "9.10.0.12345"},
            {tag + "1.2.3.123456" + '\0', "Error"},
            {tag + "1.2.3" + '\0', "Error"},
            {tag + "1.2.3.4", "Error"}};
        TestFolder folder;
        for (const auto& [bytes, version] : files) {
            QVERIFY(folder.write("x.exe", bytes));
            QCOMPARE(GetFileVersion(folder.path("x.exe")), version);
        }
        QCOMPARE(GetFileVersion(QCoreApplication::applicationFilePath()), QStringLiteral(VELINOR_VERSION));
    }

    void commandLine()
    {
        const QStringList flags = {"--no-splash"};
        const CommandLine line = ParseCommandLine({"--home", "/x", "--no-splash", "-", "a"}, flags);
        QVERIFY(line.error.isEmpty());
        QVERIFY(line.has("--no-splash"));
        QVERIFY(!line.help);
        QVERIFY(!line.version);
        QCOMPARE(line.home + ' ' + line.positional.join(' ') + ParseCommandLine({"--home=/y"}, flags).home,
                 QStringLiteral("/x - a/y"));
        QVERIFY(ParseCommandLine({"-h"}, flags).help);
        QVERIFY(ParseCommandLine({"--version"}, flags).version);
        QVERIFY(!ParseCommandLine({"--home"}, flags).error.isEmpty());
        QVERIFY(ParseCommandLine({"--kleur"}, flags).error.contains("--kleur"));
    }

    void webAddresses()
    {
        using namespace WebLookups;
        // A name cannot smuggle extra parameters into the address; an empty one is an empty query.
        QCOMPARE(QStringList({*searchAddress("Den Haag"), *encyclopediaAddress("Den Haag"), *mapAddress("A&b=c#d"),
                              *searchAddress("")}),
                 QStringList({"https://www.google.nl/search?q=Den%20Haag&hl=nl&btnG=Zoeken",
                              "https://nl.wikipedia.org/wiki/Speciaal:Zoeken?search=Den%20Haag&fulltext=Zoeken",
                              "https://maps.google.nl/maps?hl=nl&tab=wl&q=A%26b%3Dc%23d",
                              "https://www.google.nl/search?q=&hl=nl&btnG=Zoeken"}));
        QVERIFY(!searchAddress("Plaatsnaam"));
        QVERIFY(!encyclopediaAddress("Plaatsnaam"));
        QVERIFY(!mapAddress("Plaatsnaam"));
        // The municipality: letters without accents, digits and inner hyphens make the host, at most 63.
        const QList<std::pair<QString, QString>> sites = {{"Den Haag", "http://www.denhaag.nl"},
                                                          {"'s-Hertogenbosch", "http://www.s-hertogenbosch.nl"},
                                                          {"Zuidhorn é", "http://www.zuidhorne.nl"},
                                                          {"-Urk 2-", "http://www.urk2.nl"},
                                                          {QString(63, 'a'), "http://www." + QString(63, 'a') + ".nl"},
                                                          {QString(64, 'a'), ""},
                                                          {"Plaatsnaam", ""},
                                                          {"", ""},
                                                          {"Verzamelblok 2010", ""},
                                                          {"???", ""}};
        for (const auto& [place, site] : sites)
            QCOMPARE(municipalityAddress(place).value_or(QString()), site);
    }

    // Text, its bytes, and the characters those bytes cannot hold (each written as '?'): first the 32
    // characters of 0x80 to 0x9F (the five unused bytes stand for themselves), then the edges around them.
    void encoding()
    {
        // clang-format off
        const struct { QString text; QByteArray bytes; QStringList missing; } rows[] = {
            {"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\x7F\u00A0ëÿ",
             QByteArray::fromHex("808182838485868788898a8b8c8d8e8f909192939495969798999a9b9c9d9e9f7fa0ebff"), {}},
            {"😀Łódź ? Ł", "???\xF3" "d? ? ?", {"😀", "Ł", "ź"}},
            {"漢\u0080\u0100", "???", {"漢", "\u0080", "\u0100"}}};
        // clang-format on
        for (const auto& [text, bytes, missing] : rows) {
            QCOMPARE(TextFile::encode(text), bytes);
            QCOMPARE(TextFile::unencodable(text), missing);
            if (missing.isEmpty())
                QCOMPARE(TextFile::decode(bytes), text);
        }
    }

    // Bytes as read and their lines: CR LF, LF or a lone CR; UTF-8 when a byte-order mark says so or a
    // byte unused in Windows-1252 (0x81) shows it is not that. "CAFÉ’S" as written is valid UTF-8 too.
    void decodingAndLines()
    {
        const QList<std::pair<QByteArray, QStringList>> read = {
            {"a\r\nb\nc\rd\r", {"a", "b", "c", "d"}},
            {"a\r\n\r\nb\r\n", {"a", "", "b"}},
            {"", {}},
            {"\xEF\xBB\xBF" + QStringLiteral("Reliëf €\r\n").toUtf8(), {"Reliëf €"}},
            {QByteArray("\xC3\x81") + "a", {"Áa"}},
            {"CAF\xC9\x92S", {"CAFÉ’S"}},
            {QByteArray("Reli\xEB") + "f", {"Reliëf"}}};
        for (const auto& [bytes, lines] : read)
            QCOMPARE(TextFile::splitLines(TextFile::decode(bytes)), lines);
    }

    // Written with CR LF; a file larger than the reader's limit is not taken in at all.
    void filesAndTheirSizeLimit()
    {
        TestFolder folder;
        const QString path = folder.path("x.txt");
        QVERIFY(TextFile::writeLines(path, {"één", "", "€"}));
        QCOMPARE(folder.read("x.txt"), QByteArray("\xE9\xE9n\r\n\r\n\x80\r\n"));
        QCOMPARE(*TextFile::readLines(path), QStringList({"één", "", "€"}));
        QVERIFY(!TextFile::readLines(folder.path("missing.txt")));
        QVERIFY(folder.write("x.txt", QByteArray(TextFile::MaximumSize, 'a')));
        QCOMPARE(TextFile::readLines(path)->first().size(), TextFile::MaximumSize);
        QVERIFY(folder.write("x.txt", QByteArray(TextFile::MaximumSize + 1, 'a')));
        QVERIFY(!TextFile::readLines(path));
        QCOMPARE(TextFile::readFirstLines(path, 5), QStringList{"aaaaa"});
    }

    void settingsFile_data()
    {
        const QList<int> defaults = {190, 200, 240, 220, 220, 230};
        QTest::addColumn<QByteArray>("colours"); // below the header; null: no file
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("geen bestand") << QByteArray() << defaults << true;
        QTest::newRow("leeg") << QByteArray("") << defaults << true;
        QTest::newRow("gewoon") << QByteArray("1,2,3\r\n4,5,6\r\n") << QList<int>({1, 2, 3, 4, 5, 6}) << false;
        QTest::newRow("int-grenzen") << QByteArray("2147483647,-2147483647,255\r\n-2147483647,2147483647,0\r\n")
                                     << QList<int>({2147483647, -2147483647, 255, -2147483647, 2147483647, 0}) << false;
        QTest::newRow("rood te groot") << QByteArray("2147483648,2,3\r\n4,5,6\r\n") << defaults << true;
        QTest::newRow("een regel") << QByteArray("1,2,3\r\n") << QList<int>({1, 2, 3, 220, 220, 230}) << true;
        QTest::newRow("blauw 256") << QByteArray("10,20,256\r\n4,5,6\r\n") << QList<int>({10, 20, 240, 220, 220, 230})
                                   << true;
        QTest::newRow("tekst") << QByteArray("1,\"groen\",3\r\n4,5,6\r\n") << QList<int>({1, 200, 240, 220, 220, 230})
                               << true;
        QTest::newRow("tweede blauw 256")
            << QByteArray("1,2,3\r\n4,5,256\r\n") << QList<int>({1, 2, 3, 4, 5, 230}) << true;
    }

    // Start-up reads the two colours (red and green any int, blue a byte) and stops at the first value
    // that does not fit, keeping what it read; then it writes the file anew with the colours it holds.
    void settingsFile()
    {
        QFETCH(QByteArray, colours);
        QFETCH(QList<int>, read);
        QFETCH(bool, rewritten);
        TestFolder folder;
        if (!colours.isNull())
            QVERIFY(folder.write(SettingsFile::FileName, Header + colours));
        ApplicationState s;
        SettingsFile::load(folder.path(SettingsFile::FileName), s);
        const ColourParts venster = s.VensterKleur(), supplement = s.SupplementKleur();
        QCOMPARE(QList<int>({venster.r, venster.g, venster.b, supplement.r, supplement.g, supplement.b}), read);
        QByteArrayList numbers;
        for (int value : read)
            numbers << QByteArray::number(value);
        const QByteArray written = numbers.mid(0, 3).join(',') + "\r\n" + numbers.mid(3).join(',') + "\r\n";
        QCOMPARE(folder.read(SettingsFile::FileName), Header + (rewritten ? written : colours));
    }

    // Fields of one line, a quoted one shown here with its quotes; then fields across lines.
    void records()
    {
        const QList<std::pair<QString, QStringList>> rows = {
            {"190,200,240", {"190", "200", "240"}},
            {" 1 , 2 ,3 ", {"1", "2", "3"}},
            {",,", {"", "", ""}},
            {"", {""}},
            {"\"Bergen, NH\",12,\"x\"", {"\"Bergen, NH\"", "12", "\"x\""}},
            {"\"\",5", {"\"\"", "5"}},
            {"\"a,\",2", {"\"a,\"", "2"}},
            {"\"abc", {"\"abc\""}},          // an unclosed quote runs to the end
            {"\"a\"xyz,2", {"\"a\"", "2"}}}; // after a closing quote all is ignored
        for (const auto& [line, expected] : rows) {
            QStringList fields;
            for (const Record::Field& field : Record::splitFields(line))
                fields << (field.quoted ? '"' + field.text + '"' : field.text);
            QCOMPARE(fields, expected);
        }
        // Empty lines are skipped; "." marks where the reader says it is at its end.
        Record::FieldReader reader({"1,2", "", "3", "\"a,b\",4"});
        QStringList got;
        while (auto field = reader.next())
            got << field->text + (reader.atEnd() ? "." : "");
        QCOMPARE(got, QStringList({"1", "2", "3", "a,b", "4."}));
    }

    void numbers()
    {
        const QList<std::pair<QString, double>> leading = {
            {"12.5 euro", 12.5}, {" 1 2", 12},    {"abc", 0},     {"-0.45", -0.45}, {"+5", 5},     {"3,40", 3},
            {"2e", 2},           {"1e-3", 0.001}, {"1.2.3", 1.2}, {"1e2.5", 100},   {"1e2e3", 100}};
        for (const auto& [text, value] : leading)
            QVERIFY2(Record::leadingNumber(text) == value, qPrintable(text));
        QVERIFY(!Record::wholeNumber({"abc", false}));
        QVERIFY(!Record::wholeNumber({"1e300", false}));
        QCOMPARE(QStringList({Record::number(190.0), Record::number(0.5), Record::number(1e15), Record::number(-3LL)}),
                 QStringList({"190", "0.5", "1e+15", "-3"}));
    }

    // Names match without regard to case, a new one keeps its spelling; the folder is --home, then
    // VELINOR_HOME, then the executable's folder if it can be written, else the user's own.
    void programFolder()
    {
        TestFolder folder, user;
        QVERIFY(folder.write("Data/Informatie.cat", "nieuw"));
        QVERIFY(folder.write("Images/2008-Gouda.jpg", "jpg"));
        const ProgramFolder program = folder.folder();
        const QString root = folder.root();
        QCOMPARE(QStringList({program.path("\\data\\INFORMATIE.CAT"), program.path("images/"), program.path("Nw.sup")}),
                 QStringList({root + "/Data/Informatie.cat", root + "/Images", root + "/Nw.sup"}));
        QVERIFY(program.problem().isEmpty());
        QVERIFY(!ProgramFolder(folder.path("geen")).problem().isEmpty());
        qputenv("VELINOR_HOME", "/tmp/from-env");
        QCOMPARE(ProgramFolder::choose("/tmp/option", "/exe").root() + ProgramFolder::choose(QString(), "/exe").root(),
                 QStringLiteral("/tmp/option/tmp/from-env"));
        qunsetenv("VELINOR_HOME");
        QCOMPARE(ProgramFolder::choose(QString(), folder.root()).root(), folder.root());
        QVERIFY(!IsWritableFolder("/proc"));
        QVERIFY(!IsWritableFolder(folder.path("Data/Informatie.cat")));
        QStandardPaths::setTestModeEnabled(true);
        const QString chosen = ProgramFolder::choose(QString(), "/proc").root();
        QVERIFY(chosen.endsWith("/velinor"));
        QVERIFY(IsWritableFolder(chosen));
        QDir(chosen).removeRecursively();
    }

    // The user's copies of the installed data over three package versions: new files are copied, unchanged
    // copies follow a newer version, changed ones are kept and told once per version, deleted ones stay deleted,
    // the user's own files are never touched.
    void installedDataUpdates()
    {
        TestFolder installed, user;
        QVERIFY(user.write("Data/Eigen.cat", "mijn lijst"));
        QVERIFY(user.write("Data/Perfin.cor", "van vroeger"));
        struct Step
        {
            QList<std::pair<QString, QByteArray>> installs, userEdits;
            QStringList copied, replaced, kept;
        };
        const Step steps[] = {
            {.installs = {{"Data/Informatie.cat", "prijs 1"},
                          {"Data/Perfin.cor", "p1"},
                          {"Images/2008-Gouda.jpg", "g1"},
                          {"Supplementen/Gouda.sup", "s1"},
                          {"help/index.html", "h1"}},
             .copied = {"Data/Informatie.cat", "Images/2008-Gouda.jpg", "Supplementen/Gouda.sup", "help/index.html"},
             .kept = {"Data/Perfin.cor"}},
            {.installs = {{"Data/Informatie.cat", "prijs 2"},
                          {"Images/2008-Gouda.jpg", "g2"},
                          {"Supplementen/Gouda.sup", "s2"}},
             .userEdits = {{"Supplementen/Gouda.sup", "mijn Gouda"}, {"Images/2008-Gouda.jpg", {}}},
             .replaced = {"Data/Informatie.cat"},
             .kept = {"Supplementen/Gouda.sup"}},
            {},
            {.installs = {{"Supplementen/Gouda.sup", "s3"}, {"help/index.html", "h3"}},
             .replaced = {"help/index.html"},
             .kept = {"Supplementen/Gouda.sup"}},
        };
        for (const Step& step : steps) {
            for (const auto& [name, bytes] : step.installs)
                QVERIFY(installed.write(name, bytes));
            for (const auto& [name, bytes] : step.userEdits)
                QVERIFY(bytes.isNull() ? QFile::remove(user.path(name)) : user.write(name, bytes));
            const DataUpdate update = UpdateUserData(installed.root(), user.root());
            QCOMPARE(update.copied, step.copied);
            QCOMPARE(update.replaced, step.replaced);
            QCOMPARE(update.keptChanged, step.kept);
        }
        QCOMPARE(QList<QByteArray>({user.read("Data/Informatie.cat"), user.read("Data/Perfin.cor"),
                                    user.read("Data/Eigen.cat"), user.read("Supplementen/Gouda.sup"),
                                    user.read("help/index.html")}),
                 QList<QByteArray>({"prijs 2", "van vroeger", "mijn lijst", "mijn Gouda", "h3"}));
        QVERIFY(!QFile::exists(user.path("Images/2008-Gouda.jpg")));
        QVERIFY(KeptCopiesMessage({"Data/Perfin.cor"}, "/usr/share/velinor").contains("Data/Perfin.cor"));
    }
};

QTEST_MAIN(TestAppCore)
#include "test_app_core.moc"
