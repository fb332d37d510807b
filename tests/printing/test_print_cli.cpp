// velinor-cli page, contact-sheet and list as a user runs them: PDF files
// read back with the poppler tools.

#include "app/text_file.h"
#include "common/test_folder.h"
#include "pdf_reader.h"

#include <QDir>
#include <QFile>
#include "common/cli_run.h"

#include <QtTest>

namespace {

CliRun cli(const TestFolder& folder, const QStringList& arguments)
{
    return runCli(QStringList{"--home", folder.root()} + arguments);
}

bool hasWords(const QString& pdf, const QString& text)
{
    return !PdfZoek(PdfWoorden(pdf), text).isEmpty();
}

// The middle of the picture box of the album page, at 72 dpi (20 twips a pixel).
QColor pictureMiddle(const QString& pdf)
{
    return PdfPagina(pdf, 1, 72).pixelColor((5812 + 360) / 20, (4440 + 360) / 20);
}

} // namespace

class TestPrintCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageOfTheSampleSupplement()
    {
        TestFolder folder(true);
        const QString pdf = folder.root() + QStringLiteral("/pagina.pdf");
        const CliRun run = cli(folder, {"page", folder.path(QStringLiteral("Supplementen/Alkmaar.sup")), pdf});
        QCOMPARE(run.status, 0);
        QCOMPARE(PdfInformatie(pdf).pages, 1);
        for (const char* text : {"Velinor", "Alkmaar", "Nr.2301", "2005", "Alkmaar ligt in Noord-Holland"})
            QVERIFY2(hasWords(pdf, QString::fromUtf8(text)), text);
        QVERIFY(pictureMiddle(pdf) != QColor(Qt::white));
    }

    void pageOfAMissingSupplement()
    {
        TestFolder folder;
        const QString pdf = folder.root() + QStringLiteral("/x.pdf");
        const CliRun run = cli(folder, {"page", folder.root() + QStringLiteral("/Nergens.sup"), pdf});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QStringLiteral("niet gevonden")));
        QVERIFY(!QFile::exists(pdf));
    }

    // A save killed after its commit is finished first, as the windows do: the new text with the new picture.
    void pageFinishesAnInterruptedSave()
    {
        TestFolder folder;
        QImage red(500, 260, QImage::Format_RGB32), blue(500, 260, QImage::Format_RGB32);
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        QVERIFY(folder.write("Supplementen/Delft.sup", "Delft\r\n1\r\n2007\r\n1\r\n---\r\noud\r\n"));
        QVERIFY(red.save(folder.path("Supplementen/Delft.bmp")));
        QVERIFY(folder.write("Supplementen/Delft.sup.nieuw", "Delft\r\n2\r\n2007\r\n1\r\n---\r\nnieuw\r\n"));
        QVERIFY(blue.save(folder.path("Supplementen/Delft.bmp.nieuw"), "BMP"));
        QVERIFY(folder.write("Supplementen/Delft.sup.klaar", "afbeelding\r\n"));
        const QString pdf = folder.root() + QStringLiteral("/pagina.pdf");
        QCOMPARE(cli(folder, {"page", folder.path("Supplementen/Delft.sup"), pdf}).status, 0);
        QVERIFY(hasWords(pdf, QStringLiteral("nieuw")));
        const QColor middle = pictureMiddle(pdf);
        QVERIFY(middle.blue() > 200 && middle.red() < 50);
        QCOMPARE(QDir(folder.path("Supplementen")).entryList(QDir::Files), QStringList({"Delft.bmp", "Delft.sup"}));
    }

    void pageWithAPictureThatCannotBeReadPrintsNothing()
    {
        TestFolder folder;
        QVERIFY(folder.write("Supplementen/Delft.sup", "Delft\r\n1\r\n2007\r\n1\r\n---\r\n"));
        QVERIFY(folder.write("Supplementen/Delft.bmp", "BM kapot"));
        const QString pdf = folder.root() + QStringLiteral("/pagina.pdf");
        const CliRun run = cli(folder, {"page", folder.path("Supplementen/Delft.sup"), pdf});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QStringLiteral("Delft.bmp")));
        QVERIFY(!QFile::exists(pdf));
    }

    void contactSheetOfTheSampleImages()
    {
        TestFolder folder(true);
        const int count = int(QDir(folder.path(QStringLiteral("Images"))).entryList({"*.jpg"}).size());
        QVERIFY(count > 0 && count <= 50);
        const QString pdf = folder.root() + QStringLiteral("/blad.pdf");
        const CliRun run = cli(folder, {"contact-sheet", pdf});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("%1 velletjes").arg(count)));
        QCOMPARE(PdfInformatie(pdf).pages, 1);
        QVERIFY(hasWords(pdf, QStringLiteral("2005-Alkmaar")));
    }

    void listOfTheSampleCatalogue()
    {
        TestFolder folder(true);
        const QString pdf = folder.root() + QStringLiteral("/lijst.pdf");
        const CliRun run = cli(folder, {"list", pdf});
        QCOMPARE(run.status, 0);
        QVERIFY(hasWords(pdf, QStringLiteral("Nr. Jaartal Plaats Cat.nr. Oplage Nominaal Cat.prijs")));
        QCOMPARE(PdfRegel(PdfWoorden(pdf), 1, 1500 + 360),
                 QStringList({"1", "2005", "Alkmaar", "2301", "470.000", "0.39", "\u20ac", "6.00"}));
    }

    void unwritableOutputFails()
    {
        TestFolder folder;
        const CliRun run = cli(folder, {"list", folder.root() + QStringLiteral("/geen/map/lijst.pdf")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QStringLiteral("Kan ")));
    }

    void wrongArguments()
    {
        TestFolder folder;
        for (const QStringList& arguments :
             {QStringList{"page", "a.sup"}, QStringList{"contact-sheet"}, QStringList{"list", "a.pdf", "b.pdf"}}) {
            const CliRun run = cli(folder, arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(run.err.contains(QStringLiteral("Gebruik: velinor-cli")));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrintCli)
#include "test_print_cli.moc"
