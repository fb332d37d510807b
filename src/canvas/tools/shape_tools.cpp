// The tools with a rubber band: rectangles, ellipses and the photo rectangle.

#include "app/application_state.h"
#include "canvas/tools/drawing_tools.h"

#include <algorithm>
#include <cmath>

void RubberBandTool::press(ToolContext& c, QPointF p)
{
    c.layer = QRect(int(std::lround(p.x())), int(std::lround(p.y())), 0, 0);
}

void RubberBandTool::drag(ToolContext& c, QPointF& p)
{
    p.setX(std::max(p.x(), c.points.StartX));
    p.setY(std::max(p.y(), c.points.StartY));
    c.layer = QRect(int(c.points.StartX), int(c.points.StartY), int(p.x() - c.points.StartX + 1),
                    int(p.y() - c.points.StartY + 1));
}

void RubberBandTool::release(ToolContext& c, QPointF p)
{
    // No empty or reversed rectangle reaches the drawing.
    const QPointF start(c.points.StartX, c.points.StartY);
    if (p.x() > start.x() && p.y() > start.y())
        finish(c, start, p);
}

void RectangleTool::finish(ToolContext& c, QPointF from, QPointF to)
{
    if (m_filled) {
        c.surface.setFillColor(c.fillColour());
        c.surface.setFillStyle(CanvasSurface::FillStyle::Solid);
    }
    c.surface.box(from, to, c.drawColour());
    c.surface.setFillStyle(CanvasSurface::FillStyle::Transparent);
}

void EllipseTool::finish(ToolContext& c, QPointF from, QPointF to)
{
    const double rx = (to.x() - from.x()) / 2;
    const double ry = (to.y() - from.y()) / 2;
    if (m_filled) {
        c.surface.setFillColor(c.fillColour());
        c.surface.setFillStyle(CanvasSurface::FillStyle::Solid);
    }
    // A circle with the larger radius, squeezed by the aspect vertical / horizontal.
    c.surface.circle(QPointF(from.x() + rx, from.y() + ry), std::max(rx, ry), c.drawColour(), ry / rx);
    c.surface.setFillStyle(CanvasSurface::FillStyle::Transparent);
}

void PhotoRectangleTool::finish(ToolContext& c, QPointF from, QPointF to)
{
    if (c.fotoLaden)
        c.fotoLaden(from.x(), from.y(), to.x(), to.y());
}
