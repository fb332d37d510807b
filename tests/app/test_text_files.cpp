// The text-file layer every data file relies on (Windows-1252 with CR LF,
// LF and UTF-8 accepted, the record notation, case-blind program paths) and
// the settings file built on it.

#include "app/application_state.h"
#include "app/record.h"
#include "app/settings_file.h"
#include "app/text_file.h"
#include "app/user_folder.h"
#include "common/test_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

const QByteArray Header = "\"Velinor - verzamelaarssoftware 2026\"\r\n\"--------------------------\"\r\n";

class TestTextFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Text, its bytes, and the characters those bytes cannot hold (each written as '?').
    void encoding()
    {
        const QList<std::tuple<QString, QByteArray, QStringList>> rows = {
            {"€ „Gouda” – Reliëf ß ÿ Ž Ÿ\u00A0",
             "\x80 \x84Gouda\x94 \x96 Reli\xEB" "f \xDF \xFF \x8E \x9F\xA0", {}},
            {"😀Łódź ? Ł", "???\xF3" "d? ? ?", {"😀", "Ł", "ź"}}, {"漢", "?", {"漢"}}};
        for (const auto& [text, bytes, missing] : rows) {
            QCOMPARE(TextFile::encode(text), bytes);
            QCOMPARE(TextFile::unencodable(text), missing);
            if (missing.isEmpty())
                QCOMPARE(TextFile::decode(bytes), text);
        }
        // Bytes as read and their lines: CR LF, LF or a lone CR; UTF-8 when the bytes are valid UTF-8.
        const QList<std::pair<QByteArray, QStringList>> read = {
            {"a\r\nb\nc\rd\r", {"a", "b", "c", "d"}}, {"a\r\n\r\nb\r\n", {"a", "", "b"}}, {"", {}},
            {QStringLiteral("Reliëf €\r\n").toUtf8(), {"Reliëf €"}}, {"\xEF\xBB\xBF" "abc", {"abc"}},
            {"Reli\xEB" "f", {"Reliëf"}}}; // a lone 0xEB is no UTF-8: it is the Windows-1252 ë
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

    // Start-up reads the two colours (red and green any int, blue a byte) and stops at the first value
    // that does not fit, keeping what it read; then it writes the file anew with the colours it holds.
    void settingsFile()
    {
        const QList<int> defaults = {190, 200, 240, 220, 220, 230};
        const QList<std::tuple<QByteArray, QList<int>, bool>> rows = { // below the header; null: no file
            {QByteArray(), defaults, true}, {"", defaults, true}, {"1,2,3\r\n4,5,6\r\n", {1, 2, 3, 4, 5, 6}, false},
            {"2147483647,-2147483647,255\r\n-2147483647,2147483647,0\r\n",
             {2147483647, -2147483647, 255, -2147483647, 2147483647, 0}, false},
            {"300,0,0\r\n4,5,6\r\n", {300, 0, 0, 4, 5, 6}, false}, {"2147483648,2,3\r\n4,5,6\r\n", defaults, true},
            {"10,20,256\r\n4,5,6\r\n", {10, 20, 240, 220, 220, 230}, true},
            {"1,2,-1\r\n4,5,6\r\n", {1, 2, 240, 220, 220, 230}, true},
            {"1,\"groen\",3\r\n4,5,6\r\n", {1, 200, 240, 220, 220, 230}, true},
            {"1,2,3\r\n", {1, 2, 3, 220, 220, 230}, true},
            {"1,2,3\r\n4,2147483648,6\r\n", {1, 2, 3, 4, 220, 230}, true},
            {"1,2,3\r\n4,5,256\r\n", {1, 2, 3, 4, 5, 230}, true}};
        for (const auto& [colours, read, rewritten] : rows) {
            TestFolder folder;
            if (!colours.isNull())
                QVERIFY(folder.write(SettingsFile::FileName, Header + colours));
            ApplicationState s;
            SettingsFile::load(folder.path(SettingsFile::FileName), s);
            QCOMPARE(QList<int>({s.VensterR, s.VensterG, s.VensterB, s.SupplementR, s.SupplementG, s.SupplementB}),
                     read);
            const QString written = QString("%1,%2,%3\r\n%4,%5,%6\r\n").arg(read[0]).arg(read[1]).arg(read[2])
                                        .arg(read[3]).arg(read[4]).arg(read[5]);
            QCOMPARE(folder.read(SettingsFile::FileName), Header + (rewritten ? written.toLatin1() : colours));
        }
    }

    // Fields of one line, a quoted one shown here with its quotes; then fields across lines.
    void records()
    {
        const QList<std::pair<QString, QStringList>> rows = {
            {"190,200,240", {"190", "200", "240"}}, {" 1 , 2 ,3 ", {"1", "2", "3"}}, {",,", {"", "", ""}}, {"", {""}},
            {"\"Bergen, NH\",12,\"x\"", {"\"Bergen, NH\"", "12", "\"x\""}}, {"\"\",5", {"\"\"", "5"}},
            {"\"a,\",2", {"\"a,\"", "2"}}, {"\"abc", {"\"abc\""}},   // an unclosed quote runs to the end
            {"\"a\"xyz,2", {"\"a\"", "2"}}};                         // after a closing quote all is ignored
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
            {"12.5 euro", 12.5}, {" 1 2", 12},       {"abc", 0},     {"-0.45", -0.45}, {"+5", 5},      {"3,40", 3},
            {"2e", 2},           {"1e-3", 0.001},    {"1.2.3", 1.2}, {"1e2.5", 100},   {"1e2e3", 100}};
        for (const auto& [text, value] : leading)
            QVERIFY2(Record::leadingNumber(text) == value, qPrintable(text));
        QVERIFY(!Record::wholeNumber({"abc", false}) && !Record::wholeNumber({"1e300", false}));
        QCOMPARE(QStringList({Record::number(190.0), Record::number(0.5), Record::number(1e15), Record::number(-3LL)}),
                 QStringList({"190", "0.5", "1e+15", "-3"}));
    }

    // Names match without regard to case, a new one keeps its spelling; the folder is --home, then
    // VELINOR_HOME, then the executable's folder if it can be written, else the user's own with a copy
    // of the data (the user's own files stay).
    void programFolder()
    {
        TestFolder folder, user;
        QVERIFY(folder.write("Data/Informatie.cat", "nieuw") && folder.write("Images/2008-Gouda.jpg", "jpg"));
        const ProgramFolder program = folder.folder();
        const QString root = folder.root();
        QCOMPARE(QStringList({program.path("\\data\\INFORMATIE.CAT"), program.path("images/"), program.path("Nw.sup")}),
                 QStringList({root + "/Data/Informatie.cat", root + "/Images", root + "/Nw.sup"}));
        QVERIFY(program.problem().isEmpty() && !ProgramFolder(folder.path("geen")).problem().isEmpty());
        qputenv("VELINOR_HOME", "/tmp/from-env");
        QCOMPARE(ProgramFolder::choose("/tmp/option", "/exe").root() + ProgramFolder::choose(QString(), "/exe").root(),
                 QStringLiteral("/tmp/option/tmp/from-env"));
        qunsetenv("VELINOR_HOME");
        QCOMPARE(ProgramFolder::choose(QString(), folder.root()).root(), folder.root());
        QVERIFY(!IsWritableFolder("/proc") && !IsWritableFolder(folder.path("Data/Informatie.cat")));
        QVERIFY(user.write("Data/Informatie.cat", "eigen"));
        CopyMissingData(folder.root(), user.root());
        QCOMPARE(user.read("Data/Informatie.cat") + user.read("Images/2008-Gouda.jpg"), QByteArray("eigenjpg"));
        QStandardPaths::setTestModeEnabled(true);
        const QString chosen = ProgramFolder::choose(QString(), "/proc").root();
        QVERIFY(chosen.endsWith("/velinor") && IsWritableFolder(chosen));
        QDir(chosen).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TestTextFiles)
#include "test_text_files.moc"
