// velinor-cli's geography commands as a user runs them.

#include "common/cli_run.h"
#include "common/test_folder.h"
#include "geography/map_picture.h"

#include <QImage>
#include <QtTest>

class TestGeographyCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mapWithItsPlaces()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/coordinaten.cor"), "100,200,Gouda\r\n,1,Weg\r\n150,250,\"Rijswijk, Zuid-Holland\"\r\n");
        const QString png = folder.root() + QStringLiteral("/kaart.png");
        const CliRun run = runCli({"--home", folder.root(), "kaart", png});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("2 Steden\n"));
        const QImage map(png);
        QCOMPARE(map.size(), MapPicture::Size);
        QCOMPARE(map.pixel(100, 200), qRgb(255, 255, 255));
        QCOMPARE(map.pixel(150, 250), qRgb(255, 255, 255));
    }

    void mapBadUse()
    {
        TestFolder folder;
        QCOMPARE(runCli({"--home", folder.root(), "kaart"}).status, 2);
        const CliRun unwritable = runCli({"--home", folder.root(), "kaart", folder.root() + QStringLiteral("/geen/map/kaart.png")});
        QCOMPARE(unwritable.status, 1);
        QVERIFY(unwritable.err.contains(QStringLiteral("Kan ") + folder.root()));
    }

    void namesForALetter()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/plaatsnamen.cat"), "Aalten\r\nA\r\namen\r\n't Zandt\r\nAmen\r\n");
        const CliRun run = runCli({"--home", folder.root(), "plaatsnamen", "A"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Aalten\nAmen\n2 Plaatsnamen\n"));
        QCOMPARE(runCli({"--home", folder.root(), "plaatsnamen", "'"}).out, QStringLiteral("'t Zandt\n1 Plaatsnamen\n"));
        for (const QStringList& bad : {QStringList{"plaatsnamen"}, QStringList{"plaatsnamen", "a"}, QStringList{"plaatsnamen", "AB"}})
            QCOMPARE(runCli(QStringList{"--home", folder.root()} + bad).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestGeographyCli)
#include "test_geography_cli.moc"
