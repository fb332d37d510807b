// The filters whose result at a pixel depends on other pixels: the
// three-by-three filters, Pixelize, Defuse, Scattered and Aquarel.

#include "app/colour.h"
#include "filter_pictures.h"

#include <QtTest>

using namespace filtertest;

class TestNeighbourhoodFilters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void uniformPicturesUnderTheThreeByThreeFilters()
    {
        const QImage flat = picture(6, 5, qRgb(100, 100, 100));
        QCOMPARE(filtered(flat, FilterKind::Sharpen, 5), flat); // (29c - 16c) \ 13 = c
        QCOMPARE(filtered(flat, FilterKind::Edge, 1), flat);    // (10c - 8c) \ 2 = c
        QCOMPARE(filtered(flat, FilterKind::Blur), flat);       // 8c \ 8 = c
        QCOMPARE(filtered(flat, FilterKind::Relief), flat);     // c \ 2 + 50 = c for c = 100

        const QImage contour = filtered(flat, FilterKind::Contour, int(KleurWaarde(255, 255, 255)));
        QCOMPARE(contour.pixel(1, 1), qRgb(255, 255, 255));
        QCOMPARE(contour.pixel(4, 3), qRgb(255, 255, 255));
        QCOMPARE(contour.pixel(0, 0), qRgb(100, 100, 100));

        const QImage relief = filtered(picture(4, 4, qRgb(50, 50, 50)), FilterKind::Relief);
        QCOMPARE(relief.pixel(1, 2), qRgb(75, 75, 75));
    }

    void contourAddsEachChannelsOwnComponent()
    {
        // On a flat area 8C - S8 is 0, leaving the colour's component: red 10, green 20, blue 30.
        const QImage out = filtered(picture(3, 3, qRgb(90, 90, 90)), FilterKind::Contour, int(KleurWaarde(10, 20, 30)));
        QCOMPARE(out.pixel(1, 1), qRgb(10, 20, 30));
        // An edge: a dark centre among bright neighbours goes to 0.
        const QImage edge = filtered(grayPicture(3, {90, 90, 90, 90, 0, 90, 90, 90, 90}), FilterKind::Contour,
                                     int(KleurWaarde(255, 255, 255)));
        QCOMPARE(grayAt(edge, 1, 1), 0); // 0 - 720 + 255 clamped
    }

    void singlePixelValues()
    {
        const QImage spot = grayPicture(3, {0, 0, 0, 0, 100, 0, 0, 0, 0});
        QCOMPARE(grayAt(filtered(spot, FilterKind::Sharpen, 5), 1, 1), 223); // 2900 \ 13
        QCOMPARE(grayAt(filtered(grayPicture(3, {0, 0, 0, 0, 20, 0, 0, 0, 0}), FilterKind::Edge, 1), 1, 1), 100);
        QCOMPARE(grayAt(filtered(spot, FilterKind::Edge, 1), 1, 1), 255);
        QCOMPARE(grayAt(filtered(grayPicture(3, {0, 0, 0, 100, 0, 0, 0, 0, 0}), FilterKind::Blur), 1, 1), 12);
        // Reliëf truncates toward zero: -3 \ 2 = -1, so 49 and not 48.
        QCOMPARE(grayAt(filtered(grayPicture(3, {0, 0, 0, 0, 0, 3, 0, 0, 0}), FilterKind::Relief), 1, 1), 49);
    }

    void sharpenEdgeAndBlurRunInPlace()
    {
        // Blur of (1, 1) is 80 \ 8 = 10; (2, 1) then sees that 10 on its left, not the original 0.
        const QImage source = grayPicture(4, {0, 0, 0, 0, 0, 0, 80, 0, 0, 0, 0, 0});
        const QImage blur = filtered(source, FilterKind::Blur);
        QCOMPARE(grayAt(blur, 1, 1), 10);
        QCOMPARE(grayAt(blur, 2, 1), 1);
        // Sharpen of (1, 1) is (20 x 29 - 200) \ 13 = 29; (2, 1) then gives (2900 - 58) \ 13 = 218, not 220.
        const QImage sharpen = filtered(grayPicture(4, {0, 0, 0, 0, 0, 20, 100, 0, 0, 0, 0, 0}), FilterKind::Sharpen, 5);
        QCOMPARE(grayAt(sharpen, 1, 1), 29);
        QCOMPARE(grayAt(sharpen, 2, 1), 218);
    }

    void theFramesStayUntouched()
    {
        const QImage source = patternPicture(12, 9);
        for (const FilterKind kind : {FilterKind::Sharpen, FilterKind::Edge, FilterKind::Blur, FilterKind::Contour,
                                      FilterKind::Relief}) {
            const QImage out = filtered(source, kind, kind == FilterKind::Contour ? 0xFFFFFF : 1);
            QVERIFY(frameEqual(out, source, 1));
            QVERIFY(out != source);
        }
        const QImage aquarel = filtered(source, FilterKind::Aquarel);
        QVERIFY(frameEqual(aquarel, source, 2));
        QVERIFY(aquarel != source);
    }

    void tinyPicturesAreLeftAlone()
    {
        for (const FilterKind kind : {FilterKind::Sharpen, FilterKind::Blur, FilterKind::Relief, FilterKind::Aquarel})
            for (const QSize size : {QSize(1, 1), QSize(2, 7), QSize(7, 2), QSize(4, 4)}) {
                const QImage source = patternPicture(size.width(), size.height());
                if (kind != FilterKind::Aquarel && size == QSize(4, 4))
                    continue;
                QCOMPARE(filtered(source, kind, 5), source);
            }
    }

    void pixelizeMakesFlatBlocks()
    {
        const QImage small = grayPicture(4, {10, 20, 30, 200, 40, 50, 60, 100, 70, 80, 91, 50, 1, 2, 3, 4});
        const QImage out = filtered(small, FilterKind::Pixelize, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(grayAt(out, x, y), 50); // 451 \ 9
        QCOMPARE(grayAt(out, 3, 1), 116);        // 350 \ 3
        QCOMPARE(grayAt(out, 1, 3), 2);
        QCOMPARE(grayAt(out, 3, 3), 4);
    }

    void pixelizeCornerBlockOfTheCanvas()
    {
        const QImage source = patternPicture(500, 260);
        const QImage out = filtered(source, FilterKind::Pixelize, 3);
        // The last column of blocks starts at 498 and the last row at 258: a 2 x 2 block.
        int sum = 0;
        for (int y = 258; y < 260; ++y)
            for (int x = 498; x < 500; ++x)
                sum += qRed(source.pixel(x, y));
        for (int y = 258; y < 260; ++y)
            for (int x = 498; x < 500; ++x)
                QCOMPARE(qRed(out.pixel(x, y)), sum / 4);
        QVERIFY(out.pixel(497, 259) != out.pixel(498, 259));
        QCOMPARE(out.pixel(3, 3), out.pixel(5, 5));
        QVERIFY(out.pixel(2, 2) != out.pixel(3, 3));
    }

    // Every pixel takes the value some pixel within 3 held at that moment: the source
    // value of a pixel not yet visited, or the new value of one already visited.
    void defuseMovesAtMostThree()
    {
        const int w = 40, h = 30;
        QImage source(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                source.setPixel(x, y, qRgb(x, y, 7));
        const QImage out = filtered(source, FilterKind::Defuse, 6, 99);
        int farthest = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool found = false;
                for (int dy = -3; dy <= 3 && !found; ++dy)
                    for (int dx = -3; dx <= 3 && !found; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                            continue;
                        const bool visited = ny < y || (ny == y && nx < x);
                        found = out.pixel(x, y) == (visited ? out : source).pixel(nx, ny);
                        if (found && !visited)
                            farthest = std::max({farthest, std::abs(dx), std::abs(dy)});
                    }
                QVERIFY2(found, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        QCOMPARE(farthest, 3);
        QCOMPARE(filtered(source, FilterKind::Defuse, 6, 99), out);
    }

    void scatteredGivesOnlyBlackAndWhite()
    {
        const QImage out = filtered(patternPicture(50, 30), FilterKind::Scattered, 15);
        int white = 0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb p = out.pixel(x, y);
                QVERIFY(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255));
                white += p == qRgb(255, 255, 255);
            }
        QVERIFY(white > 0 && white < 50 * 30);
    }

    void scatteredOfUniformPictures()
    {
        QCOMPARE(filtered(picture(9, 7, qRgb(255, 255, 255)), FilterKind::Scattered, 15),
                 picture(9, 7, qRgb(255, 255, 255)));
        // The threshold of a black picture is 0, and 0 >= 0 everywhere.
        QCOMPARE(filtered(picture(9, 7, qRgb(0, 0, 0)), FilterKind::Scattered, 15), picture(9, 7, qRgb(255, 255, 255)));
    }

    void scatteredCarriesTheErrorAlongTheRow()
    {
        // Threshold (100 + 200 + 0) \ 3 = 100. The first pixel turns white with error -155; the second
        // gets (-155 x 8 \ 42) x 10 \ 15 = -19, 181 stays white; the last 0 stays black.
        const QImage out = filtered(grayPicture(3, {100, 200, 0}), FilterKind::Scattered, 15);
        QCOMPARE(grayAt(out, 0, 0), 255);
        QCOMPARE(grayAt(out, 1, 0), 255);
        QCOMPARE(grayAt(out, 2, 0), 0);
        // Without the carried error the second of two 100s would be white too.
        const QImage pair = filtered(grayPicture(2, {100, 100}), FilterKind::Scattered, 15);
        QCOMPARE(grayAt(pair, 1, 0), 0);
        // Threshold 101; the last pixel gets -149 x 4 \ 42 = -14 and -143 x 8 \ 42 = -27, scaled
        // -410 \ 15 = -27: 101 is white. Rounding down instead of toward zero would make it black.
        const QImage four = filtered(grayPicture(4, {50, 100, 128, 128}), FilterKind::Scattered, 15);
        QCOMPARE(grayAt(four, 0, 0), 0);
        QCOMPARE(grayAt(four, 3, 0), 255);
        // Down the column: (-155 x 8 \ 42) x 10 \ 15 below the first pixel as well.
        const QImage column = filtered(grayPicture(1, {100, 100}), FilterKind::Scattered, 15);
        QCOMPARE(grayAt(column, 0, 1), 0);
    }

    void aquarelKeepsAStraightEdgeSharp()
    {
        QImage source = picture(12, 10, qRgb(50, 60, 70));
        for (int y = 0; y < 10; ++y)
            for (int x = 6; x < 12; ++x)
                source.setPixel(x, y, qRgb(200, 190, 180));
        QCOMPARE(filtered(source, FilterKind::Aquarel), source);
        QCOMPARE(filtered(source.transformed(QTransform().rotate(90)), FilterKind::Aquarel),
                 source.transformed(QTransform().rotate(90)));
    }

    void aquarelTakesTheCalmestQuadrant()
    {
        // A checkerboard of 0 and 255 with one calm 3 x 3 quadrant around the centre pixel (2, 2).
        const auto board = [](QRect calm, int value) {
            QImage image(5, 5, QImage::Format_RGB32);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 5; ++x) {
                    const int v = calm.contains(x, y) ? value : ((x + y) % 2) * 255;
                    image.setPixel(x, y, qRgb(v, v, v));
                }
            return image;
        };
        QCOMPARE(grayAt(filtered(board(QRect(2, 2, 3, 3), 50), FilterKind::Aquarel), 2, 2), 50);
        QCOMPARE(grayAt(filtered(board(QRect(0, 0, 3, 3), 70), FilterKind::Aquarel), 2, 2), 70);
        QImage almost = board(QRect(2, 0, 3, 3), 50);
        almost.setPixel(4, 0, qRgb(52, 52, 52)); // mean 452 \ 9 = 50
        QCOMPARE(grayAt(filtered(almost, FilterKind::Aquarel), 2, 2), 50);
        // All four quadrants equally calm around a lone spot: the first, with mean 90 \ 9.
        QCOMPARE(grayAt(filtered(grayPicture(5, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 90, 0, 0, 0, 0, 0, 0, 0,
                                                   0, 0, 0, 0, 0}),
                                 FilterKind::Aquarel),
                        2, 2),
                 10);
    }
};

QTEST_GUILESS_MAIN(TestNeighbourhoodFilters)
#include "test_neighbourhood_filters.moc"
