// velinor-cli's own options: help, version, bad usage and the program folder;
// and the files of every command: never written over an input, never left half written.

#include "app/file_version.h"
#include "common/cli_run.h"
#include "common/test_folder.h"
#include "common/write_failure.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void helpAndVersion()
    {
        const CliRun help = runCli({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Gebruik: velinor-cli")));
        QVERIFY(help.out.contains(QStringLiteral("folder")));
        const CliRun version = runCli({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("velinor-cli ") + ProgramVersion());
    }

    void badUsageExitsWithTwo()
    {
        for (const QStringList& arguments : {QStringList{"--kleur"}, QStringList{"onbekend"}, QStringList{},
                                             QStringList{"--home"}, QStringList{"folder", "extra"}}) {
            const CliRun run = runCli(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(!run.err.isEmpty());
        }
    }

    void homeOption()
    {
        TestFolder folder;
        const CliRun run = runCli({"--home", folder.root(), "folder"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("Programmamap: ") + folder.root()));
        QVERIFY(!run.out.contains(QStringLiteral("(ontbreekt)")));

        const CliRun missing = runCli({"--home", folder.root() + QStringLiteral("/nergens"), "totals"});
        QCOMPARE(missing.status, 2);
        QVERIFY(missing.err.contains(QStringLiteral("De programmamap ") + folder.root() + QStringLiteral("/nergens bestaat niet.")));
    }

    void noCommandWritesOverItsInput()
    {
        TestFolder folder(true);
        QVERIFY(QImage(folder.path("Images/2005-Alkmaar.jpg")).save(folder.path("foto.png")));
        const QString sup = folder.path("Supplementen/Alkmaar.sup");
        const QList<std::pair<QStringList, QString>> cases = {
            {{"page", sup, sup}, sup},
            {{"page", sup, folder.path("Supplementen/alkmaar.BMP")}, folder.path("Supplementen/Alkmaar.bmp")},
            {{"filter", "negative", folder.path("foto.png"), folder.root() + "/./foto.png"}, folder.path("foto.png")},
            {{"photos", "sheet", "groot", folder.path("foto.png"), folder.path("Images/2005-Alkmaar.jpg"),
              folder.path("Images/2005-Alkmaar.jpg")},
             folder.path("Images/2005-Alkmaar.jpg")},
            {{"kaart", folder.path("Data/coordinaten.cor")}, folder.path("Data/coordinaten.cor")},
            {{"list", folder.path("Data/Informatie.cat")}, folder.path("Data/Informatie.cat")},
            {{"contact-sheet", folder.path("Images/2005-Alkmaar.jpg")}, folder.path("Images/2005-Alkmaar.jpg")},
        };
        for (const auto& [arguments, input] : cases) {
            QFile file(input);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before = file.readAll();
            file.close();
            const CliRun run = runCli(QStringList{"--home", folder.root()} + arguments);
            QVERIFY2(run.status == 2, qPrintable(arguments.join(' ')));
            QVERIFY2(run.err.contains(QStringLiteral("is ook een invoerbestand")), qPrintable(run.err));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            file.close();
        }
    }

    // The child inherits the limit, so every output it writes fails as on a full disk.
    void anOutputThatCannotBeWrittenLeavesNoFile()
    {
        TestFolder folder(true);
        QVERIFY(QImage(folder.path("Images/2005-Alkmaar.jpg")).save(folder.path("foto.png")));
        const QList<QStringList> cases = {
            {"page", folder.path("Supplementen/Alkmaar.sup"), folder.path("uit.pdf")},
            {"list", folder.path("uit.pdf")},
            {"filter", "negative", folder.path("foto.png"), folder.path("uit.png")},
            {"photos", "sheet", "klein", folder.path("foto.png"), folder.path("Images/2005-Alkmaar.jpg"),
             folder.path("uit.png")},
            {"kaart", folder.path("uit.png")},
        };
        for (const QStringList& arguments : cases) {
            const QStringList before = QDir(folder.root()).entryList(QDir::Files);
            CliRun run;
            {
                const FileSizeLimit limit(10);
                run = runCli(QStringList{"--home", folder.root()} + arguments);
            }
            QVERIFY2(run.status == 1, qPrintable(arguments.join(' ') + run.err));
            QVERIFY2(run.err.contains(QStringLiteral("groter dan toegestaan")), qPrintable(run.err));
            QCOMPARE(QDir(folder.root()).entryList(QDir::Files), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
