#pragma once

// The mouse behaviour of the canvas without its widgets: the selected tool
// (Gereedschap 1..12) gets the presses, left-button moves and releases, the
// press point and line width are kept as the tools expect them, each press to
// release becomes one undo step, and the resting state returns after each release.

#include "canvas/tools/canvas_tool.h"

#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class ApplicationState;
class CanvasDocument;

class ToolBox
{
public:
    static constexpr int ToolCount = 12;

    ToolBox(ApplicationState& state, CanvasDocument& document);
    ~ToolBox();

    // The photo placement the photo rectangle (tool 12) calls.
    void setFotoLaden(std::function<void(double, double, double, double)> fotoLaden);
    // Replaces the clock-seeded random numbers (tests script them).
    void setRandom(std::unique_ptr<RandomSource> random);

    // The stroke is drawn in the state's line width.
    void mouseDown(Qt::MouseButton button, QPointF at);
    // Only the tool part of a move; the read-outs belong to the window.
    void mouseMove(Qt::MouseButtons buttons, QPointF at);
    void mouseUp(Qt::MouseButton button, QPointF at);
    // A release that places text instead: the stroke ends, no tool work is done.
    void endWithoutToolWork();

    // The rubber band of tools 3, 4, 5, 6 and 12; empty while hidden.
    const std::optional<QRect>& layer() const { return m_layer; }

    // The hint line of tool 1..12.
    static QString hint(int tool);

private:
    CanvasTool* selectedTool() const;
    ToolContext context();
    void ensureStroke(CanvasTool& tool);

    ApplicationState& m_state;
    CanvasDocument& m_document;
    StrokePoints m_points;
    std::array<std::unique_ptr<CanvasTool>, ToolCount + 1> m_tools;
    std::unique_ptr<RandomSource> m_random;
    std::function<void(double, double, double, double)> m_fotoLaden;
    std::optional<QRect> m_layer;
};
