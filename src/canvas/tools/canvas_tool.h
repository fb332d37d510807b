#pragma once

// The drawing tools of the canvas: one class per tool behind one abstract
// tool that receives presses, drags and releases in canvas pixels. Tools see
// the application state (the colours), the points of the stroke and the
// drawing surface, never a widget or a mouse event.

#include "canvas/canvas_surface.h"

#include <QPointF>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class ApplicationState;

// The size of the eraser's square and the radius of the coloured circles, in pixels.
inline constexpr int GumMaat = 10;
inline constexpr int CirkelStraal = 10;

// The points a stroke keeps between mouse events: where the button went down (moved along by
// freehand drawing) and where the pointer was at the last move.
struct StrokePoints
{
    double StartX = 0, StartY = 0;
    double VorigX = 0, VorigY = 0;
};

// The clock-seeded random fractions of the spray and the coloured circles.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double fraction() = 0; // uniform in [0, 1)
};

std::unique_ptr<RandomSource> makeClockRandom();

// What a tool works with while it handles one mouse event.
struct ToolContext
{
    ApplicationState& state;
    StrokePoints& points;
    CanvasSurface& surface;
    RandomSource& random;
    std::optional<QRect>& layer; // the rubber band; empty while hidden
    // The photo placement into a rectangle (x1, y1)-(x2, y2).
    const std::function<void(double, double, double, double)>& fotoLaden;

    QColor drawColour() const;
    QColor fillColour() const;
};

class CanvasTool
{
public:
    virtual ~CanvasTool() = default;
    // The name of the undo step a stroke with this tool becomes.
    virtual QString name() const = 0;
    // Left button down, after StartX, StartY and the line width are set.
    virtual void press(ToolContext&, QPointF) {}
    // Right button down.
    virtual void pressRight(ToolContext&, QPointF) {}
    // A move with the left button held; a rubber band clamps the point it is given.
    virtual void drag(ToolContext&, QPointF&) {}
    // Left button up, in copy-pen mode, before the resting state returns.
    virtual void release(ToolContext&, QPointF) {}
};

// The tool with button number 1..12; nullptr for any other number.
std::unique_ptr<CanvasTool> makeTool(int number);
