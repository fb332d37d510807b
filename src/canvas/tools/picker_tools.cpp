// The tools that act once on the press: flood fill and colour pick.

#include "app/application_state.h"
#include "app/colour.h"
#include "canvas/tools/drawing_tools.h"

#include <optional>

void FloodFillTool::press(ToolContext& c, QPointF p)
{
    c.surface.setDrawMode(CanvasSurface::DrawMode::CopyPen);
    c.surface.setFillColor(c.fillColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Solid);
    c.surface.floodFill(p, c.fillColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Transparent);
}

namespace {

// The colour under the pointer; nothing off the canvas.
std::optional<ColourParts> pickColour(ToolContext& c, QPointF p)
{
    const std::int64_t value = c.surface.point(p);
    if (value < 0)
        return std::nullopt;
    return splitColourValue(value);
}

} // namespace

void ColourPickTool::press(ToolContext& c, QPointF p)
{
    if (const auto colour = pickColour(c, p))
        c.state.setTekenKleur(colour->r, colour->g, colour->b);
}

void ColourPickTool::pressRight(ToolContext& c, QPointF p)
{
    if (const auto colour = pickColour(c, p))
        c.state.setVulKleur(colour->r, colour->g, colour->b);
}
