// The barcode pictures and their three placements.

#include "perforation/barcode.h"

#include <QtTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
}

class TestBarcode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void horizontalPicture()
    {
        const QImage bar = Barcode::BarHor();
        QCOMPARE(bar.size(), QSize(70, 25));
        const QList<int> starts = {1, 3, 5, 7, 9, 12, 14, 16, 19, 21, 24, 27, 29, 32, 34,
                                   36, 39, 41, 43, 46, 49, 51, 53, 56, 58, 61, 63, 66, 68};
        QList<int> found;
        for (int x = 0; x < 70; ++x)
            if (bar.pixel(x, 1) == Black && (x == 0 || bar.pixel(x - 1, 1) == White))
                found << x;
        QCOMPARE(found, starts);
        for (int x = 0; x < 70; ++x) {
            QCOMPARE(bar.pixel(x, 0), White);
            QCOMPARE(bar.pixel(x, 24), White);
        }
        QCOMPARE(bar.pixel(69, 5), White);
        // Ordinary bars end at row 17, guard bars at row 21.
        QCOMPARE(bar.pixel(5, 17), Black);
        QCOMPARE(bar.pixel(5, 18), White);
        for (int guard : {1, 3, 32, 34, 66, 68}) {
            QCOMPARE(bar.pixel(guard, 21), Black);
            QCOMPARE(bar.pixel(guard, 22), White);
        }
        // The digits stay in rows 19 to 23 between the guards.
        int digitPixels = 0;
        for (int y = 18; y < 25; ++y)
            for (int x = 0; x < 70; ++x)
                if (bar.pixel(x, y) == Black && !QList<int>({1, 3, 32, 34, 66, 68}).contains(x)) {
                    QVERIFY(y >= 19 && y <= 23);
                    QVERIFY((x >= 5 && x <= 30) || (x >= 37 && x <= 64));
                    ++digitPixels;
                }
        QVERIFY(digitPixels > 60);
    }

    void verticalPictureIsTheQuarterTurn()
    {
        const QImage hor = Barcode::BarHor();
        const QImage ver = Barcode::BarVer();
        QCOMPARE(ver.size(), QSize(25, 70));
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 25; ++x)
                QCOMPARE(ver.pixel(x, y), hor.pixel(69 - y, x));
    }

    void placements()
    {
        QImage canvas(500, 260, QImage::Format_RGB32);
        canvas.fill(qRgb(10, 200, 30));
        Barcode::plaatsBarcode(canvas, Barcode::Plaats::Rechtsonder);
        QCOMPARE(canvas.pixel(423, 228), White);
        QCOMPARE(canvas.pixel(424, 229), Black);
        QCOMPARE(canvas.pixel(492, 252), White);               // the white of the picture replaces the photo
        QCOMPARE(canvas.pixel(493, 252), qRgb(10, 200, 30));
        QCOMPARE(canvas.pixel(422, 228), qRgb(10, 200, 30));

        Barcode::plaatsBarcode(canvas, Barcode::Plaats::Linksonder);
        QCOMPARE(canvas.pixel(9, 229), Black);
        QCOMPARE(canvas.pixel(8, 228), White);

        Barcode::plaatsBarcode(canvas, Barcode::Plaats::Rechtsboven);
        QCOMPARE(canvas.pixel(473, 74), Black);
        QCOMPARE(canvas.pixel(473, 75), White);
        QCOMPARE(canvas.pixel(496, 75), White);
        QCOMPARE(canvas.pixel(497, 6), qRgb(10, 200, 30));
    }
};

QTEST_GUILESS_MAIN(TestBarcode)
#include "test_barcode.moc"
