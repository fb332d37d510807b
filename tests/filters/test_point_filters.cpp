// The filter engine and the filters that look at one pixel at a time:
// grayscale, negative, brightness, contrast, the colour swaps and noise, with
// the progress each reports and the engine's busy guard.

#include "filter_pictures.h"

#include <QtTest>

using namespace filtertest;

class TestPointFilters : public QObject
{
    Q_OBJECT

    static QList<int> progressOf(FilterKind kind, const QImage& source, int parameter = 0)
    {
        QImage image = source;
        QList<int> values;
        FilterEngine engine(1);
        engine.PasFilterToe(kind, image, parameter, [&](int v) { values << v; });
        return values;
    }

private Q_SLOTS:
    void grayscaleTakesTheTruncatedMean()
    {
        const QImage out = filtered(picture(1, 1, qRgb(31, 20, 10)), FilterKind::Grayscale);
        QCOMPARE(out.pixel(0, 0), qRgb(20, 20, 20)); // 61 \ 3
        QCOMPARE(filtered(picture(1, 1, qRgb(255, 255, 254)), FilterKind::Grayscale).pixel(0, 0), qRgb(254, 254, 254));
    }

    void grayscaleLeavesTheTableFilled()
    {
        FilterEngine engine(1);
        QImage image = picture(2, 2, qRgb(1, 2, 3));
        engine.PasFilterToe(FilterKind::Grayscale, image, 0, {});
        QCOMPARE(engine.tabel()[765], 255);
        QCOMPARE(engine.tabel()[5], 1);
    }

    void negativeInvertsAndTwiceRestores()
    {
        const QImage source = patternPicture(7, 5);
        const QImage once = filtered(source, FilterKind::Negative);
        QCOMPARE(once.pixel(3, 2), qRgb(255 - qRed(source.pixel(3, 2)), 255 - qGreen(source.pixel(3, 2)),
                                        255 - qBlue(source.pixel(3, 2))));
        QCOMPARE(filtered(once, FilterKind::Negative), source);
    }

    void theFourthByteIsNeverTouched()
    {
        QImage source(3, 3, QImage::Format_ARGB32);
        source.fill(qRgba(10, 20, 30, 0x80));
        for (const FilterKind kind : {FilterKind::Negative, FilterKind::ColourSwap, FilterKind::Sharpen,
                                      FilterKind::Contour, FilterKind::Scattered, FilterKind::Pixelize}) {
            const QImage out = filtered(source, kind, 4);
            QCOMPARE(out.format(), QImage::Format_ARGB32);
            QCOMPARE(qAlpha(out.pixel(1, 1)), 0x80);
            QCOMPARE(qAlpha(out.pixel(0, 2)), 0x80);
        }
    }

    void brightnessScalesThroughAClampedTable()
    {
        const auto light = [](int v) { return grayAt(filtered(grayPicture(1, {v}), FilterKind::Brightness, 20), 0, 0); };
        const auto dark = [](int v) { return grayAt(filtered(grayPicture(1, {v}), FilterKind::Brightness, -20), 0, 0); };
        QCOMPARE(light(255), 255); // 306 clamped
        QCOMPARE(light(1), 1);     // 1.2 rounds down
        QCOMPARE(light(200), 240);
        QCOMPARE(light(0), 0);     // a factor, not an offset: black stays black
        QCOMPARE(dark(255), 204);
        QCOMPARE(dark(3), 2);      // 2.4
        QCOMPARE(dark(1), 1);      // 0.8
    }

    void contrastKeepsAUniformPicture()
    {
        for (const int p : {10, -10})
            QCOMPARE(filtered(picture(4, 3, qRgb(90, 90, 90)), FilterKind::Contrast, p), picture(4, 3, qRgb(90, 90, 90)));
    }

    void contrastMovesAwayFromAndTowardsTheMean()
    {
        // Mean gray 150: positive moves each channel 10 percent further from it, negative 10 percent closer.
        const QImage source = grayPicture(2, {100, 200});
        const QImage positive = filtered(source, FilterKind::Contrast, 10);
        QCOMPARE(grayAt(positive, 0, 0), 95);
        QCOMPARE(grayAt(positive, 1, 0), 205);
        const QImage negative = filtered(source, FilterKind::Contrast, -10);
        QCOMPARE(grayAt(negative, 0, 0), 105);
        QCOMPARE(grayAt(negative, 1, 0), 195);
    }

    void contrastBalancesAChannelOutOfRange()
    {
        // Mean gray (72 + 3 x 243) \ 4 = 200, so the table gives blue -20 and green and red 100 for the
        // first pixel; the blue deficit is shared out: (0, 90, 90).
        QImage source = picture(4, 1, qRgb(243, 243, 243));
        source.setPixel(0, 0, qRgb(109, 109, 0));
        const QImage out = filtered(source, FilterKind::Contrast, 10);
        QCOMPARE(out.pixel(0, 0), qRgb(90, 90, 0));
        QCOMPARE(out.pixel(1, 0), qRgb(247, 247, 247));
    }

    void contrastBalancesChannelsAboveRange()
    {
        // Mean gray 0 with the picture almost black; a white pixel's table values are all 281: all >= 255.
        QImage source = picture(400, 1, qRgb(0, 0, 0));
        source.setPixel(0, 0, qRgb(255, 255, 255));
        source.setPixel(1, 0, qRgb(255, 0, 0));
        const QImage out = filtered(source, FilterKind::Contrast, 10);
        QCOMPARE(out.pixel(0, 0), qRgb(255, 255, 255));
        // Red 281 gives (281 - 255) \ 2 = 13 to green and blue.
        QCOMPARE(out.pixel(1, 0), qRgb(255, 13, 13));
    }

    void colourSwapsFollowTheirCaptions()
    {
        const QImage source = picture(1, 1, qRgb(10, 20, 30)); // R 10, G 20, B 30
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 1).pixel(0, 0), qRgb(30, 10, 20)); // BRG
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 2).pixel(0, 0), qRgb(20, 30, 10)); // GBR
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 3).pixel(0, 0), qRgb(10, 30, 20)); // RBG
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 4).pixel(0, 0), qRgb(30, 20, 10)); // BGR
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 5).pixel(0, 0), qRgb(20, 10, 30)); // GRB
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 6), source);
        QCOMPARE(filtered(source, FilterKind::ColourSwap, 0), source);
    }

    void colourSwapsRestore()
    {
        const QImage source = patternPicture(9, 4);
        QCOMPARE(filtered(filtered(source, FilterKind::ColourSwap, 4), FilterKind::ColourSwap, 4), source);
        QImage brg = source;
        for (int i = 0; i < 3; ++i)
            brg = filtered(brg, FilterKind::ColourSwap, 1);
        QCOMPARE(brg, source);
        QVERIFY(filtered(source, FilterKind::ColourSwap, 1) != source);
    }

    void noiseStaysWithinItsRange()
    {
        const QImage source = picture(60, 40, qRgb(128, 128, 128));
        const QImage out = filtered(source, FilterKind::Noise, 50, 42);
        int lowest = 0, highest = 0, coloured = 0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb p = out.pixel(x, y);
                for (const int v : {qRed(p), qGreen(p), qBlue(p)}) {
                    lowest = std::min(lowest, v - 128);
                    highest = std::max(highest, v - 128);
                }
                coloured += qRed(p) != qGreen(p);
            }
        QVERIFY(lowest >= -50 && lowest <= -45);
        QVERIFY(highest <= 51 && highest >= 45);
        QVERIFY(coloured > out.width() * out.height() / 2); // each channel draws its own number
    }

    void noiseIsRepeatableWithASeedAndClamped()
    {
        const QImage source = patternPicture(30, 20);
        QCOMPARE(filtered(source, FilterKind::Noise, 50, 7), filtered(source, FilterKind::Noise, 50, 7));
        QVERIFY(filtered(source, FilterKind::Noise, 50, 7) != filtered(source, FilterKind::Noise, 50, 8));
        const QImage black = filtered(picture(20, 20, qRgb(0, 0, 0)), FilterKind::Noise, 50, 3);
        for (int x = 0; x < 20; ++x)
            QVERIFY(qRed(black.pixel(x, 5)) <= 51);
    }

    void progressRunsFromZeroToHundredByRow()
    {
        const QImage three = picture(5, 3, qRgb(1, 2, 3));
        QCOMPARE(progressOf(FilterKind::Grayscale, three), (QList<int>{0, 33, 66, 100, 100}));
        QCOMPARE(progressOf(FilterKind::Noise, three, 50), (QList<int>{0, 33, 66, 100, 100}));
        // The three-by-three filters report only the interior rows 2..H-1.
        QCOMPARE(progressOf(FilterKind::Sharpen, picture(5, 4, 0), 5), (QList<int>{0, 50, 75, 100}));
        // Aquarel visits rows 3..H-2.
        QCOMPARE(progressOf(FilterKind::Aquarel, picture(5, 6, 0)), (QList<int>{0, 50, 66, 100}));
    }

    void contrastAndScatteredReportTheirOwnSteps()
    {
        const QImage four = picture(5, 4, qRgb(1, 2, 3));
        QCOMPARE(progressOf(FilterKind::Contrast, four, 10), (QList<int>{0, 5, 28, 52, 76, 100, 100}));
        QCOMPARE(progressOf(FilterKind::Scattered, four, 15), (QList<int>{3, 10, 32, 55, 77, 100, 100}));
    }

    void aSecondRequestDuringARunDoesNothing()
    {
        FilterEngine engine(1);
        QImage image = picture(4, 4, qRgb(30, 60, 90));
        QImage other = picture(4, 4, qRgb(30, 60, 90));
        bool busyDuringRun = false;
        engine.PasFilterToe(FilterKind::Grayscale, image, 0, [&](int) {
            busyDuringRun = engine.bezig();
            engine.PasFilterToe(FilterKind::Negative, other, 0, {});
            engine.PasFilterToe(FilterKind::Negative, image, 0, {});
        });
        QVERIFY(busyDuringRun);
        QVERIFY(!engine.bezig());
        QCOMPARE(other, picture(4, 4, qRgb(30, 60, 90)));
        QCOMPARE(image, picture(4, 4, qRgb(60, 60, 60)));
        engine.PasFilterToe(FilterKind::Negative, other, 0, {});
        QCOMPARE(other.pixel(0, 0), qRgb(225, 195, 165));
    }

    void otherFormatsAndEmptyPictures()
    {
        QImage indexed = picture(3, 2, qRgb(31, 20, 10)).convertToFormat(QImage::Format_RGB888);
        FilterEngine engine(1);
        engine.PasFilterToe(FilterKind::Grayscale, indexed, 0, {});
        QCOMPARE(indexed.format(), QImage::Format_RGB32);
        QCOMPARE(indexed.pixel(2, 1), qRgb(20, 20, 20));
        QImage empty;
        engine.PasFilterToe(FilterKind::Aquarel, empty, 0, {});
        QVERIFY(empty.isNull());
        QVERIFY(!engine.bezig());
    }
};

QTEST_GUILESS_MAIN(TestPointFilters)
#include "test_point_filters.moc"
