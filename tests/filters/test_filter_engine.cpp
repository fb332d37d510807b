// The filter engine and its fifteen filters: each filter on small coloured
// pictures against pixels worked out by hand, the progress each reports, the
// fourth byte no filter touches and the engine's busy guard.

#include "app/colour.h"
#include "filter_pictures.h"

#include <QtTest>

using namespace filtertest;
using F = FilterKind;

namespace {

const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);

// Red, green and blue values, three to a pixel.
using Rgb = QList<int>;

// clang-format off
// Each channel on its own; (0, 0) is blue 10, green 20, red 31. Mean gray (20 + 152 + 43 + 111) \ 4 = 81.
const QImage Point = rgbPicture(2, {31, 20, 10,  255, 1, 200,
                                    0, 3, 128,   77, 255, 2});
// The interior of the three-by-three filters is (1..2, 1..2).
const QImage Small = rgbPicture(4, {115, 145, 80,  120, 155, 90,  95, 140, 65,   135, 150, 100,
                                    105, 175, 70,  130, 165, 110, 125, 175, 100, 100, 165, 105,
                                    120, 165, 65,  125, 160, 95,  120, 170, 110, 105, 175, 75,
                                    100, 135, 65,  135, 150, 75,  100, 155, 70,  95, 160, 110});
// Aquarel's interior is (2..3, 2..3); the channels of a pixel pick different quadrants, and red at (2, 2)
// and (2, 3) picks quadrant 1 (mean 160) over the equally calm quadrant 3 (mean 130).
const QImage Quadrants = rgbPicture(6, {
    240, 80, 160,  80, 40, 40,  120, 10, 40,  240, 160, 10,  160, 200, 200,  200, 160, 120,
    80, 200, 80,  200, 40, 40,  240, 80, 240,  80, 40, 160,  240, 160, 10,  120, 160, 120,
    200, 40, 240,  240, 80, 120,  80, 40, 40,  120, 80, 40,  160, 160, 200,  160, 80, 120,
    200, 120, 200,  120, 80, 200,  80, 160, 80,  160, 120, 80,  10, 80, 120,  240, 80, 80,
    40, 40, 200,  240, 120, 240,  240, 80, 10,  120, 240, 40,  200, 80, 40,  10, 40, 120,
    200, 120, 40,  40, 120, 160,  80, 10, 10,  240, 40, 160,  10, 40, 200,  40, 10, 80});

// clang-format on

// '#' for white, '.' for black, '?' for anything else, '/' between rows.
QString blackAndWhite(const QImage& image)
{
    QString text;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            text += QLatin1String(y && !x ? "/" : "") + QLatin1Char(p == White ? '#' : p == Black ? '.' : '?');
        }
    return text;
}

} // namespace

class TestFilterEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Filter, parameter, picture, margin and the new pixels: the pixels within the margin of the edge keep their
    // values, the others become the red, green, blue triples row by row (none: the picture stays as it is).
    void everyFilterOnColouredPictures_data()
    {
        QTest::addColumn<FilterKind>("kind");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QImage>("input");
        QTest::addColumn<int>("margin");
        QTest::addColumn<Rgb>("rgb");
        // Grayscale of 32-bit pictures and Brightness are checked for every value below.
        QTest::newRow("grayscale of 24 bits") << F::Grayscale << 0 << Point.convertToFormat(QImage::Format_RGB888) << 0
                                              << Rgb{20, 20, 20, 152, 152, 152, 43, 43, 43, 111, 111, 111};
        QTest::newRow("negative") << F::Negative << 0 << Point << 0
                                  << Rgb{224, 235, 245, 0, 254, 55, 255, 252, 127, 178, 0, 253};
        // (1, 0) gets the table values blue 212, green -7, red 272, balanced to (255, 7, 216).
        QTest::newRow("contrast positive")
            << F::Contrast << 10 << Point << 0 << Rgb{26, 14, 3, 255, 7, 216, 0, 0, 123, 81, 255, 7};
        QTest::newRow("contrast negative")
            << F::Contrast << -10 << Point << 0 << Rgb{36, 26, 17, 238, 9, 188, 8, 11, 123, 77, 238, 10};
        // Mean 803 \ 4 = 200: the first pixel's table values are blue -20, green 100, red 120; blue's -20 is
        // shared out.
        QTest::newRow("contrast below range")
            << F::Contrast << 10 << rgbPicture(4, {127, 109, 0, 250, 241, 232, 230, 255, 238, 245, 243, 241}) << 0
            << Rgb{110, 90, 0, 255, 245, 235, 236, 255, 245, 250, 247, 245};
        // Mean 85: red 272 with blue and green -9 takes three rounds, magenta and yellow four, green 102 with blue and
        // red -9 three, green 1 with blue and red -1 one (their halves are 0); white is all >= 255, the dark pixels
        // all <= 0.
        // clang-format off
        QTest::newRow("contrast balancing") << F::Contrast << 10 << rgbPicture(3, {255, 0, 0,  255, 255, 255,  3, 0, 5,
                                                                                   0, 0, 0,    255, 0, 255,    0, 0, 0,
                                                                                   255, 255, 0,  0, 0, 0,      255, 0, 0,
                                                                                   0, 100, 0,  255, 255, 156,  0, 0, 0,
                                                                                   7, 9, 7,    255, 255, 234,  0, 0, 0})
            << 0 << Rgb{254, 2, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 255, 22, 255, 0, 0, 0, 255, 255, 22, 0, 0, 0,
                               254, 2, 0, 0, 88, 0, 255, 255, 193, 0, 0, 0, 0, 1, 0, 255, 255, 255, 0, 0, 0};
        // clang-format on
        QTest::newRow("swap BRG") << F::ColourSwap << 1 << Point << 0
                                  << Rgb{10, 31, 20, 200, 255, 1, 128, 0, 3, 2, 77, 255};
        QTest::newRow("swap GBR") << F::ColourSwap << 2 << Point << 0
                                  << Rgb{20, 10, 31, 1, 200, 255, 3, 128, 0, 255, 2, 77};
        QTest::newRow("swap RBG") << F::ColourSwap << 3 << Point << 0
                                  << Rgb{31, 10, 20, 255, 200, 1, 0, 128, 3, 77, 2, 255};
        QTest::newRow("swap BGR") << F::ColourSwap << 4 << Point << 0
                                  << Rgb{10, 20, 31, 200, 1, 255, 128, 3, 0, 2, 255, 77};
        QTest::newRow("swap GRB") << F::ColourSwap << 5 << Point << 0
                                  << Rgb{20, 31, 10, 1, 255, 200, 3, 0, 128, 255, 77, 2};
        QTest::newRow("swap 0") << F::ColourSwap << 0 << Point << 0 << Rgb{};
        QTest::newRow("swap 6") << F::ColourSwap << 6 << Point << 0 << Rgb{};
        // Running filters: (2, 1) sees the new value of (1, 1) on its left.
        QTest::newRow("sharpen") << F::Sharpen << 5 << Small << 1
                                 << Rgb{147, 170, 141, 133, 192, 102, 131, 155, 104, 122, 175, 125};
        QTest::newRow("edge") << F::Edge << 1 << Small << 1
                              << Rgb{187, 182, 212, 131, 226, 74, 126, 121, 104, 110, 183, 137};
        // (1, 1): red (115 + 120 + 95 + 105 + 125 + 120 + 125 + 120) \ 8 = 115.
        QTest::newRow("blur") << F::Blur << 0 << Small << 1
                              << Rgb{115, 160, 84, 114, 159, 90, 113, 158, 78, 109, 160, 85};
        // Black among white: 8 x 255 \ 8.
        QTest::newRow("blur of 3 x 3") << F::Blur << 0 << rgbPicture(3, {255, 255, 255, 255, 255, 255, 255, 255, 255,
                                                                         255, 255, 255, 0,   0,   0,   255, 255, 255,
                                                                         255, 255, 255, 255, 255, 255, 255, 255, 255})
                                       << 1 << Rgb{255, 255, 255};
        // 8C - S8 plus red 10, green 20, blue 30 of the colour.
        QTest::newRow("contour") << F::Contour << int(colourValue(10, 20, 30)) << Small << 1
                                 << Rgb{125, 55, 235, 80, 140, 80, 75, 10, 125, 55, 75, 170};
        QTest::newRow("relief") << F::Relief << 0 << Small << 1
                                << Rgb{97, 105, 57, 130, 102, 95, 115, 155, 92, 167, 142, 130};
        // Blocks of 3 x 3, 1 x 3, 3 x 1 and 1 x 1 from the top left.
        QTest::newRow("pixelize") << F::Pixelize << 3 << Small << 0
                                  << Rgb{117, 161, 87, 117, 161, 87, 117, 161, 87, 113, 163, 93,
                                         117, 161, 87, 117, 161, 87, 117, 161, 87, 113, 163, 93,
                                         117, 161, 87, 117, 161, 87, 117, 161, 87, 113, 163, 93,
                                         111, 146, 70, 111, 146, 70, 111, 146, 70, 95,  160, 110};
        QTest::newRow("aquarel") << F::Aquarel << 0 << Quadrants << 2
                                 << Rgb{160, 84, 72, 164, 63, 93, 160, 94, 82, 143, 80, 102};
        QTest::newRow("aquarel of 5 x 5") << F::Aquarel << 0 << Quadrants.copy(0, 0, 5, 5) << 2 << Rgb{160, 84, 72};
    }

    void everyFilterOnColouredPictures()
    {
        QFETCH(FilterKind, kind);
        QFETCH(int, parameter);
        QFETCH(QImage, input);
        QFETCH(int, margin);
        QFETCH(Rgb, rgb);
        QImage expected = input.convertToFormat(QImage::Format_RGB32);
        const int* c = rgb.constData();
        for (int y = margin; y < expected.height() - margin && !rgb.isEmpty(); ++y)
            for (int x = margin; x < expected.width() - margin; ++x, c += 3)
                expected.setPixel(x, y, qRgb(c[0], c[1], c[2]));
        QCOMPARE(filtered(input, kind, parameter), expected);
    }

    // Every channel sum from 0 to 765 grays to sum \ 3, whichever channels hold it. Brightness scales every
    // byte value by (p + 100) / 100 held in single precision, rounded half to even and clamped: the menu's
    // factors by multiplying, others (1.5 has ties) through the table.
    void grayscaleAndBrightnessOfEveryValue()
    {
        QImage sums(766, 1, QImage::Format_RGB32);
        for (int i = 0; i <= 765; ++i)
            sums.setPixel(i, 0, qRgb(std::min(i, 255), std::clamp(i - 510, 0, 255), std::clamp(i - 255, 0, 255)));
        const QImage gray = filtered(sums, F::Grayscale);
        for (int i = 0; i <= 765; ++i)
            QVERIFY2(gray.pixel(i, 0) == qRgb(i / 3, i / 3, i / 3), qPrintable(QString::number(i)));
        for (const int p : {20, -20, 50}) {
            const double f = double(float(p + 100) / 100.0f);
            const auto scaled = [f](int c) { return int(std::clamp(std::llrint(f * c), 0LL, 255LL)); };
            const QImage out = filtered(sums, F::Brightness, p);
            for (int i = 0; i <= 765; ++i) {
                const QRgb s = sums.pixel(i, 0);
                QVERIFY2(out.pixel(i, 0) == qRgb(scaled(qRed(s)), scaled(qGreen(s)), scaled(qBlue(s))),
                         qPrintable(QStringLiteral("%1 at %2").arg(p).arg(i)));
            }
        }
    }

    // The running filters against their plain form: in place, row by row, each interior channel becomes
    // (a x C - b x S8) \ d, clamped, with S8 its eight neighbours as they stand; on an odd size, with the menu's
    // parameters and with ones that make the divisor negative or the quotient table too large.
    void runningFiltersMatchTheirPlainForm()
    {
        // clang-format off
        const struct { FilterKind kind; int p, a, b, d; } runs[] = {
            {F::Sharpen, 5, 29, 2, 13}, {F::Sharpen, -20, 4, 2, -12}, {F::Sharpen, 20000, 20024, 2, 20008},
            {F::Blur, 0, 0, -1, 8}};
        // clang-format on
        for (const auto& [kind, p, a, b, d] : runs) {
            QImage plain = patternPicture(37, 11);
            for (int y = 1; y < 10; ++y)
                for (int x = 1; x < 36; ++x) {
                    int v[3] = {};
                    for (int c = 0; c < 3; ++c) {
                        const auto at = [&](int i, int j) { return int(plain.pixel(x + i, y + j) >> 8 * c & 0xFF); };
                        const int s8 =
                            at(-1, -1) + at(0, -1) + at(1, -1) + at(-1, 0) + at(1, 0) + at(-1, 1) + at(0, 1) + at(1, 1);
                        v[c] = std::clamp((a * at(0, 0) - b * s8) / d, 0, 255);
                    }
                    plain.setPixel(x, y, qRgb(v[2], v[1], v[0]));
                }
            QVERIFY2(filtered(patternPicture(37, 11), kind, p) == plain, qPrintable(QString::number(p)));
        }
    }

    void scatteredDiffusesTheErrorToBlackAndWhite()
    {
        // clang-format off
        const std::pair<QImage, const char*> cases[] = {
            // Gray 100, 200 and 0: threshold 100. The first pixel turns white with error -155; the second
            // gets (-155 x 8 \ 42) x 10 \ 15 = -19, and 181 stays white.
            {rgbPicture(3, {130, 100, 70, 180, 200, 220, 0, 0, 0}), "##."},
            // Gray 100 and 101: the threshold is 201 \ 2 = 100, and the second gets -19.
            {rgbPicture(2, {130, 100, 70, 131, 101, 71}), "#."},
            // Gray 50, 100, 128 and 128: threshold 101. The last pixel gets -149 x 4 \ 42 = -14 and
            // -143 x 8 \ 42 = -27, scaled -410 \ 15 = -27 (toward zero): 101 stays white.
            {rgbPicture(4, {70, 50, 30, 130, 100, 70, 100, 128, 156, 100, 128, 156}), ".###"},
            // The threshold of a black picture is 0, and 0 >= 0 everywhere.
            {picture(3, 2, Black), "###/###"},
            {rgbPicture(6, {
                250, 216, 194,  112, 114, 74,  164, 146, 110,  164, 126, 130,  200, 176, 164,  20, 20, 20,
                198, 186, 156,  152, 158, 110,  86, 48, 46,  124, 98, 78,  116, 98, 86,  76, 58, 46,
                156, 152, 112,  156, 148, 116,  124, 90, 86,  110, 104, 86,  118, 102, 80,  34, 24, 2,
                196, 184, 160,  162, 138, 120,  118, 100, 82,  150, 140, 130,  238, 226, 196,  250, 214, 196}),
             "#.###./##..../.#..#./##.###"},
            {rgbPicture(6, {
                70, 76, 34,  78, 54, 48,  20, 20, 20,  152, 150, 118,  76, 64, 40,  70, 62, 48,
                86, 58, 36,  90, 60, 30,  86, 60, 34,  122, 92, 86,  240, 228, 192,  20, 20, 20,
                78, 66, 36,  250, 204, 206,  154, 138, 128,  126, 86, 88,  130, 100, 70,  20, 20, 20,
                122, 90, 88,  110, 104, 86,  116, 98, 86,  130, 92, 78,  130, 90, 80,  74, 56, 50}),
             "...#../...##./.##.#./##...."},
        };
        // clang-format on
        for (const auto& [input, pattern] : cases)
            QCOMPARE(blackAndWhite(filtered(input, F::Scattered, 15)), QString::fromLatin1(pattern));
    }

    void noiseMovesEachChannelOnItsOwn()
    {
        // round(r x 101 - 50) for r in [0, 1): -50..51, a new draw for every channel.
        const QImage out = filtered(picture(60, 40, qRgb(100, 128, 160)), F::Noise, 50, 42);
        int lowest = 0, highest = 0, apart = 0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb p = out.pixel(x, y);
                const int d[3] = {qRed(p) - 100, qGreen(p) - 128, qBlue(p) - 160};
                lowest = std::min({lowest, d[0], d[1], d[2]});
                highest = std::max({highest, d[0], d[1], d[2]});
                apart += d[0] != d[1] && d[1] != d[2];
            }
        QVERIFY(lowest >= -50);
        QVERIFY(lowest <= -45);
        QVERIFY(highest <= 51);
        QVERIFY(highest >= 45);
        QVERIFY(apart > 60 * 40 / 2);
    }

    // Each pixel takes what a pixel within 3 holds at that moment: the new value of one
    // already visited, or the source value of one not yet visited.
    void defuseTakesEachPixelFromWithinThree()
    {
        QImage source(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                source.setPixel(x, y, qRgb(x, y, 7));
        const QImage out = filtered(source, F::Defuse, 6, 99);
        // Pixels of column 0 and of row 0 that moved, and values of column 0 and of row 0 found elsewhere.
        int farthest = 0, edges[5] = {};
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                bool found = false;
                for (int ny = std::max(0, y - 3); ny <= std::min(29, y + 3); ++ny)
                    for (int nx = std::max(0, x - 3); nx <= std::min(39, x + 3); ++nx) {
                        const bool visited = ny < y || (ny == y && nx < x);
                        if (out.pixel(x, y) == (visited ? out : source).pixel(nx, ny)) {
                            found = true;
                            farthest = visited ? farthest : std::max({farthest, std::abs(nx - x), std::abs(ny - y)});
                        }
                    }
                QVERIFY2(found, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                const bool moved = out.pixel(x, y) != source.pixel(x, y);
                edges[0] += !x && moved;
                edges[1] += !y && moved;
                edges[2] += x && !qRed(out.pixel(x, y));
                edges[3] += y && !qGreen(out.pixel(x, y));
                edges[4] += qGreen(out.pixel(x, y)) > y; // from a row below
            }
        QCOMPARE(farthest, 3);
        QVERIFY(edges[0]);
        QVERIFY(edges[1]);
        QVERIFY(edges[2]);
        QVERIFY(edges[3]);
        QVERIFY(edges[4]);
    }

    // The menus' parameters, and the progress each filter reports on a picture of 6 rows.
    void progressAndTheFourthByte_data()
    {
        const QList<int> everyRow{0, 16, 33, 50, 66, 83, 100, 100}, interior{0, 33, 50, 66, 83, 100};
        QTest::addColumn<FilterKind>("kind");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QList<int>>("progress");
        QTest::newRow("grayscale") << F::Grayscale << 0 << everyRow;
        QTest::newRow("negative") << F::Negative << 0 << everyRow;
        QTest::newRow("brightness") << F::Brightness << 20 << everyRow;
        QTest::newRow("swap") << F::ColourSwap << 1 << everyRow;
        QTest::newRow("swap 0") << F::ColourSwap << 0 << everyRow;
        QTest::newRow("noise") << F::Noise << 50 << everyRow;
        QTest::newRow("pixelize") << F::Pixelize << 3 << everyRow;
        QTest::newRow("defuse") << F::Defuse << 6 << everyRow;
        QTest::newRow("sharpen") << F::Sharpen << 5 << interior;
        QTest::newRow("edge") << F::Edge << 1 << interior;
        QTest::newRow("blur") << F::Blur << 0 << interior;
        QTest::newRow("contour") << F::Contour << 0xFFFFFF << interior;
        QTest::newRow("relief") << F::Relief << 0 << interior;
        // y x 95 \ H + 5
        QTest::newRow("contrast") << F::Contrast << 10 << QList<int>{0, 5, 20, 36, 52, 68, 84, 100, 100};
        // y x 90 \ H + 10
        QTest::newRow("scattered") << F::Scattered << 15 << QList<int>{3, 10, 25, 40, 55, 70, 85, 100, 100};
        // rows 3..H-2
        QTest::newRow("aquarel") << F::Aquarel << 0 << QList<int>{0, 50, 66, 100};
    }

    // The progress each filter reports, and the fourth byte of every pixel, which no filter touches.
    void progressAndTheFourthByte()
    {
        QFETCH(FilterKind, kind);
        QFETCH(int, parameter);
        QFETCH(QList<int>, progress);
        QImage source = patternPicture(5, 6).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 5; ++x)
                source.setPixel(x, y, (source.pixel(x, y) & 0xFFFFFF) | QRgb((x * 40 + y * 90) % 256) << 24);
        QImage image = source;
        QList<int> values;
        FilterEngine(1).PasFilterToe(kind, image, parameter, [&](int v) { values << v; });
        QCOMPARE(values, progress);
        for (int i = 0; i < 30; ++i)
            QVERIFY2(qAlpha(image.pixel(i % 5, i / 5)) == qAlpha(source.pixel(i % 5, i / 5)),
                     qPrintable(QString::number(i)));
    }

    void aSecondRequestDuringARunDoesNothing()
    {
        FilterEngine engine(1);
        QImage image = picture(4, 4, qRgb(30, 60, 90)), other = image;
        bool busyDuringRun = false;
        engine.PasFilterToe(F::Grayscale, image, 0, [&](int) {
            busyDuringRun = engine.bezig();
            engine.PasFilterToe(F::Negative, other, 0, {});
            engine.PasFilterToe(F::Negative, image, 0, {});
        });
        QVERIFY(busyDuringRun);
        QVERIFY(!engine.bezig());
        QCOMPARE(other, picture(4, 4, qRgb(30, 60, 90)));
        QCOMPARE(image, picture(4, 4, qRgb(60, 60, 60)));
        // The engine's table keeps what the last filter put in it; a filter that needs the gray table fills it
        // anew, its first entry too.
        engine.PasFilterToe(F::Contrast, image, 10, {});
        const QImage dark = rgbPicture(3, {0, 0, 0, 4, 5, 6, 2, 2, 1}); // the mean gray 2 is no longer 0 \ 3 away
        QImage scattered = dark;
        engine.PasFilterToe(F::Scattered, scattered, 15, {});
        QCOMPARE(scattered, filtered(dark, F::Scattered, 15));
    }
};

QTEST_GUILESS_MAIN(TestFilterEngine)
#include "test_filter_engine.moc"
