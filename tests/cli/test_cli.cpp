// velinor-cli's own options: help, version, bad usage and the program folder.

#include "app/file_version.h"
#include "common/cli_run.h"
#include "common/test_folder.h"

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
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
