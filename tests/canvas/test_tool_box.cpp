// The twelve drawing tools through the canvas mouse handling, on the real
// canvas document: what a press, drag and release paint, exactly.

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "canvas/tool_box.h"
#include "common/pixels.h"

#include <QtTest>

namespace {

// Random fractions from a list, counting the reseeds.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values, int* reseeds)
        : m_values(std::move(values))
        , m_reseeds(reseeds)
    {}
    void reseed() override { ++*m_reseeds; }
    double fraction() override { return m_values.isEmpty() ? 0.0 : m_values.takeFirst(); }

private:
    QList<double> m_values;
    int* m_reseeds;
};

const QRgb White = qRgb(255, 255, 255);

struct Canvas
{
    ApplicationState state;
    CanvasDocument document;
    ToolBox tools{state, document};
    QList<QRectF> photoCalls;
    int reseeds = 0;

    explicit Canvas(int tool, QList<double> random = {})
    {
        state.Gereedschap = ToolMode(tool);
        tools.setFotoLaden([this](double x1, double y1, double x2, double y2) {
            photoCalls.append(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
        });
        tools.setRandom(std::make_unique<ScriptedRandom>(std::move(random), &reseeds));
    }

    void drag(QPointF from, QList<QPointF> moves, int width = 1)
    {
        tools.mouseDown(Qt::LeftButton, from, width);
        for (QPointF p : moves)
            tools.mouseMove(Qt::LeftButton, p);
        tools.mouseUp(Qt::LeftButton, moves.isEmpty() ? from : moves.last());
    }

    QRect painted() const
    {
        QImage white(document.image().size(), QImage::Format_RGB32);
        white.fill(White);
        return changedRect(white, document.image());
    }
    int count(QRgb colour) const { return countColour(document.image(), colour); }
};

} // namespace

class TestToolBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clickWithoutMovementDrawsNothing_data()
    {
        QTest::addColumn<int>("tool");
        for (int tool : {1, 3, 4, 5, 6, 12})
            QTest::addRow("tool %d", tool) << tool;
    }

    void clickWithoutMovementDrawsNothing()
    {
        QFETCH(int, tool);
        Canvas c(tool);
        c.drag(QPointF(100, 100), {}, 3);
        QVERIFY(c.painted().isEmpty());
        QVERIFY(c.photoCalls.isEmpty());
        QVERIFY(!c.document.undoStack().canUndo());
        QVERIFY(!c.tools.layer());
    }

    void rubberBandGrowsOnlyRightAndDown()
    {
        Canvas c(3);
        c.tools.mouseDown(Qt::LeftButton, QPointF(100, 100), 1);
        QCOMPARE(*c.tools.layer(), QRect(100, 100, 0, 0));
        c.tools.mouseMove(Qt::LeftButton, QPointF(60, 130));
        QCOMPARE(*c.tools.layer(), QRect(100, 100, 1, 31));
        QCOMPARE(c.state.VorigX, 100.0); // kept after clamping
        c.tools.mouseMove(Qt::LeftButton, QPointF(50, 40));
        QCOMPARE(*c.tools.layer(), QRect(100, 100, 1, 1));
        c.tools.mouseUp(Qt::LeftButton, QPointF(50, 40));
        QVERIFY(c.painted().isEmpty());
        QVERIFY(!c.tools.layer());
        // Right of the press but level with it: still nothing.
        c.drag(QPointF(100, 100), {QPointF(150, 100)});
        QVERIFY(c.painted().isEmpty());
    }

    void rectangleOutlineAndFilled()
    {
        Canvas c(3);
        c.state.TekenR = 10;
        c.drag(QPointF(10, 20), {QPointF(15, 30), QPointF(20, 25)});
        QCOMPARE(c.painted(), QRect(QPoint(10, 20), QPoint(20, 25)));
        QCOMPARE(c.count(qRgb(10, 0, 0)), 2 * 11 + 2 * 4);

        Canvas f(4);
        f.drag(QPointF(10, 20), {QPointF(20, 25)});
        QCOMPARE(f.count(qRgb(0, 0, 0)), 2 * 11 + 2 * 4);
        QCOMPARE(f.count(qRgb(255, 255, 0)), 9 * 4);
        QCOMPARE(f.document.surface().fillStyle(), CanvasSurface::FillStyle::Transparent);
    }

    void ellipseTouchesAllFourSides()
    {
        Canvas circle(5);
        circle.drag(QPointF(100, 50), {QPointF(140, 90)});
        QCOMPARE(circle.painted(), QRect(QPoint(100, 50), QPoint(140, 90)));
        const QImage& image = circle.document.image();
        QCOMPARE(image.pixel(120, 50), qRgb(0, 0, 0)); // top middle
        QCOMPARE(image.pixel(100, 70), qRgb(0, 0, 0)); // left middle
        QCOMPARE(image.pixel(120, 70), White);         // outline only
        // Symmetric in both axes, as a circle is.
        for (int y = 50; y <= 90; ++y)
            for (int x = 100; x <= 140; ++x)
                QCOMPARE(image.pixel(x, y), image.pixel(y + 50, x - 50));

        Canvas wide(6);
        wide.drag(QPointF(10, 10), {QPointF(210, 60)}, 2);
        const QRect r = wide.painted();
        QVERIFY(r.left() >= 9 && r.left() <= 10 && r.right() >= 210 && r.right() <= 211);
        QCOMPARE(wide.document.image().pixel(110, 35), qRgb(255, 255, 0)); // filled inside
    }

    void eraserSquareInDrawColour()
    {
        Canvas c(9);
        c.state.TekenR = 0, c.state.TekenG = 0, c.state.TekenB = 200;
        c.tools.mouseDown(Qt::LeftButton, QPointF(50, 40), 1);
        QCOMPARE(c.painted(), QRect(QPoint(41, 31), QPoint(49, 39)));
        QCOMPARE(c.count(qRgb(0, 0, 200)), 81);
        c.tools.mouseMove(Qt::LeftButton, QPointF(60, 40));
        c.tools.mouseUp(Qt::LeftButton, QPointF(60, 40));
        QCOMPARE(c.painted(), QRect(QPoint(41, 31), QPoint(59, 39)));
        QCOMPARE(c.document.undoStack().count(), 1);
    }

    void colourPickLeftAndRight()
    {
        Canvas c(10);
        c.document.change(QStringLiteral("kleur"), [](QImage& image) { image.setPixel(5, 5, qRgb(12, 34, 56)); });
        c.tools.mouseDown(Qt::RightButton, QPointF(5, 5), 2);
        c.tools.mouseUp(Qt::RightButton, QPointF(5, 5));
        QCOMPARE(std::tuple(c.state.VulR, c.state.VulG, int(c.state.VulB)), std::tuple(12, 34, 56));
        QCOMPARE(std::tuple(c.state.TekenR, c.state.TekenG, int(c.state.TekenB)), std::tuple(0, 0, 0));
        c.tools.mouseDown(Qt::LeftButton, QPointF(6, 6), 2);
        QCOMPARE(std::tuple(c.state.TekenR, c.state.TekenG, int(c.state.TekenB)), std::tuple(255, 255, 255));
        QCOMPARE(c.state.VulR, 12);

        // The right button does nothing with any other tool.
        Canvas other(7);
        other.tools.mouseDown(Qt::RightButton, QPointF(5, 5), 2);
        other.tools.mouseUp(Qt::RightButton, QPointF(5, 5));
        QVERIFY(other.painted().isEmpty());
        QCOMPARE(other.state.VulR, 255);
    }

    void floodFillStopsAtABorder()
    {
        Canvas c(7);
        c.state.VulR = 0, c.state.VulG = 128, c.state.VulB = 0;
        c.document.change(QStringLiteral("rand"), [](QImage& image) {
            for (int y = 0; y < 260; ++y)
                image.setPixel(200, y, qRgb(0, 0, 0));
        });
        c.tools.mouseDown(Qt::LeftButton, QPointF(10, 10), 2);
        c.tools.mouseUp(Qt::LeftButton, QPointF(10, 10));
        QCOMPARE(c.count(qRgb(0, 128, 0)), 200 * 260);
        QCOMPARE(c.document.image().pixel(201, 0), White);
        c.document.undo();
        QCOMPARE(c.count(qRgb(0, 128, 0)), 0);
    }

    void sprayOnTheDiagonal()
    {
        Canvas c(8, {0.0, 0.95, 0.45});
        c.drag(QPointF(100, 100), {QPointF(100, 100), QPointF(100, 100), QPointF(200, 50)}, 5);
        const QImage& image = c.document.image();
        QCOMPARE(image.pixel(91, 91), qRgb(0, 0, 0));   // r = 1
        QCOMPARE(image.pixel(100, 100), qRgb(0, 0, 0)); // r = 10
        QCOMPARE(image.pixel(195, 45), qRgb(0, 0, 0));  // r = 5
        QCOMPARE(c.count(qRgb(0, 0, 0)), 3);            // single pixels, whatever the slider said
        QCOMPARE(c.reseeds, 3);
    }

    void colouredCircles()
    {
        Canvas c(11, {0.0, 0.5, 0.999});
        c.drag(QPointF(100, 100), {QPointF(100, 100)}, 1);
        QCOMPARE(c.painted(), QRect(QPoint(90, 90), QPoint(110, 110)));
        QVERIFY(c.count(qRgb(1, 128, 255)) > 40);
        QCOMPARE(c.reseeds, 1);
    }

    void freehandFollowsThePointer()
    {
        Canvas c(1);
        c.drag(QPointF(10, 10), {QPointF(20, 10), QPointF(20, 15)});
        QCOMPARE(c.painted(), QRect(QPoint(10, 10), QPoint(20, 15)));
        QCOMPARE(c.count(qRgb(0, 0, 0)), 11 + 5);
        QCOMPARE(c.state.StartX, 20.0);
        QCOMPARE(c.document.undoStack().count(), 1);
    }

    void lineRubberLeavesOnlyTheLine()
    {
        Canvas c(2);
        c.document.change(QStringLiteral("achtergrond"), [](QImage& image) { image.fill(QColor(40, 80, 120)); });
        const QImage background = c.document.image().copy();
        c.state.TekenR = 255;
        c.tools.mouseDown(Qt::LeftButton, QPointF(10, 10), 2);
        c.tools.mouseMove(Qt::LeftButton, QPointF(100, 80));
        QCOMPARE(c.document.image().pixel(55, 45), qRgb(215, 175, 135)); // the inverted rubber line
        c.tools.mouseMove(Qt::LeftButton, QPointF(200, 30));
        QCOMPARE(c.document.image().pixel(55, 45), qRgb(40, 80, 120)); // wiped again
        c.tools.mouseUp(Qt::LeftButton, QPointF(150, 30));             // released off the last move
        const QImage& image = c.document.image();
        QSet<QRgb> seen;
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 500; ++x)
                seen.insert(image.pixel(x, y));
        QCOMPARE(seen, QSet<QRgb>({qRgb(40, 80, 120), qRgb(255, 0, 0)}));
        QCOMPARE(image.pixel(150, 30), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(200, 30), qRgb(40, 80, 120));
        c.document.undo();
        QCOMPARE(c.document.image(), background);
    }

    void restingStateAfterRelease()
    {
        Canvas c(2);
        c.tools.mouseDown(Qt::LeftButton, QPointF(10, 10), 5);
        QCOMPARE(c.document.surface().drawWidth(), 5);
        QCOMPARE(c.document.surface().drawMode(), CanvasSurface::DrawMode::Invert);
        c.tools.mouseUp(Qt::LeftButton, QPointF(10, 10));
        QCOMPARE(c.document.surface().drawWidth(), 1);
        QCOMPARE(c.document.surface().drawMode(), CanvasSurface::DrawMode::CopyPen);
        QCOMPARE(c.document.surface().fillStyle(), CanvasSurface::FillStyle::Transparent);
    }

    void photoRectangleHandsOverCorners()
    {
        Canvas c(12);
        c.drag(QPointF(10, 20), {QPointF(50, 40), QPointF(110, 70)});
        QCOMPARE(c.photoCalls, QList<QRectF>({QRectF(QPointF(10, 20), QPointF(110, 70))}));
        QVERIFY(c.painted().isEmpty());
    }

    void noToolNoDrawing()
    {
        for (int tool : {0, 13, 15, 21}) {
            Canvas c(tool);
            c.drag(QPointF(10, 10), {QPointF(100, 100)}, 3);
            QVERIFY(c.painted().isEmpty());
            QCOMPARE(c.state.StartX, 10.0);
        }
        QCOMPARE(ToolBox::hint(7), QStringLiteral("Linkermuisknop is vullen van vlakken met de vulkleur."));
        QCOMPARE(ToolBox::hint(0), QString());
    }

    void movesOutsideTheCanvasAreClipped()
    {
        Canvas c(1);
        c.drag(QPointF(490, 250), {QPointF(700, 400), QPointF(-50, -80)}, 5);
        QVERIFY(!c.painted().isEmpty());
        Canvas fill(7);
        fill.drag(QPointF(-5, 600), {});
        QVERIFY(fill.painted().isEmpty());
    }
};

QTEST_MAIN(TestToolBox)
#include "test_tool_box.moc"
