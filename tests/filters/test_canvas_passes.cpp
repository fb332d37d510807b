// The passes on the canvas picture (the flips, the sepia tint, Transparant and
// the border), the filter menus as commands and the named operations of the
// command line.

#include "filter_pictures.h"
#include "filters/canvas_operations.h"
#include "filters/canvas_passes.h"

#include <QtTest>

#include <optional>

using namespace filtertest;
using F = FilterKind;

namespace {

const QImage Canvas = patternPicture(500, 260);
const QRgb White = qRgb(255, 255, 255);

QImage run(const CanvasCommand& command, QImage image, int r = 0, int g = 0, int b = 0)
{
    FilterEngine engine(5);
    CanvasContext context{engine, r, g, b, {}, {}, nullptr};
    runCanvasCommand(command, image, context);
    return image;
}

std::optional<CanvasCommand> filter(FilterKind kind, int parameter = 0)
{
    return CanvasCommand{CanvasPass::Filter, kind, parameter};
}

std::optional<CanvasCommand> pass(CanvasPass pass, int parameter = 0)
{
    return CanvasCommand{pass, FilterKind::Grayscale, parameter};
}

// The number of values the bar showed, its first four, the middle one and its last four.
QList<int> bar(const QList<int>& values)
{
    return QList<int>{int(values.size())} + values.mid(0, 4) + values.mid(values.size() / 2, 1) +
           values.mid(values.size() - 4);
}

using Menu = std::function<std::optional<CanvasCommand>(int)>;

} // namespace

class TestCanvasPasses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The names register once, as the command-line tool does at its start.
    void initTestCase() { const CanvasOperationsRegistration registration(filterOperations()); }

    void passesOnTheCanvas()
    {
        // The horizontal flip starts from 24 bits: a pass works on 32 bits whatever it is given.
        QImage h = Canvas.convertToFormat(QImage::Format_RGB888), v = Canvas, right = Canvas, top = Canvas,
               veil = Canvas, ten = Canvas, one = Canvas;
        QList<int> rightBar, topBar, veilBar;
        FlipHorizontaal(h);
        FlipVertikaal(v);
        FlipRechts(right, [&](int p) { rightBar << p; });
        FlipBoven(top, [&](int p) { topBar << p; });
        TransparantRaster(
            veil, [&](int p) { veilBar << p; }, 200, 100, 50);
        drawWhiteBorder(ten, 10);
        drawWhiteBorder(one, 1);
        const QImage* out[] = {&h, &v, &right, &top, &veil, &ten, &one};
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 500; ++x) {
                // Columns 251..499 receive 249..1, rows 131..259 rows 129..1; the veil covers (x, y) and
                // (x + 1, y + 1) of every 2 x 2 cell from an even column and row; n + 1 white outlines.
                const QRgb c = Canvas.pixel(x, y);
                const int edge = std::min({x, y, 499 - x, 259 - y});
                // clang-format off
                const QRgb expected[] = {Canvas.pixel(499 - x, y), Canvas.pixel(x, 259 - y),
                                         Canvas.pixel(x > 250 ? 500 - x : x, y), Canvas.pixel(x, y > 130 ? 260 - y : y),
                                         (x + y) % 2 ? c : qRgb(200, 100, 50), edge <= 10 ? White : c, edge <= 1 ? White : c};
                // clang-format on
                for (int i = 0; i < 7; ++i)
                    if (out[i]->pixel(x, y) != expected[i])
                        QFAIL(qPrintable(QStringLiteral("pass %1 at %2,%3").arg(i).arg(x).arg(y)));
            }
        // After each column x it visits: x x 100 \ 249 for x = 0..250, x x 100 \ 499 for the others; then 0.
        QCOMPARE(bar(rightBar), (QList<int>{252, 0, 0, 0, 1, 50, 99, 100, 100, 0}));
        QCOMPARE(bar(topBar), (QList<int>{501, 0, 0, 0, 0, 50, 99, 99, 100, 0}));
        QCOMPARE(bar(veilBar), (QList<int>{251, 0, 0, 0, 1, 50, 98, 99, 99, 0})); // x = 0, 2, .., 498
    }

    // Red v, green |g - 40| and blue |b - 80|, each 0 when it would exceed the channel before.
    void sepiaTint()
    {
        const std::pair<QRgb, QRgb> cases[] = {
            {qRgb(100, 100, 100), qRgb(100, 60, 20)}, {qRgb(80, 80, 80), qRgb(80, 40, 0)},
            {qRgb(0, 0, 0), qRgb(0, 0, 0)},           {qRgb(50, 100, 0), qRgb(50, 0, 0)},
            {qRgb(60, 100, 140), qRgb(60, 60, 60)}, // equal is kept
            {qRgb(100, 10, 200), qRgb(100, 30, 0)}};
        QImage image = picture(500, 260, White);
        for (int i = 0; i < int(std::size(cases)); ++i)
            image.setPixel(10 + i, 20, cases[i].first);
        QList<int> values;
        SepiaKleuren(image, [&](int p) { values << p; });
        for (int i = 0; i < int(std::size(cases)); ++i)
            QCOMPARE(image.pixel(10 + i, 20), cases[i].second);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 215, 175));
        QCOMPARE(image.pixel(499, 259), qRgb(255, 215, 175));
        QCOMPARE(bar(values), (QList<int>{501, 0, 0, 0, 0, 50, 99, 99, 100, 0}));
        // As a command Sepia grays first: (200 + 100 + 30) \ 3 = 110, tinted; Transparant takes the draw colour.
        QCOMPARE(run(*pass(CanvasPass::Sepia), picture(500, 260, qRgb(200, 100, 30))).pixel(7, 7), qRgb(110, 70, 30));
        QCOMPARE(run(*pass(CanvasPass::Transparant), Canvas, 0, 0, 255).pixel(2, 2), qRgb(0, 0, 255));
    }

    // Menu entries and the names that run them from the command line (the row's name): a filter of each menu
    // (the filters of the engine take any size), every pass (only the canvas's size), and of the swaps and the
    // borders, which share one branch, the first and the last.
    void menuEntriesAndTheirNames_data()
    {
        const Menu convert = EditConvertCommand, contrast = EditContrastConvertCommand, swap = EditSwapCommand,
                   flip = EditFlipConvertCommand, border = EditBordersBreedteCommand;
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<int>("index");
        QTest::addColumn<CanvasCommand>("command");
        QTest::newRow("grayscale") << convert << 0 << *filter(F::Grayscale);
        QTest::newRow("negative") << convert << 1 << *filter(F::Negative);
        QTest::newRow("light") << convert << 2 << *filter(F::Brightness, 20);
        QTest::newRow("dark") << convert << 3 << *filter(F::Brightness, -20);
        QTest::newRow("contrast-positive") << contrast << 1 << *filter(F::Contrast, 10);
        QTest::newRow("contrast-negative") << contrast << 2 << *filter(F::Contrast, -10);
        QTest::newRow("swap-brg") << swap << 1 << *filter(F::ColourSwap, 1);
        QTest::newRow("swap-gbr") << swap << 2 << *filter(F::ColourSwap, 2);
        QTest::newRow("swap-rbg") << swap << 3 << *filter(F::ColourSwap, 3);
        QTest::newRow("swap-bgr") << swap << 4 << *filter(F::ColourSwap, 4);
        QTest::newRow("swap-grb") << swap << 5 << *filter(F::ColourSwap, 5);
        QTest::newRow("sharpen") << convert << 4 << *filter(F::Sharpen, 5);
        QTest::newRow("edge") << convert << 14 << *filter(F::Edge, 1);
        QTest::newRow("blur") << convert << 10 << *filter(F::Blur);
        QTest::newRow("contour") << convert << 15 << *filter(F::Contour, 0xFFFFFF);
        QTest::newRow("relief") << convert << 7 << *filter(F::Relief);
        QTest::newRow("pixelize") << convert << 6 << *filter(F::Pixelize, 3);
        QTest::newRow("defuse") << convert << 12 << *filter(F::Defuse, 6);
        QTest::newRow("scattered") << convert << 9 << *filter(F::Scattered, 15);
        QTest::newRow("aquarel") << convert << 11 << *filter(F::Aquarel);
        QTest::newRow("noise") << convert << 13 << *filter(F::Noise, 50);
        QTest::newRow("sepia") << convert << 16 << *pass(CanvasPass::Sepia);
        QTest::newRow("transparant") << convert << 17 << *pass(CanvasPass::Transparant);
        QTest::newRow("flip-horizontal") << flip << 0 << *pass(CanvasPass::FlipHorizontaal);
        QTest::newRow("flip-vertical") << flip << 1 << *pass(CanvasPass::FlipVertikaal);
        QTest::newRow("flip-right") << flip << 2 << *pass(CanvasPass::FlipRechts);
        QTest::newRow("flip-top") << flip << 3 << *pass(CanvasPass::FlipBoven);
        QTest::newRow("border-1") << border << 1 << *pass(CanvasPass::Border, 1);
        QTest::newRow("border-2") << border << 2 << *pass(CanvasPass::Border, 2);
        QTest::newRow("border-5") << border << 5 << *pass(CanvasPass::Border, 5);
        QTest::newRow("border-10") << border << 10 << *pass(CanvasPass::Border, 10);
    }

    void menuEntriesAndTheirNames()
    {
        QFETCH(Menu, menu);
        QFETCH(int, index);
        QFETCH(CanvasCommand, command);
        QVERIFY(menu(index) == command);
        const NamedCanvasOperation* operation = findCanvasOperation(QLatin1String(QTest::currentDataTag()));
        QVERIFY(operation);
        QCOMPARE(operation->anySize, command.pass == CanvasPass::Filter);
        QImage byName = Canvas;
        FilterEngine engine(5);
        CanvasContext context{engine, 0, 0, 0, {}, {}, nullptr};
        operation->run(byName, context);
        QCOMPARE(byName, run(command, Canvas));
    }

    // No command for the submenus "Contrast" and "Swap Colors" and one past the ends of every menu; no name
    // beyond the menus' own.
    void noCommandBesideTheEntries()
    {
        // clang-format off
        const std::pair<Menu, QList<int>> outside[] = {
            {EditConvertCommand, {5, 8, -1, 18}}, {EditContrastConvertCommand, {0, 3}}, {EditSwapCommand, {0, 6}},
            {EditFlipConvertCommand, {-1, 4}},    {EditBordersBreedteCommand, {0, 3, 11}}};
        // clang-format on
        for (const auto& [menu, indices] : outside)
            for (int index : indices)
                QVERIFY2(!menu(index), qPrintable(QString::number(index)));
        QCOMPARE(NamedCanvasOperations().size(), std::size_t(31));
        QVERIFY(!findCanvasOperation(QStringLiteral("Dark")));
    }
};

QTEST_GUILESS_MAIN(TestCanvasPasses)
#include "test_canvas_passes.moc"
