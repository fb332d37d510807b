// velinor-cli info and totals on the shipped sample series and on a hand-made
// catalogue, run as a user runs them.

#include "app/text_file.h"
#include "common/test_folder.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out, err;
};

Run cli(const QStringList& arguments, const QString& locale = QStringLiteral("nl_NL.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELINOR_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
        const Run run = cli({"--home", folder.root(), "info", "2005-Alkmaar"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("0: 2301\n1: Studio\n2: 14-06-2005\n3: 470.000\n4: 5 x € 0,39\n5: 13¾\n"
                                         "6: 144 x 75 mm\n7: € 6,00\n8: 1\n"));
        const Run missing = cli({"--home", folder.root(), "info", "2005-alkmaar"});
        QCOMPARE(missing.status, 0);
        QCOMPARE(missing.out.count(QStringLiteral(": 0\n")), 9);
    }

    void totalsOfTheSampleSeries()
    {
        TestFolder folder(true);
        const Run run = cli({"--home", folder.root(), "totals"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Catalogusprijs voor deze "));
        QVERIFY(QRegularExpression(QStringLiteral("^34 velletjes\\.\\.\\.\\. € \\d+,\\d\\d$")).match(lines[1]).hasMatch());
        QCOMPARE(lines[2], QStringLiteral("Nominale waarde voor de "));
        QVERIFY(QRegularExpression(QStringLiteral("^34 velletjes\\.\\.\\.\\.\\. € \\d+,\\d\\d$")).match(lines[3]).hasMatch());
        const Run english = cli({"--home", folder.root(), "totals"}, QStringLiteral("C"));
        QVERIFY(english.out.contains(QRegularExpression(QStringLiteral("€ \\d+\\.\\d\\d\n"))));
    }

    void wrongUse()
    {
        for (const QStringList& arguments : {QStringList{"info"}, QStringList{"info", "a", "b"}, QStringList{"totals", "x"}}) {
            const Run run = cli(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(run.err.contains(QStringLiteral("Gebruik: velinor-cli ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDocumentsCli)
#include "test_documents_cli.moc"
