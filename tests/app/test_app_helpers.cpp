// The small shared routines: colour values and hex text, the clock caption,
// the splash window's texts and strip, the file version, the command line and Wacht.

#include "app/clock_text.h"
#include "app/colour.h"
#include "app/command_line.h"
#include "app/file_version.h"
#include "app/splash_info.h"
#include "app/splash_strip.h"
#include "app/wacht.h"
#include "common/test_folder.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TestAppHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void kleurHex()
    {
        QCOMPARE(KleurHex(190, 200, 240), QStringLiteral("BEC8F0"));
        QCOMPARE(KleurHex(0, 10, 255), QStringLiteral("000AFF"));
    }

    void colourValues()
    {
        QCOMPARE(KleurWaarde(1, 2, 3), 1 + 512 + 196608);
        const KleurDelen d = SplitsKleurWaarde(KleurWaarde(300, 0, 7));   // red 300 spills into green
        QCOMPARE(d.r, 44);
        QCOMPARE(d.g, 1);
        QCOMPARE(d.b, 7);
    }

    void clockCaption()
    {
        const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
        const QDate date(2026, 12, 6);
        QCOMPARE(KlokTekst(QDateTime(date, QTime(9, 5, 7)), dutch),
                 QStringLiteral(" 9:05:07 / ") + dutch.toString(date, QLocale::ShortFormat));
        QVERIFY(KlokTekst(QDateTime(date, QTime(0, 0, 1)), dutch).startsWith(QStringLiteral(" 0:00:01 / ")));
        QVERIFY(KlokTekst(QDateTime(date, QTime(23, 59, 59)), dutch).startsWith(QStringLiteral(" 23:59:59 / ")));
    }

    void informationBlock()
    {
        SplashInfo::Facts facts;
        facts.version = QStringLiteral("1.0.0.2");
        facts.fileSize = 1234567;
        facts.fileDate = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
        facts.screenWidthTwips = 1920 * 12;   // a 120-dpi screen: twips / 15 is no longer the pixel size
        facts.screenHeightTwips = 1080 * 12;
        facts.dpi = 120;
        const QStringList lines = SplashInfo::InformationBlock(facts, QLocale(QLocale::Dutch)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.at(2), QStringLiteral("For 32-bit computers with Windows Development."));
        QCOMPARE(lines.at(4), QString());
        QCOMPARE(lines.at(5), QStringLiteral("Version number : 1.0.0.2"));
        QCOMPARE(lines.at(6), QStringLiteral("Filesize............. : 1.234.567 Bytes"));
        QVERIFY(lines.at(7).startsWith(QStringLiteral("Filedate............ : ")));
        QVERIFY(lines.at(7).contains(QStringLiteral("3:04:05")));
        QCOMPARE(lines.at(8), QStringLiteral("Screen............. : 1536 x 864 Pixels"));
        QCOMPARE(lines.at(9), QStringLiteral("Dpi................... : 120 Dots per Inch"));
        QCOMPARE(lines.at(10), QStringLiteral("Time / Date..... :"));
        QCOMPARE(SplashInfo::GroupedNumber(1234567, QLocale(QLocale::English)), QStringLiteral("1,234,567"));

        facts.fileSize.reset();   // an unreadable program file leaves the line empty
        QVERIFY(SplashInfo::InformationBlock(facts, QLocale()).contains(QStringLiteral("Filesize............. : \r\n")));
    }

    void resolution()
    {
        QCOMPARE(SplashInfo::TwipsPerPixel(96), 15);
        QCOMPARE(SplashInfo::TwipsPerPixel(120), 12);
        QCOMPARE(SplashInfo::Resolution(15), 96);
        QCOMPARE(SplashInfo::Resolution(12), 120);
        // What to do on this desktop, not on the old system.
        QVERIFY(SplashInfo::DpiWarning(120).startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI")));
        QVERIFY(SplashInfo::DpiWarning(120).contains(QStringLiteral("QT_FONT_DPI=96")));
    }

    void splashStrip()
    {
        QCOMPARE(SplashStrip::columnShade(0), 130);
        QCOMPARE(SplashStrip::columnShade(1), 130);   // 0.5 rounds to even
        QCOMPARE(SplashStrip::columnShade(3), 132);   // 1.5 rounds to 2
        QCOMPARE(SplashStrip::columnShade(240), 250);
        QImage strip = SplashStrip::initial();
        QCOMPARE(strip.size(), QSize(240, 16));
        SplashStrip::paintColumn(strip, 7);           // c = 134 (3.5 rounds to 4)
        QCOMPARE(strip.pixel(7, 0), qRgb(134, 0, 0));
        QCOMPARE(strip.pixel(7, 5), qRgb(134, 0, 0));
        QCOMPARE(strip.pixel(7, 6), qRgb(134, 134, 134));
        QCOMPARE(strip.pixel(7, 9), qRgb(134, 134, 134));
        QCOMPARE(strip.pixel(7, 10), qRgb(0, 0, 134));
        QCOMPARE(strip.pixel(7, 15), qRgb(0, 0, 134));
        QCOMPARE(strip.pixel(8, 15), qRgb(255, 255, 255));
        SplashStrip::paintColumn(strip, 240);         // past the strip: nothing, no crash
    }

    void fileVersion()
    {
        TestFolder folder;
        // Built at run time, so that this test program itself carries no such marker.
        const QByteArray tag = QByteArray("\x01") + "VELINOR-" + "FILEVERSION" + "\x02";
        QByteArray good = "junk" + tag + "junk";
        good += '\0';
        good += "more" + tag + "2.10" + ".0.7";
        good += '\0';
        good += "tail";
        folder.write(QStringLiteral("good.exe"), good);
        folder.write(QStringLiteral("plain.exe"), QByteArray(1000, 'x'));
        QCOMPARE(GetFileVersion(folder.path(QStringLiteral("good.exe"))), QStringLiteral("2.10.0.7"));
        QCOMPARE(GetFileVersion(folder.path(QStringLiteral("plain.exe"))), QStringLiteral("Error"));
        QCOMPARE(GetFileVersion(folder.path(QStringLiteral("missing.exe"))), QStringLiteral("Error"));
        QCOMPARE(GetFileVersion(QCoreApplication::applicationFilePath()), ProgramVersion());
        QCOMPARE(ProgramVersion(), QStringLiteral(VELINOR_VERSION));
    }

    void commandLine()
    {
        const QStringList flags = {QStringLiteral("--no-splash")};
        CommandLine line = ParseCommandLine({"--home", "/x", "--no-splash"}, flags);
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.home, QStringLiteral("/x"));
        QVERIFY(line.has(QStringLiteral("--no-splash")));
        QCOMPARE(ParseCommandLine({"--home=/y"}, flags).home, QStringLiteral("/y"));
        QVERIFY(!ParseCommandLine({"--home"}, flags).error.isEmpty());
        QVERIFY(ParseCommandLine({"--kleur"}, flags).error.contains(QStringLiteral("--kleur")));
        QCOMPARE(ParseCommandLine({"a", "b"}, flags).positional, QStringList({"a", "b"}));
    }

    void wachtKeepsEventsFlowing()
    {
        bool fired = false;
        QTimer::singleShot(10, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        Wacht(0.05f);
        QVERIFY(clock.elapsed() >= 50);
        QVERIFY(fired);
    }
};

QTEST_MAIN(TestAppHelpers)
#include "test_app_helpers.moc"
