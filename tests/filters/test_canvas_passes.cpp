// The passes on the canvas picture (flips, sepia, transparant, border), the
// menu entries as commands and the named operations of the command line.

#include "app/colour.h"
#include "filter_pictures.h"
#include "filters/canvas_operations.h"
#include "filters/canvas_passes.h"

#include <QtTest>

using namespace filtertest;

class TestCanvasPasses : public QObject
{
    Q_OBJECT

    static QImage canvas() { return patternPicture(500, 260); }

    static bool columnEqual(const QImage& a, int xa, const QImage& b, int xb)
    {
        for (int y = 0; y < a.height(); ++y)
            if (a.pixel(xa, y) != b.pixel(xb, y))
                return false;
        return true;
    }

    static bool rowEqual(const QImage& a, int ya, const QImage& b, int yb)
    {
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, ya) != b.pixel(x, yb))
                return false;
        return true;
    }

    static QImage run(const CanvasCommand& command, QImage image, int r = 0, int g = 0, int b = 0)
    {
        FilterEngine engine(1);
        CanvasContext context{engine, r, g, b, {}, {}, nullptr};
        runCanvasCommand(command, image, context);
        return image;
    }

private Q_SLOTS:
    void wholeFlipsMirrorAndTwiceRestore()
    {
        const QImage source = canvas();
        QImage h = source;
        FlipHorizontaal(h);
        QVERIFY(columnEqual(h, 0, source, 499));
        QVERIFY(columnEqual(h, 321, source, 178));
        FlipHorizontaal(h);
        QCOMPARE(h, source);

        QImage v = source;
        FlipVertikaal(v);
        QVERIFY(rowEqual(v, 0, source, 259));
        QVERIFY(rowEqual(v, 130, source, 129));
        FlipVertikaal(v);
        QCOMPARE(v, source);
    }

    void flipRechtsMirrorsTheLeftHalf()
    {
        const QImage source = canvas();
        QImage out = source;
        QList<int> bar;
        FlipRechts(out, [&](int v) { bar << v; });
        QVERIFY(columnEqual(out, 499, source, 1));
        QVERIFY(columnEqual(out, 251, source, 249));
        QVERIFY(columnEqual(out, 250, source, 250));
        for (int x = 0; x < 250; ++x)
            QVERIFY(columnEqual(out, x, source, x));
        // After each column x = 0..250 the bar shows x x 100 \ 249, and 0 at the end.
        QCOMPARE(bar.size(), 252);
        QCOMPARE(bar.mid(0, 4), (QList<int>{0, 0, 0, 1}));
        QCOMPARE(bar.mid(248), (QList<int>{99, 100, 100, 0}));
    }

    void flipBovenMirrorsTheTopHalf()
    {
        const QImage source = canvas();
        QImage out = source;
        QList<int> bar;
        FlipBoven(out, [&](int v) { bar << v; });
        QVERIFY(rowEqual(out, 259, source, 1));
        QVERIFY(rowEqual(out, 131, source, 129));
        QVERIFY(rowEqual(out, 130, source, 130));
        for (int y = 0; y < 130; ++y)
            QVERIFY(rowEqual(out, y, source, y));
        QCOMPARE(bar.size(), 501);
        QCOMPARE(bar.at(499), 100);
        QCOMPARE(bar.at(250), 50);
        QCOMPARE(bar.last(), 0);
    }

    void sepiaTintsGrayValues()
    {
        QImage gray = picture(500, 260, qRgb(255, 255, 255));
        const QList<std::pair<int, QRgb>> cases{{100, qRgb(100, 60, 20)}, {60, qRgb(60, 20, 20)},
                                                {30, qRgb(30, 10, 0)},    {0, qRgb(0, 0, 0)},
                                                {80, qRgb(80, 40, 0)}};
        for (int i = 0; i < cases.size(); ++i)
            gray.setPixel(10 + i, 20, qRgb(cases[i].first, cases[i].first, cases[i].first));
        QList<int> bar;
        SepiaKleuren(gray, [&](int v) { bar << v; });
        QCOMPARE(gray.pixel(0, 0), qRgb(255, 215, 175));
        QCOMPARE(gray.pixel(499, 259), qRgb(255, 215, 175));
        for (int i = 0; i < cases.size(); ++i)
            QCOMPARE(gray.pixel(10 + i, 20), cases[i].second);
        QCOMPARE(bar.size(), 501);
        QCOMPARE(bar.at(499), 100);
        QCOMPARE(bar.last(), 0);
    }

    void transparantLaysACheckerboard()
    {
        const QImage source = canvas();
        QImage out = source;
        QList<int> bar;
        TransparantRaster(out, [&](int v) { bar << v; }, 0, 0, 0);
        const QRgb black = qRgb(0, 0, 0);
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(2, 0), QPoint(3, 1), QPoint(498, 258), QPoint(499, 259)})
            QCOMPARE(out.pixel(p), black);
        for (const QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(499, 258), QPoint(498, 259)})
            QCOMPARE(out.pixel(p), source.pixel(p));
        int covered = 0;
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 500; ++x)
                covered += out.pixel(x, y) != source.pixel(x, y) || ((x + y) % 2 == 0 && out.pixel(x, y) == black);
        QCOMPARE(covered, 500 * 260 / 2);
        QCOMPARE(bar.size(), 251);
        QCOMPARE(bar.at(249), 99); // x = 498
        QCOMPARE(bar.last(), 0);
    }

    void transparantComposesItsColour()
    {
        QImage out = picture(500, 260, qRgb(255, 255, 255));
        TransparantRaster(out, {}, 200, 100, 50);
        QCOMPARE(out.pixel(2, 2), qRgb(200, 100, 50));
        // Red 256 carries into green, as a composed colour value does.
        TransparantRaster(out, {}, 256, 0, 0);
        QCOMPARE(out.pixel(2, 2), qRgb(0, 1, 0));
    }

    void bordersDrawNPlusOneOutlines()
    {
        const QImage source = canvas();
        QImage ten = source;
        drawWhiteBorder(ten, 10);
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(ten.pixel(10, 10), white);
        QCOMPARE(ten.pixel(489, 249), white);
        QCOMPARE(ten.pixel(250, 0), white);
        QCOMPARE(ten.pixel(0, 130), white);
        QCOMPARE(ten.pixel(11, 11), source.pixel(11, 11));
        QCOMPARE(ten.pixel(488, 248), source.pixel(488, 248));
        QCOMPARE(ten.pixel(250, 11), source.pixel(250, 11));

        QImage one = source;
        drawWhiteBorder(one, 1);
        QCOMPARE(one.pixel(1, 100), white);
        QCOMPARE(one.pixel(2, 100), source.pixel(2, 100));
        QImage again = one;
        drawWhiteBorder(again, 1);
        QCOMPARE(again, one);
    }

    void menuEntriesAsCommands()
    {
        QVERIFY(!EditConvertCommand(5));
        QVERIFY(!EditConvertCommand(8));
        QVERIFY(!EditConvertCommand(18));
        QVERIFY(!EditConvertCommand(-1));
        QCOMPARE(*EditConvertCommand(15), (CanvasCommand{CanvasPass::Filter, FilterKind::Contour, 0xFFFFFF}));
        QCOMPARE(*EditConvertCommand(3), (CanvasCommand{CanvasPass::Filter, FilterKind::Brightness, -20}));
        QCOMPARE(*EditConvertCommand(9), (CanvasCommand{CanvasPass::Filter, FilterKind::Scattered, 15}));
        QCOMPARE(EditConvertCommand(16)->pass, CanvasPass::Sepia);
        QCOMPARE(*EditContrastConvertCommand(2), (CanvasCommand{CanvasPass::Filter, FilterKind::Contrast, -10}));
        QVERIFY(!EditContrastConvertCommand(0) && !EditContrastConvertCommand(3));
        QVERIFY(!EditSwapCommand(0) && !EditSwapCommand(6));
        QCOMPARE(EditSwapCommand(5)->parameter, 5);
        QVERIFY(!EditFlipConvertCommand(4));
        QVERIFY(!EditBordersBreedteCommand(3) && !EditBordersBreedteCommand(0));
        QCOMPARE(EditBordersBreedteCommand(10)->parameter, 10);
        QVERIFY(usesProgBar(*EditConvertCommand(17)) && !usesEngine(*EditConvertCommand(17)));
        QVERIFY(usesProgBar(*EditConvertCommand(16)) && usesEngine(*EditConvertCommand(16)));
        QVERIFY(!usesProgBar(*EditFlipConvertCommand(0)) && usesProgBar(*EditFlipConvertCommand(3)));
    }

    void sepiaCommandGraysFirst()
    {
        QCOMPARE(run(*EditConvertCommand(16), picture(500, 260, qRgb(255, 255, 255))).pixel(7, 7), qRgb(255, 215, 175));
        // (200 + 100 + 30) \ 3 = 110, tinted.
        QCOMPARE(run(*EditConvertCommand(16), picture(500, 260, qRgb(200, 100, 30))).pixel(7, 7), qRgb(110, 70, 30));
        QCOMPARE(run(*EditConvertCommand(17), picture(500, 260, qRgb(255, 255, 255)), 0, 0, 255).pixel(0, 0),
                 qRgb(0, 0, 255));
    }

    void namedOperations()
    {
        QStringList names;
        for (const NamedCanvasOperation& operation : filterOperations()) {
            names << operation.name;
            QCOMPARE(operation.anySize, names.size() <= 21); // through "noise"
        }
        QCOMPARE(names, QStringList({"grayscale", "negative", "light", "dark", "contrast-positive", "contrast-negative",
                                     "swap-brg", "swap-gbr", "swap-rbg", "swap-bgr", "swap-grb", "sharpen", "edge",
                                     "blur", "contour", "relief", "pixelize", "defuse", "scattered", "aquarel",
                                     "noise", "sepia", "transparant", "flip-horizontal", "flip-vertical",
                                     "flip-right", "flip-top", "border-1", "border-2", "border-5", "border-10"}));
        const CanvasOperationsRegistration registration(filterOperations());
        const NamedCanvasOperation* dark = findCanvasOperation(QStringLiteral("dark"));
        QVERIFY(dark);
        QImage image = picture(3, 3, qRgb(255, 255, 255));
        FilterEngine engine(1);
        CanvasContext context{engine, 0, 0, 0, {}, {}, nullptr};
        dark->run(image, context);
        QCOMPARE(image.pixel(1, 1), qRgb(204, 204, 204));
        QVERIFY(!findCanvasOperation(QStringLiteral("Dark")));
    }
};

QTEST_GUILESS_MAIN(TestCanvasPasses)
#include "test_canvas_passes.moc"
