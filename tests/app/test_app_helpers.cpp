// The small shared routines: colour values and hex text, the clock caption,
// the splash window's texts and strip, the file version, the command line,
// Wacht and the web addresses of a place.

#include "app/clock_text.h"
#include "app/colour.h"
#include "app/command_line.h"
#include "app/file_version.h"
#include "app/splash_info.h"
#include "app/splash_strip.h"
#include "app/wacht.h"
#include "app/web_lookups.h"
#include "common/pixels.h"
#include "common/test_folder.h"

#include <QTimer>
#include <QtTest>

class TestAppHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The clock one second after midnight has no leading zero; on a 120-dpi screen twips / 15 is no
    // longer the pixel size; seven digits get two group separators.
    void coloursClockAndSplashTexts()
    {
        QCOMPARE(KleurHex(190, 200, 240) + KleurHex(0, 10, 255), QStringLiteral("BEC8F0000AFF"));
        const KleurDelen d = SplitsKleurWaarde(KleurWaarde(300, 0, 7)); // red 300 spills into green
        QCOMPARE(QList<int>({d.r, d.g, d.b}), QList<int>({44, 1, 7}));
        const QLocale dutch(QLocale::Dutch);
        const QDate day(2026, 1, 2);
        const QString shortDay = dutch.toString(day, QLocale::ShortFormat);
        QCOMPARE(KlokTekst(QDateTime(day, QTime(9, 5, 7)), dutch) + KlokTekst(QDateTime(day, QTime(0, 0, 1)), dutch),
                 " 9:05:07 / " + shortDay + " 0:00:01 / " + shortDay);
        const SplashInfo::Facts facts{"1.0.0.2", 1234567, QDateTime(day, QTime(3, 4, 5)), 1920 * 12, 1080 * 12, 120};
        QCOMPARE(SplashInfo::InformationBlock(facts, dutch).split("\r\n").mid(6, 3),
                 QStringList({"Filesize............. : 1.234.567 Bytes",
                              "Filedate............ : " + shortDay + " 3:04:05",
                              "Screen............. : 1536 x 864 Pixels"}));
        QCOMPARE(SplashInfo::GroupedNumber(1234567, QLocale::English) + SplashInfo::GroupedNumber(0, dutch),
                 QStringLiteral("1,234,567"));
        // 1440 / dots per inch and back, rounded; a screen that reports nothing counts as 96.
        for (const auto& [dpi, twips] : QList<std::pair<int, int>>{{96, 15}, {120, 12}, {0, 15}})
            QCOMPARE(std::pair(SplashInfo::TwipsPerPixel(dpi), SplashInfo::Resolution(dpi ? twips : 0)),
                     std::pair(twips, dpi ? dpi : 96));
        QVERIFY(SplashInfo::DpiWarning(120).startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI")));
    }

    // Column i in shade c = 130 + i / 2 (halves to even): rows 0-5 red, 6-9 grey, 10-15 blue.
    void splashStrip()
    {
        for (const auto& [column, shade] : QList<std::pair<int, int>>{{0, 130}, {1, 130}, {3, 132}, {240, 250}})
            QCOMPARE(SplashStrip::columnShade(column), shade);
        const QImage before = SplashStrip::initial();
        QImage strip = before;
        SplashStrip::paintColumn(strip, 7); // 3.5 rounds to 4
        QCOMPARE(changedRect(before, strip), QRect(7, 0, 1, 16));
        QList<QRgb> column;
        for (int y : {0, 5, 6, 9, 10, 15})
            column << strip.pixel(7, y);
        QCOMPARE(column, QList<QRgb>({qRgb(134, 0, 0), qRgb(134, 0, 0), qRgb(134, 134, 134), qRgb(134, 134, 134),
                                      qRgb(0, 0, 134), qRgb(0, 0, 134)}));
        QTest::failOnWarning(QRegularExpression("out of range"));
        SplashStrip::paintColumn(strip, 240); // the last step lies past the strip: nothing to paint
    }

    // The marker, then four numbers of at most five digits and a NUL; the first good marker counts.
    void fileVersion()
    {
        // Built at run time, so that this test program itself carries no such marker.
        const QByteArray tag = QByteArray("\x01VELINOR-") + "FILEVERSION\x02";
        const QList<std::pair<QByteArray, QString>> files = {
            {tag + "x" + '\0' + "junk" + tag + "9.10.0.12345" + '\0' + "tail", "9.10.0.12345"},
            {tag + "1.2.3.123456" + '\0', "Error"}, {tag + "1.2.3" + '\0', "Error"}, {tag + "1.2.3." + '\0', "Error"},
            {tag + "1..2.3" + '\0', "Error"},       {tag + "1.2.3.4", "Error"}};
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
        QVERIFY(line.error.isEmpty() && line.has("--no-splash") && !line.help && !line.version);
        QCOMPARE(line.home + ' ' + line.positional.join(' ') + ParseCommandLine({"--home=/y"}, flags).home,
                 QStringLiteral("/x - a/y"));
        QVERIFY(ParseCommandLine({"-h"}, flags).help && ParseCommandLine({"--version"}, flags).version);
        QVERIFY(!ParseCommandLine({"--home"}, flags).error.isEmpty());
        QVERIFY(ParseCommandLine({"--kleur"}, flags).error.contains("--kleur"));
    }

    // Events run while waiting; once the program ends, the wait returns false at once.
    void wachtKeepsEventsFlowing()
    {
        QVERIFY(Wacht(0.001f));
        QTimer::singleShot(0, [] { endWaiting(true); });
        QVERIFY(!Wacht(600));
        endWaiting(false);
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
        QVERIFY(!searchAddress("Plaatsnaam") && !encyclopediaAddress("Plaatsnaam") && !mapAddress("Plaatsnaam"));
        // The municipality: letters without accents, digits and inner hyphens make the host, at most 63.
        const QList<std::pair<QString, QString>> sites = {
            {"Den Haag", "http://www.denhaag.nl"}, {"'s-Hertogenbosch", "http://www.s-hertogenbosch.nl"},
            {"Zuidhorn é", "http://www.zuidhorne.nl"}, {"-Urk 2-", "http://www.urk2.nl"},
            {QString(63, 'a'), "http://www." + QString(63, 'a') + ".nl"}, {QString(64, 'a'), ""},
            {"Plaatsnaam", ""}, {"", ""}, {"Verzamelblok 2010", ""}, {"???", ""}};
        for (const auto& [place, site] : sites)
            QCOMPARE(municipalityAddress(place).value_or(QString()), site);
    }
};

QTEST_MAIN(TestAppHelpers)
#include "test_app_helpers.moc"
