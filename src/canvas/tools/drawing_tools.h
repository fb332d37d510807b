#pragma once

// The twelve drawing tools, numbered as their buttons.

#include "canvas/tools/canvas_tool.h"

// 1: freehand; the press point moves along the stroke.
class FreehandTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Tekenen"); }
    void drag(ToolContext& c, QPointF& p) override;
};

// 2: a straight line, shown as an inverted rubber line while dragging.
class LineTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Lijn"); }
    void press(ToolContext& c, QPointF p) override;
    void drag(ToolContext& c, QPointF& p) override;
    void release(ToolContext& c, QPointF p) override;
};

// The rubber band of tools 3, 4, 5, 6 and 12: it grows only right and down from
// the press point, and the tool acts only when released strictly right of and below it.
class RubberBandTool : public CanvasTool
{
public:
    void press(ToolContext& c, QPointF p) override;
    void drag(ToolContext& c, QPointF& p) override;
    void release(ToolContext& c, QPointF p) override;

protected:
    virtual void finish(ToolContext& c, QPointF from, QPointF to) = 0;
};

// 3 and 4: a rectangle outline, or filled with the fill colour.
class RectangleTool : public RubberBandTool
{
public:
    explicit RectangleTool(bool filled)
        : m_filled(filled)
    {}
    QString name() const override { return QStringLiteral("Rechthoek"); }

protected:
    void finish(ToolContext& c, QPointF from, QPointF to) override;

private:
    bool m_filled;
};

// 5 and 6: the ellipse inscribed in the dragged rectangle, outline or filled.
class EllipseTool : public RubberBandTool
{
public:
    explicit EllipseTool(bool filled)
        : m_filled(filled)
    {}
    QString name() const override { return QStringLiteral("Ellips"); }

protected:
    void finish(ToolContext& c, QPointF from, QPointF to) override;

private:
    bool m_filled;
};

// 12: hands the dragged rectangle to the photo placement.
class PhotoRectangleTool : public RubberBandTool
{
public:
    QString name() const override { return QStringLiteral("Foto"); }

protected:
    void finish(ToolContext& c, QPointF from, QPointF to) override;
};

// 7: fills the area of one colour under the pointer with the fill colour.
class FloodFillTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Vullen"); }
    void press(ToolContext& c, QPointF p) override;
};

// 8: one dot per move on the diagonal up-left of the pointer.
class SprayTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Spray"); }
    void drag(ToolContext& c, QPointF& p) override;
};

// 9: a square in the draw colour above and left of the pointer.
class EraserTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Gum"); }
    void press(ToolContext& c, QPointF p) override;
    void drag(ToolContext& c, QPointF& p) override;
};

// 10: reads the colour under the pointer into the draw (left) or fill (right) colour.
class ColourPickTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Kleur opvragen"); }
    void press(ToolContext& c, QPointF p) override;
    void pressRight(ToolContext& c, QPointF p) override;
};

// 11: a circle in a random colour around the pointer at every move.
class ColouredCirclesTool : public CanvasTool
{
public:
    QString name() const override { return QStringLiteral("Gekleurde cirkels"); }
    void drag(ToolContext& c, QPointF& p) override;
};
