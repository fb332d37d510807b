// The contact sheet: the pictures of the Images folder in name order, five a
// row and ten rows a page, their captions, broken and missing pictures.

#include "common/test_folder.h"
#include "pdf_reader.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "recording_surface.h"

#include <QDir>
#include <QtTest>

using Kind = RecordingSurface::Kind;

namespace {

void writePicture(const TestFolder& folder, const QString& name, QRgb colour = qRgb(0, 128, 255))
{
    QImage picture(500, 260, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(folder.root() + QStringLiteral("/Images/") + name, "JPG"));
}

QStringList names(const QStringList& paths)
{
    QStringList result;
    for (const QString& path : paths)
        result.append(QFileInfo(path).fileName());
    return result;
}

QStringList manyPictures(const TestFolder& folder, int count)
{
    for (int i = 1; i <= count; ++i)
        writePicture(folder, QStringLiteral("%1 Plaats.jpg").arg(1900 + i));
    return VelletjesBestanden(folder.folder());
}

} // namespace

class TestContactSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void jpegFilesInNameOrder()
    {
        TestFolder folder;
        writePicture(folder, QStringLiteral("b.jpg"));
        writePicture(folder, QStringLiteral("A.JPG"));
        writePicture(folder, QStringLiteral("a2.jpg"));
        writePicture(folder, QStringLiteral("c.png"));
        QDir(folder.root()).mkpath(QStringLiteral("Images/map.jpg"));
        QCOMPARE(names(VelletjesBestanden(folder.folder())), QStringList({"A.JPG", "a2.jpg", "b.jpg"}));
    }

    void imagesFolderFoundWithoutRegardToCase()
    {
        TestFolder folder;
        QDir(folder.root()).rename(QStringLiteral("Images"), QStringLiteral("images"));
        QImage(500, 260, QImage::Format_RGB32).save(folder.root() + QStringLiteral("/images/x.jpg"));
        QCOMPARE(names(VelletjesBestanden(folder.folder())), QStringList{"x.jpg"});
    }

    void captionWithoutExtension()
    {
        QCOMPARE(VelletjeOnderschrift(QStringLiteral("/p/Images/Amsterdam.jpg")), QStringLiteral("Amsterdam"));
        QCOMPARE(VelletjeOnderschrift(QStringLiteral("/p/Images/1999 Den Haag.JPG")), QStringLiteral("1999 Den Haag"));
    }

    // A caption longer than its picture is cut to the picture's width, so it does not run into the next.
    void longCaptionsStayInTheirColumn()
    {
        RecordingSurface s;
        s.setFontSize(9); // 90 twips a character: 21 fit under a picture
        QCOMPARE(fittedCaption(s, QStringLiteral("2008-Verzamelblokje Noord")), QStringLiteral("2008-Verzamelblokje \u2026"));
        QCOMPARE(fittedCaption(s, QString(21, QLatin1Char('x'))), QString(21, QLatin1Char('x')));
        QCOMPARE(fittedCaption(s, QString(22, QLatin1Char('x'))), QString(20, QLatin1Char('x')) + QChar(0x2026));
    }

    // Copies on a device that cannot repeat a document: each copy on new pages of one document.
    void copiesInOneDocument()
    {
        RecordingSurface s;
        QVERIFY(printCopies(s, 3, [](PrintSurface& surface, int copies) {
            surface.startJob(copies);
            surface.print(QStringLiteral("blad"));
            return surface.endDoc();
        }));
        QCOMPARE(s.of(Kind::Job).size(), 1);
        QCOMPARE(s.of(Kind::End).size(), 1);
        QCOMPARE(s.pageCount(), 3);
        QCOMPARE(s.text(QStringLiteral("blad")).page, 1);
        QCOMPARE(s.of(Kind::Text).last().page, 3);
    }

    void fiftyOnePicturesMakeTwoPages()
    {
        TestFolder folder;
        const QStringList files = manyPictures(folder, 51);
        RecordingSurface s;
        QVERIFY(PrintVelletjes(s, files, 1));

        const auto pictures = s.of(Kind::Picture);
        QCOMPARE(pictures.size(), 51);
        QCOMPARE(s.of(Kind::NewPage).size(), 1);
        const double xs[] = {300, 2490, 4680, 6870, 9060};
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(pictures[i].page, 1);
            QCOMPARE(pictures[i].box, QRectF(xs[i % 5], 1200 + 1470 * (i / 5), 1890, 990));
            QCOMPARE(pictures[i].pictureSize, QSize(500, 260));
        }
        QCOMPARE(pictures[50].page, 2);
        QCOMPARE(pictures[50].box.topLeft(), QPointF(300, 600));

        const auto caption = s.text(QStringLiteral("1951 Plaats"));
        QCOMPARE(caption.page, 2);
        QCOMPARE(caption.at, QPointF(300, 1650));
        QCOMPARE(caption.font, (PrintLettertype{QStringLiteral("Arial"), 9, false}));
        QCOMPARE(caption.colour, QColor(80, 80, 80));
        QCOMPARE(s.text(QStringLiteral("1907 Plaats")).at, QPointF(2490, 1200 + 1470 + 1050));

        // The title only on the first page.
        QCOMPARE(s.texts().count(QStringLiteral("Velinor")), 1);
        const auto title = s.text(QStringLiteral("Velinor"));
        QCOMPARE(title.at, QPointF(300, 300));
        QCOMPARE(title.font, (PrintLettertype{QStringLiteral("Arial"), 26, true}));
        QCOMPARE(title.colour, QColor(40, 140, 40));
    }

    void fiftyPicturesFillOnePage()
    {
        TestFolder folder;
        RecordingSurface s;
        PrintVelletjes(s, manyPictures(folder, 50), 1);
        QCOMPARE(s.of(Kind::Picture).size(), 50);
        QVERIFY(s.of(Kind::NewPage).isEmpty());
    }

    void brokenPictureKeepsItsCaption()
    {
        TestFolder folder;
        writePicture(folder, QStringLiteral("a.jpg"));
        QVERIFY(folder.write(QStringLiteral("Images/b.jpg"), QByteArray("\xff\xd8\xff\xe0 geen jpeg", 14)));
        QVERIFY(folder.write(QStringLiteral("Images/c.jpg"), QByteArray()));
        writePicture(folder, QStringLiteral("d.jpg"));
        RecordingSurface s;
        QVERIFY(PrintVelletjes(s, VelletjesBestanden(folder.folder()), 1));
        const auto pictures = s.of(Kind::Picture);
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures[1].box.topLeft(), QPointF(300 + 3 * 2190, 1200));
        QCOMPARE(s.texts(), QStringList({"Velinor", "a", "b", "c", "d"}));
        QCOMPARE(s.text(QStringLiteral("c")).at, QPointF(300 + 2 * 2190, 1200 + 1050));
    }

    void missingImagesFolderPrintsTheTitle()
    {
        TestFolder folder;
        QVERIFY(QDir(folder.path(QStringLiteral("Images"))).removeRecursively());
        RecordingSurface s;
        QVERIFY(PrintVelletjes(s, VelletjesBestanden(folder.folder()), 1));
        QCOMPARE(s.texts(), QStringList{"Velinor"});
        QCOMPARE(s.of(Kind::End).size(), 1);
    }

    void hugePictureIsReadSmall()
    {
        TestFolder folder;
        QImage big(4000, 2080, QImage::Format_RGB32);
        big.fill(qRgb(0, 200, 0));
        QVERIFY(big.save(folder.root() + QStringLiteral("/Images/groot.jpg")));
        const QImage read = LeesVelletje(folder.path(QStringLiteral("Images/groot.jpg")));
        QVERIFY(read.width() <= 1600 && read.height() <= 850);
        QVERIFY(!read.isNull());
    }

    void pdfContactSheet()
    {
        TestFolder folder;
        writePicture(folder, QStringLiteral("Amsterdam.jpg"), qRgb(255, 0, 0));
        writePicture(folder, QStringLiteral("Zwolle.jpg"), qRgb(0, 0, 255));
        const QString path = folder.root() + QStringLiteral("/blad.pdf");
        PdfPrintSurface surface(path);
        QVERIFY(PrintVelletjes(surface, VelletjesBestanden(folder.folder()), 1));

        QCOMPARE(PdfInformatie(path).pages, 1);
        const auto words = PdfWoorden(path);
        const auto caption = PdfZoek(words, QStringLiteral("Zwolle"));
        QCOMPARE(caption.size(), 1);
        QVERIFY(qAbs(caption[0].box.left() - (2490 + 360)) < 40);
        QVERIFY(qAbs(caption[0].box.top() - (1200 + 1050 + 360)) < 40);
        QVERIFY(PdfZoek(words, QStringLiteral("Amsterdam.jpg")).isEmpty());

        const QImage png = PdfPagina(path, 1, 72); // 20 twips a pixel
        const auto pixel = [&](double x, double y) { return png.pixelColor(int((x + 360) / 20), int((y + 360) / 20)); };
        const QColor red = pixel(300 + 945, 1200 + 495);
        QVERIFY(red.red() > 230 && red.green() < 30 && red.blue() < 30);
        const QColor blue = pixel(2490 + 945, 1200 + 495);
        QVERIFY(blue.blue() > 230 && blue.red() < 30);
        QCOMPARE(pixel(2490 - 150, 1200 + 495), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestContactSheet)
#include "test_contact_sheet.moc"
