// The tools that act once on the press: flood fill and colour pick.

#include "app/application_state.h"
#include "app/colour.h"
#include "canvas/tools/drawing_tools.h"

void FloodFillTool::press(ToolContext& c, QPointF p)
{
    c.surface.setDrawMode(CanvasSurface::DrawMode::CopyPen);
    c.surface.setFillColor(c.fillColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Solid);
    c.surface.floodFill(p, c.fillColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Transparent);
}

namespace {

// The colour under the pointer into the given red, green and blue; nothing off the canvas.
template <typename Blue>
void pickColour(ToolContext& c, QPointF p, int& red, int& green, Blue& blue)
{
    const std::int64_t value = c.surface.point(p);
    if (value < 0)
        return;
    const ColourParts parts = splitColourValue(value);
    red = parts.r;
    green = parts.g;
    blue = Blue(parts.b);
}

} // namespace

void ColourPickTool::press(ToolContext& c, QPointF p)
{
    pickColour(c, p, c.state.TekenR, c.state.TekenG, c.state.TekenB);
}

void ColourPickTool::pressRight(ToolContext& c, QPointF p)
{
    pickColour(c, p, c.state.VulR, c.state.VulG, c.state.VulB);
}
