// The album page: every position, font and colour on a recording surface,
// the description lines, the centred place name, and the page as a PDF
// measured at true scale.

#include "documents/supplement_file.h"
#include "pdf_reader.h"
#include "printing/album_page.h"
#include "printing/pdf_print_surface.h"
#include "printing/supplement_page_file.h"
#include "recording_surface.h"

#include "app/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using Kind = RecordingSurface::Kind;

namespace {

SupplementPagina samplePage()
{
    QImage canvas(500, 260, QImage::Format_RGB32);
    canvas.fill(qRgb(255, 0, 0));
    return {QStringLiteral("Amsterdam"), QStringLiteral("V123"),
            QStringLiteral("1999"),      {QStringLiteral("Eerste regel"), QStringLiteral("Tweede regel")},
            QStringLiteral("17"),        canvas};
}

PrintLettertype arial(double size)
{
    return {QStringLiteral("Arial"), size, true};
}

} // namespace

class TestAlbumPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyStepInOrder()
    {
        RecordingSurface s;
        QVERIFY(PrintSupplement(s, samplePage(), 2));
        const auto& st = s.steps;
        QCOMPARE(st.size(), 1 + 2 + 1 + 8 + 2 + 2 + 1 + 1);
        QCOMPARE(st[0].kind, Kind::Job);
        QCOMPARE(st[0].copies, 2);

        QCOMPARE(st[1].text, QStringLiteral("Velinor"));
        QCOMPARE(st[1].at, QPointF(3900, 600));
        QCOMPARE(st[1].font, arial(26));
        QCOMPARE(st[1].colour, QColor(40, 140, 40));

        // The recording surface measures 10 twips per point per character: 9 x 200 wide.
        QCOMPARE(st[2].text, QStringLiteral("Amsterdam"));
        QCOMPARE(st[2].at, QPointF(5850 - 900, 1350));
        QCOMPARE(st[2].font, arial(20));
        QCOMPARE(st[2].colour, QColor(140, 40, 40));

        QCOMPARE(st[3].kind, Kind::Picture);
        QCOMPARE(st[3].box, QRectF(1725, 2325, 8175, 4230));
        QCOMPARE(st[3].pictureSize, QSize(500, 260));

        const QList<QPointF> corners{{1590, 2190}, {10040, 2190}, {10040, 6690}, {1590, 6690},
                                     {1605, 2205}, {10025, 2205}, {10025, 6675}, {1605, 6675}};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(st[4 + i].kind, Kind::Line);
            QCOMPARE(st[4 + i].at, corners[i]);
            QCOMPARE(st[4 + i].to, corners[i % 4 == 3 ? i - 3 : i + 1]);
            QCOMPARE(st[4 + i].colour, QColor(0, 0, 0));
        }

        QCOMPARE(st[12].text, QStringLiteral("Nr.V123"));
        QCOMPARE(st[12].at, QPointF(1620, 6810));
        QCOMPARE(st[13].text, QStringLiteral("1999"));
        QCOMPARE(st[13].at, QPointF(9390, 6810));
        for (int i : {12, 13}) {
            QCOMPARE(st[i].font, arial(14));
            QCOMPARE(st[i].colour, QColor(90, 90, 90));
        }

        QCOMPARE(st[14].text, QStringLiteral("Eerste regel"));
        QCOMPARE(st[14].at, QPointF(1560, 7800));
        QCOMPARE(st[15].text, QStringLiteral("Tweede regel"));
        QCOMPARE(st[15].at, QPointF(1560, 8100));
        for (int i : {14, 15}) {
            QCOMPARE(st[i].font, arial(11));
            QCOMPARE(st[i].colour, QColor(40, 40, 40));
        }

        QCOMPARE(st[16].text, QStringLiteral("17"));
        QCOMPARE(st[16].at, QPointF(10590, 15450));
        QCOMPARE(st[16].font, arial(16));
        QCOMPARE(st[16].colour, QColor(0, 0, 200));
        QCOMPARE(st[17].kind, Kind::End);
        QCOMPARE(s.page, 1);
    }

    void noDescriptionStillPrintsThePageNumber()
    {
        RecordingSurface s;
        PrintSupplement(s, albumPageOf({"Delft", "1", "2007", "4", {}, {}}, QImage()), 1);
        QCOMPARE(s.text(QStringLiteral("4")).at, QPointF(10590, 15450));
        // Without a picture the frames still print.
        QVERIFY(s.of(Kind::Picture).isEmpty());
        QCOMPARE(s.of(Kind::Line).size(), 8);
    }

    void atMostAHundredDescriptionLines()
    {
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QStringLiteral("regel %1").arg(i);
        const SupplementPagina page = albumPageOf({"Delft", "1", "2007", "4", lines, {}}, QImage());
        QCOMPARE(page.regels.size(), 100);
        RecordingSurface s;
        PrintSupplement(s, page, 1);
        QCOMPARE(s.text(QStringLiteral("regel 99")).at, QPointF(1560, 7800 + 300 * 99));
        QCOMPARE(s.of(Kind::End).size(), 1);
    }

    void placeNamesCentredOn5850()
    {
        RecordingSurface s;
        SupplementPagina page = samplePage();
        page.Plaatsnaam = QStringLiteral("Ede");
        PrintSupplement(s, page, 1);
        page.Plaatsnaam = QStringLiteral("Edeveen"); // more than twice as wide
        PrintSupplement(s, page, 1);
        const double narrow = 5850 - s.text(QStringLiteral("Ede")).at.x();
        const double wide = 5850 - s.text(QStringLiteral("Edeveen")).at.x();
        QCOMPARE(narrow, 3 * 200 / 2.0);
        QCOMPARE(wide, 7 * 200 / 2.0);
    }

    void pdfPageCentresAndPlacesText()
    {
        QTemporaryDir dir;
        const double m = PdfPrintSurface::MargeTwips;
        for (const QString& name : {QStringLiteral("Ee"), QStringLiteral("Alphen aan den Rijn")}) {
            const QString path = dir.filePath(QStringLiteral("page.pdf"));
            SupplementPagina page = samplePage();
            page.Plaatsnaam = name;
            PdfPrintSurface surface(path);
            QVERIFY(PrintSupplement(surface, page, 1));

            const auto words = PdfWoorden(path);
            const auto place = PdfZoek(words, name);
            QVERIFY(!place.isEmpty());
            const double middle = (place.first().box.left() + place.last().box.right()) / 2;
            QVERIFY2(qAbs(middle - (5850 + m)) < 30, qPrintable(QString::number(middle)));
            QVERIFY(qAbs(place.first().box.top() - (1350 + m)) < 40);

            const auto title = PdfZoek(words, QStringLiteral("Velinor"));
            QCOMPARE(title.size(), 1);
            QVERIFY(qAbs(title[0].box.left() - (3900 + m)) < 40);
            const auto number = PdfZoek(words, QStringLiteral("17"));
            QCOMPARE(number.size(), 1);
            QVERIFY(qAbs(number[0].box.left() - (10590 + m)) < 40);
            QVERIFY(qAbs(number[0].box.top() - (15450 + m)) < 40);
            const auto second = PdfZoek(words, QStringLiteral("Tweede regel"));
            QCOMPARE(second.size(), 2);
            QVERIFY(qAbs(second[0].box.top() - (8100 + m)) < 40);
            QCOMPARE(PdfInformatie(path).pages, 1);
        }
    }

    void pdfFrameMeasuresAtTrueScale()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frame.pdf"));
        PdfPrintSurface surface(path);
        QVERIFY(PrintSupplement(surface, samplePage(), 1));

        // At 144 dpi one pixel is 10 twips. Scan across the middle of the frame.
        const QImage png = PdfPagina(path, 1, 144);
        const int row = int((4440 + PdfPrintSurface::MargeTwips) / 10);
        const auto dark = [&](int x, int y) { return qGray(png.pixel(x, y)) < 128; };
        int left = 0;
        while (left < png.width() && !dark(left, row))
            ++left;
        int right = png.width() - 1;
        while (right > 0 && !dark(right, row))
            --right;
        const double width = (right - left + 1) * 10.0;
        QVERIFY2(qAbs(width - 8450) <= 20, qPrintable(QString::number(width)));

        const int column = int((5800 + PdfPrintSurface::MargeTwips) / 10);
        int top = int((2000 + PdfPrintSurface::MargeTwips) / 10); // below the place name
        while (top < png.height() && !dark(column, top))
            ++top;
        int bottom = png.height() - 1;
        while (bottom > top && !dark(column, bottom))
            --bottom;
        const double height = (bottom - top + 1) * 10.0;
        QVERIFY2(qAbs(height - 4500) <= 20, qPrintable(QString::number(height)));
        // The picture fills its box: red inside, white in the margin between picture and inner frame.
        const auto pixel = [&](double x, double y) {
            return png.pixelColor(int((x + PdfPrintSurface::MargeTwips) / 10),
                                  int((y + PdfPrintSurface::MargeTwips) / 10));
        };
        // The PDF may keep the picture as a JPEG, so its colours are near, not exact.
        const auto red = [](QColor c) { return c.red() > 245 && c.green() < 10 && c.blue() < 10; };
        QVERIFY(red(pixel(1760, 2360)));
        QVERIFY(red(pixel(9860, 6520)));
        QCOMPARE(pixel(1660, 4000), QColor(255, 255, 255));
        QCOMPARE(pixel(9960, 4000), QColor(255, 255, 255));
    }

    void savedSupplementAnywhere()
    {
        QTemporaryDir dir;
        QStringList lines{"Den Haag", "2331", "2014", "33", QString(48, QLatin1Char('-')), "eerste", "tweede"};
        QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("Den Haag.sup")), lines));
        QImage canvas(500, 260, QImage::Format_RGB32);
        canvas.fill(qRgb(1, 2, 3));
        QVERIFY(canvas.save(dir.filePath(QStringLiteral("den haag.BMP")), "BMP"));

        const SupplementPaginaBestand read = LeesSupplementPagina(dir.filePath(QStringLiteral("Den Haag.sup")));
        QVERIFY(read.pagina);
        QVERIFY(read.melding.isEmpty());
        QCOMPARE(read.pagina->Plaatsnaam, QStringLiteral("Den Haag"));
        QCOMPARE(read.pagina->CatalogusNr, QStringLiteral("2331"));
        QCOMPARE(read.pagina->Jaartal, QStringLiteral("2014"));
        QCOMPARE(read.pagina->pagina, QStringLiteral("33"));
        QCOMPARE(read.pagina->regels, QStringList({"eerste", "tweede"}));
        QCOMPARE(read.pagina->afbeelding.size(), QSize(500, 260));
        QCOMPARE(read.pagina->afbeelding.pixel(10, 10), qRgb(1, 2, 3));
        // Reading left nothing behind beside the supplement.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
    }

    void savedSupplementWithoutPictureOrWithTooManyLines()
    {
        QTemporaryDir dir;
        QStringList lines{"Edam", "2323", "2011", "23", QString(48, QLatin1Char('-'))};
        for (int i = 0; i < 105; ++i)
            lines.append(QStringLiteral("regel %1").arg(i));
        QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("Edam.sup")), lines));
        const SupplementPaginaBestand read = LeesSupplementPagina(dir.filePath(QStringLiteral("Edam.sup")));
        QVERIFY(read.pagina);
        QVERIFY(read.pagina->afbeelding.isNull());
        QCOMPARE(read.pagina->regels.size(), 100);
        QVERIFY(!read.melding.isEmpty());
    }

    void unreadableSupplement()
    {
        QTemporaryDir dir;
        QVERIFY(!LeesSupplementPagina(dir.filePath(QStringLiteral("Nergens.sup"))).pagina);
        QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("Kort.sup")), {"Kort", "1"}));
        const SupplementPaginaBestand shortFile = LeesSupplementPagina(dir.filePath(QStringLiteral("Kort.sup")));
        QVERIFY(!shortFile.pagina);
        QVERIFY(shortFile.melding.contains(QStringLiteral("onvolledig")));
        // A page without the picture that was saved with it is not the saved page.
        QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("Kort.sup")), {"Kort", "1", "2", "3", "-"}));
        QVERIFY(QFile(dir.filePath(QStringLiteral("Kort.bmp"))).open(QIODevice::WriteOnly));
        const SupplementPaginaBestand broken = LeesSupplementPagina(dir.filePath(QStringLiteral("Kort.sup")));
        QVERIFY(!broken.pagina);
        QVERIFY(broken.melding.startsWith(QStringLiteral("Kort.bmp")));
    }

    // A save killed after its commit is finished first, as the windows do: the new text with the new picture.
    void interruptedSaveIsFinishedFirst()
    {
        QTemporaryDir dir;
        const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
        QImage picture(500, 260, QImage::Format_RGB32);
        picture.fill(qRgb(255, 0, 0));
        QVERIFY(picture.save(path("Delft.bmp")));
        picture.fill(qRgb(0, 0, 255));
        QVERIFY(picture.save(path("Delft.bmp.nieuw"), "BMP"));
        QVERIFY(TextFile::writeLines(path("Delft.sup"), {"Delft", "1", "2007", "1", "-", "oud"}));
        QVERIFY(TextFile::writeLines(path("Delft.sup.nieuw"), {"Delft", "2", "2007", "1", "-", "nieuw"}));
        QVERIFY(TextFile::writeLines(path("Delft.sup.klaar"), {"afbeelding"}));
        const SupplementPaginaBestand read = LeesSupplementPagina(path("Delft.sup"));
        QVERIFY(read.pagina);
        QCOMPARE(read.pagina->regels, QStringList{QStringLiteral("nieuw")});
        QCOMPARE(read.pagina->afbeelding.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"Delft.bmp", "Delft.sup"}));
    }
};

QTEST_MAIN(TestAlbumPage)
#include "test_album_page.moc"
