// velinor-cli's own options: help, version, bad usage and the program folder.

#include "app/file_version.h"
#include "common/test_folder.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out, err;
};

Run cli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELINOR_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void helpAndVersion()
    {
        const Run help = cli({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Gebruik: velinor-cli")));
        QVERIFY(help.out.contains(QStringLiteral("folder")));
        const Run version = cli({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("velinor-cli ") + ProgramVersion());
    }

    void badUsageExitsWithTwo()
    {
        for (const QStringList& arguments : {QStringList{"--kleur"}, QStringList{"onbekend"}, QStringList{},
                                             QStringList{"--home"}, QStringList{"folder", "extra"}}) {
            const Run run = cli(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(!run.err.isEmpty());
        }
    }

    void homeOption()
    {
        TestFolder folder;
        const Run run = cli({"--home", folder.root(), "folder"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("Programmamap: ") + folder.root()));
        QVERIFY(!run.out.contains(QStringLiteral("(ontbreekt)")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
