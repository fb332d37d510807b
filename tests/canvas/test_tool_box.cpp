// The canvas document and the twelve drawing tools on it. The history: each
// change or stroke one step, undone and redone to the exact picture, drawing
// outside a command kept as a step of its own, pictures fitted to the canvas,
// and nothing accepted while a command runs. The tools: what a press, left-button
// moves and a release paint, pixel by pixel in the draw and fill colours, and
// when they paint nothing.

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "canvas/tool_box.h"
#include "common/pixels.h"
#include "filters/filter_pictures.h"

#include <QSignalSpy>
#include <QtTest>

using filtertest::patternPicture;

namespace {

const QRgb White = qRgb(255, 255, 255), Draw = qRgb(200, 30, 90), Fill = qRgb(20, 140, 230);
const QImage Blank = filtertest::picture(500, 260, White);

QStringList steps(const CanvasDocument& d)
{
    QStringList names;
    for (int i = 0; i < d.undoStack().count(); ++i)
        names << d.undoStack().text(i);
    return names;
}

// Random fractions from a list.
struct ScriptedRandom : RandomSource
{
    QList<double> fractions;
    void reseed() override {}
    double fraction() override { return fractions.takeFirst(); }
};

// A white canvas with the draw colour Draw and the fill colour Fill.
struct Canvas
{
    ApplicationState state;
    CanvasDocument document;
    ToolBox tools{state, document};
    ScriptedRandom* random = new ScriptedRandom; // owned by the tools
    int photoCalls = 0;

    explicit Canvas(int tool)
    {
        state.Gereedschap = ToolMode(tool);
        state.TekenR = qRed(Draw), state.TekenG = qGreen(Draw), state.TekenB = qBlue(Draw);
        state.VulR = qRed(Fill), state.VulG = qGreen(Fill), state.VulB = qBlue(Fill);
        tools.setFotoLaden([this](double, double, double, double) { ++photoCalls; });
        tools.setRandom(std::unique_ptr<RandomSource>(random));
    }
    // Press at the first point, move through the others, release at the last.
    void drag(const QList<QPointF>& path, int width = 1, Qt::MouseButton button = Qt::LeftButton)
    {
        tools.mouseDown(button, path.first(), width);
        for (QPointF p : path.mid(1))
            tools.mouseMove(button, p);
        tools.mouseUp(button, path.last());
    }
    int count(QRgb colour) const { return countColour(document.image(), colour); }
};

} // namespace

class TestToolBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void undoAndRedoRestoreEveryPicture()
    {
        CanvasDocument d;
        QList<QImage> pictures = {d.image().copy()};
        QVERIFY(d.replace("Open Velletje", patternPicture(500, 260)));
        pictures << d.image().copy();
        // Two far-apart pixels in one step, one on the top row.
        QVERIFY(d.change("Punten", [](QImage& image) { image.setPixel(20, 0, 0), image.setPixel(480, 250, Fill); }));
        pictures << d.image().copy();
        d.beginStroke("Tekenen");
        d.surface().line(QPointF(0, 100), QPointF(499, 100), Draw);
        d.endStroke();
        pictures << d.image().copy();
        QCOMPARE(steps(d), QStringList({"Open Velletje", "Punten", "Tekenen"}));
        const auto undo = [&](int picture) { return d.undo(), d.image() == pictures[picture]; };
        const auto redo = [&](int picture) { return d.redo(), d.image() == pictures[picture]; };
        QVERIFY(undo(2) && undo(1) && undo(0) && !d.undoStack().canUndo());
        QVERIFY(redo(1) && redo(2) && redo(3) && !d.undoStack().canRedo());
    }

    // Only real changes become steps; drawing straight on the picture becomes a step of its own
    // before the next one; a command or an undo closes an open stroke first.
    void whatBecomesAStep()
    {
        CanvasDocument d;
        QSignalSpy changed(&d, &CanvasDocument::changed);
        QVERIFY(d.change("niets", [](QImage&) {}));
        d.beginStroke("klik");
        d.endStroke();
        QVERIFY(changed.count() == 1 && d.undoStack().count() == 0);
        d.surface().image().setPixel(2, 2, Fill);
        d.beginStroke("Spray");
        d.surface().pset(QPointF(3, 3), Draw);
        d.change("punt", [](QImage& image) { image.setPixel(4, 4, Draw); });
        d.beginStroke("Gum");
        d.surface().pset(QPointF(5, 5), Draw);
        d.undo();
        QVERIFY(!d.inStroke() && steps(d) == QStringList({"Bewerking", "Spray", "punt", "Gum"}));
        QCOMPARE(changedRect(Blank, d.image()), QRect(2, 2, 3, 3));
        d.undo();
        d.undo();
        QCOMPARE(changedRect(Blank, d.image()), QRect(2, 2, 1, 1));
    }

    // Pictures of another size or format land at the top left on white, also when an edit swaps one
    // in; a new start forgets the history and any open stroke.
    void fittedPicturesAndReset()
    {
        CanvasDocument d;
        QVERIFY(d.replace("Open", patternPicture(10, 8).convertToFormat(QImage::Format_ARGB32)));
        QVERIFY(d.image().format() == QImage::Format_RGB32 && d.image().copy(0, 0, 10, 8) == patternPicture(10, 8));
        QCOMPARE(changedRect(Blank, d.image()), QRect(0, 0, 10, 8));
        QVERIFY(d.change("x", [](QImage& image) { image = filtertest::picture(3, 2, Fill); }));
        QCOMPARE(changedRect(Blank, d.image()), QRect(0, 0, 3, 2));
        d.beginStroke("Tekenen");
        d.reset(patternPicture(500, 260));
        QVERIFY(!d.inStroke() && !d.undoStack().canUndo() && d.image() == patternPicture(500, 260));
    }

    // While a command runs, another command, a new picture, an undo, a redo and a reset are all
    // refused: the running command's result and the whole history stand.
    void nothingElseWhileACommandRuns()
    {
        CanvasDocument d;
        d.change("punt", [](QImage& image) { image.setPixel(1, 1, Draw); });
        d.change("punt", [](QImage& image) { image.setPixel(2, 2, Draw); });
        d.undo();
        QSignalSpy busy(&d, &CanvasDocument::busyChanged);
        bool nestedAccepted = true;
        QVERIFY(d.change("Negatief", [&](QImage& image) {
            QVERIFY(d.busy());
            d.undo();
            d.redo();
            nestedAccepted = d.change("b", [](QImage& i) { i.setPixel(3, 3, 0); }) || d.replace("c", Blank);
            d.reset(Blank);
            image.setPixel(4, 4, Fill);
        }));
        QVERIFY(!nestedAccepted && !d.busy() && busy.count() == 2);
        QCOMPARE(countColour(d.image(), White), 500 * 260 - 2);
        QVERIFY(d.image().pixel(1, 1) == Draw && d.image().pixel(4, 4) == Fill);
        QCOMPARE(steps(d), QStringList({"punt", "Negatief"}));
    }

    // Each stroke (tool, path, line width, random fractions): the rectangle it paints, how many pixels in
    // the draw and in the fill colour (and nothing else; -1: not counted), points in the draw colour, in the
    // fill colour and left white, and the resting state afterwards.
    void strokesInDrawAndFillColour()
    {
        // clang-format off
        const std::tuple<int, QList<QPointF>, int, QList<double>, QRect, int, int, QList<QPoint>, QList<QPoint>,
                         QList<QPoint>> cases[] = {
            // Freehand: lines from point to point, both ends included; a straight line: only the last stays.
            {1, {{10, 10}, {20, 10}, {20, 15}}, 1, {}, {10, 10, 11, 6}, 16, 0, {{10, 10}, {20, 10}, {20, 15}}, {}, {}},
            {2, {{10, 10}, {100, 80}, {150, 30}}, 1, {}, {10, 10, 141, 21}, 141, 0, {{10, 10}, {150, 30}}, {}, {}},
            {3, {{10, 20}, {15, 30}, {20, 25}}, 1, {}, {10, 20, 11, 6}, 30, 0, {{10, 20}, {20, 25}}, {}, {{15, 22}}},
            // Three pixels wide about the outline.
            {3, {{10, 20}, {20, 25}}, 3, {}, {9, 19, 13, 8}, -1, 0, {{9, 22}, {11, 22}, {21, 23}, {15, 19}, {15, 26}},
                {}, {{12, 22}, {18, 23}}},
            {4, {{10, 20}, {20, 25}}, 1, {}, {10, 20, 11, 6}, 30, 36, {{10, 20}, {20, 25}}, {{11, 21}, {19, 24}}, {}},
            // Ellipses inscribed in the rectangle, touching all four sides.
            {5, {{100, 50}, {140, 90}}, 1, {}, {100, 50, 41, 41}, -1, 0, {{120, 50}, {120, 90}, {100, 70}, {140, 70}},
                {}, {{120, 70}, {101, 51}}},
            {6, {{10, 10}, {210, 60}}, 1, {}, {10, 10, 201, 51}, -1, -1, {{110, 10}, {110, 60}, {10, 35}, {210, 35}},
                {{110, 35}, {30, 35}}, {{11, 11}, {209, 59}}},
            {7, {{10, 10}}, 1, {}, {0, 0, 500, 260}, 0, 500 * 260, {}, {{0, 0}, {499, 259}}, {}},
            // Spray: one dot per move at (X - 10 + r, Y - 10 + r), r = fraction x 10 + 1, whatever the width.
            {8, {{100, 100}, {100, 100}, {100, 100}, {200, 50}}, 5, {0.0, 0.95, 0.45}, {91, 45, 105, 56}, 3, 0,
                {{91, 91}, {100, 100}, {195, 45}}, {}, {}},
            // Eraser: squares of GumMaat - 1 pixels up and left of the pointer, in the draw colour.
            {9, {{50, 40}, {60, 40}}, 1, {}, {41, 31, 19, 9}, 2 * 81, 0, {{41, 31}, {49, 39}, {59, 39}}, {}, {{50, 35}}},
            // Coloured circles of radius CirkelStraal: red, green, blue = fraction x 255 + 1, truncated. These
            // fractions give the fill colour, 20, 140, 230 (with 256 for 255: 21, 141, 231).
            {11, {{100, 100}, {100, 100}}, 1, {0.0784, 0.548, 0.9015}, {90, 90, 21, 21}, 0, -1, {},
                {{100, 90}, {90, 100}, {110, 100}, {100, 110}}, {{100, 100}}},
        };
        // clang-format on
        for (const auto& [tool, path, width, random, painted, drawn, filled, drawPoints, fillPoints, white] : cases) {
            Canvas c(tool);
            c.random->fractions = random;
            c.drag(path, width);
            const QByteArray row = "tool " + QByteArray::number(tool) + " width " + QByteArray::number(width);
            QVERIFY2(changedRect(Blank, c.document.image()) == painted, row);
            QVERIFY2(c.count(Draw) + c.count(Fill) + c.count(White) == 500 * 260, row);
            QVERIFY2((drawn < 0 || c.count(Draw) == drawn) && (filled < 0 || c.count(Fill) == filled), row);
            for (const auto& [points, colour] : {std::pair(drawPoints, Draw), {fillPoints, Fill}, {white, White}})
                for (QPoint p : points)
                    QVERIFY2(c.document.image().pixel(p) == colour, row);
            const CanvasSurface& s = c.document.surface();
            QVERIFY2(s.drawWidth() == 1 && s.drawMode() == CanvasSurface::DrawMode::CopyPen, row);
            QVERIFY2(s.fillStyle() == CanvasSurface::FillStyle::Transparent, row);
            QVERIFY2(c.document.undoStack().count() == 1 && c.random->fractions.isEmpty(), row);
        }
    }

    // A click, a band that did not grow both right and down, no tool, the right button with a tool
    // other than the colour pick, or a press off the canvas: nothing painted, no photo asked for, no step.
    void strokesThatPaintNothing()
    {
        const QList<QPointF> click = {{100, 100}}, level = {{100, 100}, {150, 100}}, down = {{100, 100}, {100, 150}},
                             back = {{100, 100}, {60, 130}, {50, 40}}, drag = {{10, 10}, {100, 100}};
        // clang-format off
        const std::tuple<QList<int>, QList<QPointF>, Qt::MouseButton> cases[] = {
            {{1, 3, 4, 5, 6, 12}, click, Qt::LeftButton}, {{3, 4, 5, 6, 12}, level, Qt::LeftButton},
            {{3, 4, 5, 6, 12}, down, Qt::LeftButton}, {{3, 4, 5, 6, 12}, back, Qt::LeftButton},
            {{0, 13, 15}, drag, Qt::LeftButton}, {{1, 2, 3, 4, 7, 9, 12}, drag, Qt::RightButton},
            {{7}, {{-1, 10}}, Qt::LeftButton}, {{7}, {{10, 260}}, Qt::LeftButton},
        };
        // clang-format on
        for (const auto& [tools, path, button] : cases)
            for (int tool : tools) {
                Canvas canvas(tool);
                canvas.drag(path, 3, button);
                const bool nothing = canvas.document.image() == Blank && canvas.photoCalls == 0 &&
                                     !canvas.document.undoStack().canUndo() && !canvas.tools.layer();
                QVERIFY2(nothing, qPrintable(QStringLiteral("tool %1 to %2").arg(tool).arg(path.last().x())));
            }
    }

    // Left into the draw colour, right into the fill colour; black too, nothing off the canvas.
    void colourPick()
    {
        Canvas c(10);
        c.document.change("kleur",
                          [](QImage& image) { image.setPixel(5, 5, qRgb(12, 34, 56)), image.setPixel(6, 6, 0); });
        const auto draw = [&] { return std::tuple(c.state.TekenR, c.state.TekenG, int(c.state.TekenB)); };
        const auto fill = [&] { return std::tuple(c.state.VulR, c.state.VulG, int(c.state.VulB)); };
        c.drag({{5, 5}}, 2, Qt::RightButton);
        QVERIFY(fill() == std::tuple(12, 34, 56) && draw() == std::tuple(200, 30, 90));
        c.drag({{6, 6}});
        QVERIFY(draw() == std::tuple(0, 0, 0));
        c.drag({{5, 5}});
        c.drag({{500, 5}});
        c.drag({{5, -1}}, 2, Qt::RightButton);
        QVERIFY(draw() == std::tuple(12, 34, 56) && fill() == std::tuple(12, 34, 56));
        QVERIFY(c.document.surface().point(QPointF(500, 5)) == -1 && c.document.undoStack().count() == 1);
    }

    void hints()
    {
        QCOMPARE(ToolBox::hint(1), "Tekenen van kromme lijnen in de tekenkleur.");
        QVERIFY(ToolBox::hint(12).startsWith("Selecteer") && ToolBox::hint(0).isEmpty() && ToolBox::hint(13).isEmpty());
    }
};

QTEST_MAIN(TestToolBox)
#include "test_tool_box.moc"
