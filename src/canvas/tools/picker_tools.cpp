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

void ColourPickTool::press(ToolContext& c, QPointF p)
{
    const std::int64_t value = c.surface.point(p);
    if (value < 0)
        return;
    const KleurDelen parts = SplitsKleurWaarde(value);
    c.state.TekenR = parts.r;
    c.state.TekenG = parts.g;
    c.state.TekenB = std::uint8_t(parts.b);
}

void ColourPickTool::pressRight(ToolContext& c, QPointF p)
{
    const std::int64_t value = c.surface.point(p);
    if (value < 0)
        return;
    const KleurDelen parts = SplitsKleurWaarde(value);
    c.state.VulR = parts.r;
    c.state.VulG = parts.g;
    c.state.VulB = std::uint8_t(parts.b);
}
