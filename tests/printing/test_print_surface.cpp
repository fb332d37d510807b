// The print surface: the frame routine, the copies box, the current position,
// and the PDF device at true scale on A4.

#include "pdf_reader.h"
#include "printing/pdf_print_surface.h"
#include "recording_surface.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Kind = RecordingSurface::Kind;

namespace {

// Pictures may be kept as JPEG inside the PDF: colours come back near, not exact.
bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8;
}

} // namespace

class TestPrintSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void kaderDrawsFourBlackLinesInOrder()
    {
        RecordingSurface surface;
        surface.setColour(QColor(1, 2, 3));
        PrintKader(surface, 10.5f, 20, 110, 220);
        const auto lines = surface.of(Kind::Line);
        QCOMPARE(lines.size(), 4);
        const QList<QPair<QPointF, QPointF>> wanted{
            {{10.5, 20}, {110, 20}}, {{110, 20}, {110, 220}}, {{110, 220}, {10.5, 220}}, {{10.5, 220}, {10.5, 20}}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lines[i].at, wanted[i].first);
            QCOMPARE(lines[i].to, wanted[i].second);
            QCOMPARE(lines[i].colour, QColor(0, 0, 0));
        }
    }

    void copiesFromTheBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("10") << " 10 " << 10;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("letters") << "twee" << 1;
        QTest::newRow("fraction") << "2.5" << 1;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("negative") << "-3" << 1;
        QTest::newRow("too many") << "500" << 1;
    }

    void copiesFromTheBox()
    {
        QFETCH(QString, text);
        QFETCH(int, copies);
        QCOMPARE(AantalKopieen(text), copies);
    }

    void preambleSetsArialAndCopies()
    {
        RecordingSurface surface;
        surface.setFontName(QStringLiteral("Courier"));
        surface.startJob(3);
        const auto job = surface.of(Kind::Job);
        QCOMPARE(job.size(), 1);
        QCOMPARE(job[0].copies, 3);
        QCOMPARE(job[0].font.naam, QStringLiteral("Arial"));
    }

    void printMovesToTheNextLine()
    {
        RecordingSurface surface;
        surface.setFontSize(10);
        surface.setPosition(500, 700);
        surface.print(QStringLiteral("a"));
        QCOMPARE(surface.currentX(), 0.0);
        QCOMPARE(surface.currentY(), 900.0);
        QCOMPARE(surface.of(Kind::Text)[0].at, QPointF(500, 700));
    }

    void nullPictureIsNotPainted()
    {
        RecordingSurface surface;
        QVERIFY(!surface.paintPicture(QImage(), QRectF(0, 0, 100, 100)));
        QVERIFY(surface.of(Kind::Picture).isEmpty());
    }

    void pdfIsA4AtTrueScale()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.pdf"));
        {
            PdfPrintSurface surface(path);
            surface.startJob(1);
            surface.setFontSize(20);
            surface.setPosition(1440, 2880);
            surface.print(QStringLiteral("Inch"));
            surface.newPage();
            surface.setPosition(0, 0);
            surface.print(QStringLiteral("Hoek"));
            QVERIFY(surface.endDoc());
            QCOMPARE(surface.pageCount(), 2);
        }
        const PdfInfo info = PdfInformatie(path);
        QCOMPARE(info.pages, 2);
        // A4 is 595.28 x 841.89 points; the PDF writer rounds the page to whole points.
        QVERIFY(qAbs(info.pageSize.width() - 595.28) < 1);
        QVERIFY(qAbs(info.pageSize.height() - 841.89) < 1);

        // One inch and two inches from the printable area's corner, which lies a margin inside the page.
        const auto words = PdfWoorden(path);
        const auto inch = PdfZoek(words, QStringLiteral("Inch"), 1);
        QCOMPARE(inch.size(), 1);
        const double margin = PdfPrintSurface::MargeTwips;
        QVERIFY2(qAbs(inch[0].box.left() - (1440 + margin)) < 40, qPrintable(QString::number(inch[0].box.left())));
        QVERIFY2(qAbs(inch[0].box.top() - (2880 + margin)) < 40, qPrintable(QString::number(inch[0].box.top())));
        // A 20-point font stands about 20 points high.
        QVERIFY(qAbs(inch[0].box.height() - 400) < 80);
        const auto corner = PdfZoek(words, QStringLiteral("Hoek"), 2);
        QCOMPARE(corner.size(), 1);
        QVERIFY(qAbs(corner[0].box.left() - margin) < 40);
        QVERIFY(qAbs(corner[0].box.top() - margin) < 40);
    }

    void pdfLinesAndPicturesAtTheirTwips()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("b.pdf"));
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        {
            PdfPrintSurface surface(path);
            surface.startJob(1);
            surface.paintPicture(picture, QRectF(1440, 1440, 2880, 1440));
            surface.line(QPointF(0, 4320), QPointF(7200, 4320), Qt::black);
            QVERIFY(surface.endDoc());
        }
        // At 144 dpi one pixel is 10 twips; the margin is 36 pixels.
        const QImage page = PdfPagina(path, 1, 144);
        QCOMPARE(page.size(), QSize(1190, 1684));
        const auto at = [&](double x, double y) { return page.pixelColor(int((x + 360) / 10), int((y + 360) / 10)); };
        QVERIFY(near(at(1440 + 700, 2160), QColor(255, 0, 0)));
        QVERIFY(near(at(1440 + 2180, 2160), QColor(0, 0, 255)));
        QCOMPARE(at(1440 - 30, 2160), QColor(255, 255, 255));
        QCOMPARE(at(4320 + 30, 2160), QColor(255, 255, 255));
        QVERIFY(at(3600, 4320).lightness() < 200);
        QCOMPARE(at(3600, 4360), QColor(255, 255, 255));
    }

    void failedJobKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.pdf"));
        {
            PdfPrintSurface first(path);
            first.startJob(1);
            first.print(QStringLiteral("eerste"));
            QVERIFY(first.endDoc());
        }
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        {
            // A job abandoned before its end replaces nothing.
            PdfPrintSurface second(path);
            second.startJob(1);
            second.print(QStringLiteral("tweede"));
        }
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }
};

QTEST_MAIN(TestPrintSurface)
#include "test_print_surface.moc"
