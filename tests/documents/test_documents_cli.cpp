// velinor-cli info and totals on the shipped sample series and on a hand-made
// catalogue, run as a user runs them.

#include "app/text_file.h"
#include "common/test_folder.h"

#include <QProcessEnvironment>
#include "common/cli_run.h"

#include <QtTest>

namespace {

CliRun cli(const QStringList& arguments, const QString& locale = QStringLiteral("nl_NL.UTF-8"))
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return runCli(arguments, environment);
}

} // namespace

class TestDocumentsCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void infoPrintsTheNinePanelValues()
    {
        TestFolder folder;
        QVERIFY(folder.write("Data/Informatie.cat", "2005-Alkmaar\r\n1\r\n2301\r\nStudio\r\n14-06-2005\r\n470.000\r\n"
                                                    "5 x \x80 0.39\r\n13\xbe\r\n144 x 75 mm\r\n\x80 6.00\r\n---\r\n"));
        const CliRun run = cli({"--home", folder.root(), "info", "2005-Alkmaar"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("0: 2301\n1: Studio\n2: 14-06-2005\n3: 470.000\n4: 5 x € 0,39\n5: 13¾\n"
                                         "6: 144 x 75 mm\n7: € 6,00\n8: 1\n"));
        const CliRun missing = cli({"--home", folder.root(), "info", "2005-alkmaar"});
        QCOMPARE(missing.status, 0);
        QCOMPARE(missing.out.count(QStringLiteral(": 0\n")), 9);
    }

    void totalsOfTheSampleSeries()
    {
        TestFolder folder(true);
        const CliRun run = cli({"--home", folder.root(), "totals"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Catalogusprijs voor deze "));
        QVERIFY(QRegularExpression(QStringLiteral("^34 velletjes\\.\\.\\.\\. € \\d+,\\d\\d$")).match(lines[1]).hasMatch());
        QCOMPARE(lines[2], QStringLiteral("Nominale waarde voor de "));
        QVERIFY(QRegularExpression(QStringLiteral("^34 velletjes\\.\\.\\.\\.\\. € \\d+,\\d\\d$")).match(lines[3]).hasMatch());
        const CliRun english = cli({"--home", folder.root(), "totals"}, QStringLiteral("C"));
        QVERIFY(english.out.contains(QRegularExpression(QStringLiteral("€ \\d+\\.\\d\\d\n"))));
    }

    void wrongUse()
    {
        for (const QStringList& arguments : {QStringList{"info"}, QStringList{"info", "a", "b"}, QStringList{"totals", "x"}}) {
            const CliRun run = cli(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(run.err.contains(QStringLiteral("Gebruik: velinor-cli ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDocumentsCli)
#include "test_documents_cli.moc"
