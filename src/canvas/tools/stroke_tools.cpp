// The tools that draw while the left button moves: freehand, line, spray,
// eraser and coloured circles, and the tool registry.

#include "app/application_state.h"
#include "app/colour.h"
#include "canvas/tools/drawing_tools.h"

#include <chrono>
#include <random>

namespace {

class ClockRandom : public RandomSource
{
public:
    void reseed() override
    {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
        m_engine.seed(std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    }
    double fraction() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine{std::random_device{}()};
};

// A whole random number from 1 to range: fraction x range + 1, truncated.
int randomUpTo(RandomSource& random, int range)
{
    return int(random.fraction() * range + 1);
}

} // namespace

std::unique_ptr<RandomSource> makeClockRandom()
{
    return std::make_unique<ClockRandom>();
}

QColor ToolContext::drawColour() const
{
    const ColourParts colour = state.TekenKleur();
    return toQColor(colour.r, colour.g, colour.b);
}

QColor ToolContext::fillColour() const
{
    const ColourParts colour = state.VulKleur();
    return toQColor(colour.r, colour.g, colour.b);
}

std::unique_ptr<CanvasTool> makeTool(int number)
{
    switch (number) {
    case 1:
        return std::make_unique<FreehandTool>();
    case 2:
        return std::make_unique<LineTool>();
    case 3:
        return std::make_unique<RectangleTool>(false);
    case 4:
        return std::make_unique<RectangleTool>(true);
    case 5:
        return std::make_unique<EllipseTool>(false);
    case 6:
        return std::make_unique<EllipseTool>(true);
    case 7:
        return std::make_unique<FloodFillTool>();
    case 8:
        return std::make_unique<SprayTool>();
    case 9:
        return std::make_unique<EraserTool>();
    case 10:
        return std::make_unique<ColourPickTool>();
    case 11:
        return std::make_unique<ColouredCirclesTool>();
    case 12:
        return std::make_unique<PhotoRectangleTool>();
    default:
        return nullptr;
    }
}

void FreehandTool::drag(ToolContext& c, QPointF& p)
{
    c.surface.line(QPointF(c.points.StartX, c.points.StartY), p, c.drawColour());
    c.points.StartX = p.x();
    c.points.StartY = p.y();
}

void LineTool::press(ToolContext& c, QPointF)
{
    c.points.VorigX = c.points.StartX;
    c.points.VorigY = c.points.StartY;
    c.surface.setDrawMode(CanvasSurface::DrawMode::Invert);
}

void LineTool::drag(ToolContext& c, QPointF& p)
{
    // Inverting the previous rubber line again wipes it.
    const QPointF start(c.points.StartX, c.points.StartY);
    c.surface.setDrawMode(CanvasSurface::DrawMode::Invert);
    c.surface.line(start, QPointF(c.points.VorigX, c.points.VorigY), c.drawColour());
    c.surface.line(start, p, c.drawColour());
}

void LineTool::release(ToolContext& c, QPointF p)
{
    // The release may lie elsewhere than the last move: wipe the rubber line
    // first so no inverted pixels stay behind beside the real line.
    const QPointF start(c.points.StartX, c.points.StartY);
    c.surface.setDrawMode(CanvasSurface::DrawMode::Invert);
    c.surface.line(start, QPointF(c.points.VorigX, c.points.VorigY), c.drawColour());
    c.surface.setDrawMode(CanvasSurface::DrawMode::CopyPen);
    c.surface.line(start, p, c.drawColour());
}

void SprayTool::drag(ToolContext& c, QPointF& p)
{
    c.surface.setDrawWidth(1);
    c.random.reseed();
    // One number for both axes: every dot lies on the diagonal up-left of the pointer.
    const int r = randomUpTo(c.random, 10);
    c.surface.pset(QPointF(p.x() - 10 + r, p.y() - 10 + r), c.drawColour());
}

namespace {

void erase(ToolContext& c, QPointF p)
{
    const int size = GumMaat;
    c.surface.setFillColor(c.drawColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Solid);
    c.surface.box(QPointF(p.x() - size + 1, p.y() - size + 1), QPointF(p.x() - 1, p.y() - 1), c.drawColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Transparent);
}

} // namespace

void EraserTool::press(ToolContext& c, QPointF p)
{
    erase(c, p);
}

void EraserTool::drag(ToolContext& c, QPointF& p)
{
    erase(c, p);
}

void ColouredCirclesTool::drag(ToolContext& c, QPointF& p)
{
    c.random.reseed();
    const int red = randomUpTo(c.random, 255);
    const int green = randomUpTo(c.random, 255);
    const int blue = randomUpTo(c.random, 255);
    c.surface.circle(p, CirkelStraal, QColor(red, green, blue));
}
