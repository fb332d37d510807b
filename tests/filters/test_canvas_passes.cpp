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

} // namespace

class TestCanvasPasses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
            {qRgb(60, 60, 60), qRgb(60, 20, 20)},     {qRgb(30, 30, 30), qRgb(30, 10, 0)},
            {qRgb(0, 0, 0), qRgb(0, 0, 0)},           {qRgb(200, 100, 30), qRgb(200, 60, 50)},
            {qRgb(50, 100, 0), qRgb(50, 0, 0)},       {qRgb(60, 100, 140), qRgb(60, 60, 60)}, // equal is kept
            {qRgb(100, 10, 200), qRgb(100, 30, 0)}};
        QImage image = picture(500, 260, White);
        for (int i = 0; i < int(std::size(cases)); ++i)
            image.setPixel(10 + i, 20, cases[i].first);
        QList<int> values;
        SepiaKleuren(image, [&](int p) { values << p; });
        for (int i = 0; i < int(std::size(cases)); ++i)
            QCOMPARE(image.pixel(10 + i, 20), cases[i].second);
        QVERIFY(image.pixel(0, 0) == qRgb(255, 215, 175) && image.pixel(499, 259) == qRgb(255, 215, 175));
        QCOMPARE(bar(values), (QList<int>{501, 0, 0, 0, 0, 50, 99, 99, 100, 0}));
    }

    // Every menu entry as a command, one past each end of every menu, and the name that runs the entry
    // from the command line.
    void menuEntriesAndTheirNames()
    {
        using Menu = std::optional<CanvasCommand> (*)(int);
        const Menu convert = EditConvertCommand, contrast = EditContrastConvertCommand, swap = EditSwapCommand,
                   flip = EditFlipConvertCommand, border = EditBordersBreedteCommand;
        const auto frame = [](int n) { return pass(CanvasPass::Border, n); };
        // clang-format off
        const std::tuple<const char*, Menu, int, std::optional<CanvasCommand>> entries[] = {
            {"grayscale", convert, 0, filter(F::Grayscale)},       {"negative", convert, 1, filter(F::Negative)},
            {"light", convert, 2, filter(F::Brightness, 20)},      {"dark", convert, 3, filter(F::Brightness, -20)},
            {"contrast-positive", contrast, 1, filter(F::Contrast, 10)},
            {"contrast-negative", contrast, 2, filter(F::Contrast, -10)},
            {"swap-brg", swap, 1, filter(F::ColourSwap, 1)},       {"swap-gbr", swap, 2, filter(F::ColourSwap, 2)},
            {"swap-rbg", swap, 3, filter(F::ColourSwap, 3)},       {"swap-bgr", swap, 4, filter(F::ColourSwap, 4)},
            {"swap-grb", swap, 5, filter(F::ColourSwap, 5)},       {"sharpen", convert, 4, filter(F::Sharpen, 5)},
            {"edge", convert, 14, filter(F::Edge, 1)},             {"blur", convert, 10, filter(F::Blur)},
            {"contour", convert, 15, filter(F::Contour, 0xFFFFFF)}, {"relief", convert, 7, filter(F::Relief)},
            {"pixelize", convert, 6, filter(F::Pixelize, 3)},      {"defuse", convert, 12, filter(F::Defuse, 6)},
            {"scattered", convert, 9, filter(F::Scattered, 15)},   {"aquarel", convert, 11, filter(F::Aquarel)},
            {"noise", convert, 13, filter(F::Noise, 50)},          {"sepia", convert, 16, pass(CanvasPass::Sepia)},
            {"transparant", convert, 17, pass(CanvasPass::Transparant)},
            {"flip-horizontal", flip, 0, pass(CanvasPass::FlipHorizontaal)},
            {"flip-vertical", flip, 1, pass(CanvasPass::FlipVertikaal)},
            {"flip-right", flip, 2, pass(CanvasPass::FlipRechts)}, {"flip-top", flip, 3, pass(CanvasPass::FlipBoven)},
            {"border-1", border, 1, frame(1)}, {"border-2", border, 2, frame(2)}, {"border-5", border, 5, frame(5)},
            {"border-10", border, 10, frame(10)},
            // No command: the submenus "Contrast" and "Swap Colors", and one past the ends.
            {nullptr, convert, 5, {}}, {nullptr, convert, 8, {}}, {nullptr, convert, -1, {}}, {nullptr, convert, 18, {}},
            {nullptr, contrast, 0, {}}, {nullptr, contrast, 3, {}}, {nullptr, swap, 0, {}}, {nullptr, swap, 6, {}},
            {nullptr, flip, -1, {}}, {nullptr, flip, 4, {}}, {nullptr, border, 0, {}}, {nullptr, border, 3, {}},
            {nullptr, border, 11, {}}};
        // clang-format on
        const CanvasOperationsRegistration registration(filterOperations());
        for (int i = 0; i < int(std::size(entries)); ++i) {
            const auto& [name, menu, index, command] = entries[i];
            QVERIFY2(menu(index) == command, qPrintable(QString::number(i)));
            if (!name)
                continue;
            // Registered in this order; the filters of the engine, through "noise", take any size.
            const NamedCanvasOperation* operation = findCanvasOperation(QLatin1String(name));
            QVERIFY2(operation == &NamedCanvasOperations().at(i) && operation->anySize == (i < 21), name);
            QImage byName = Canvas;
            FilterEngine engine(5);
            CanvasContext context{engine, 0, 0, 0, {}, {}, nullptr};
            operation->run(byName, context);
            QVERIFY2(byName == run(*command, Canvas), name);
        }
        QCOMPARE(NamedCanvasOperations().size(), std::size_t(31));
        QVERIFY(!findCanvasOperation(QStringLiteral("Dark")));
        // Sepia grays first: (200 + 100 + 30) \ 3 = 110, tinted; Transparant takes the draw colour.
        QCOMPARE(run(*pass(CanvasPass::Sepia), picture(500, 260, qRgb(200, 100, 30))).pixel(7, 7), qRgb(110, 70, 30));
        QCOMPARE(run(*pass(CanvasPass::Transparant), Canvas, 0, 0, 255).pixel(2, 2), qRgb(0, 0, 255));
    }
};

QTEST_GUILESS_MAIN(TestCanvasPasses)
#include "test_canvas_passes.moc"
