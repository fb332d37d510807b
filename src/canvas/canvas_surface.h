#pragma once

// The drawing model of the canvas picture: draw mode, line width, fill colour
// and fill style that persist between calls, and the drawing calls the tools,
// the text panel, photos, filters, perforation and barcode use. Antialiasing
// is always off: every pixel a call paints is in the colour it was given.
// Each drawing call tells the handler the document sets, so what is drawn
// shows at once; the picture itself is not handed out for writing.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>

// Font attributes of canvas text; the size is in points on the 96-dpi canvas.
struct TextFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class CanvasSurface
{
public:
    enum class DrawMode { CopyPen, Invert };
    enum class FillStyle { Solid, Transparent };

    static constexpr int DotsPerInch = 96;

    explicit CanvasSurface(QImage& image);

    const QImage& image() const { return m_image; }
    // Called after every drawing call.
    void setDrawnHandler(std::function<void()> drawn) { m_drawn = std::move(drawn); }

    DrawMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawMode mode) { m_drawMode = mode; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor& colour) { m_fillColor = colour; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    // The resting state every command leaves behind: copy pen, width 1, transparent fill.
    void resetState();

    // A line including both end points.
    void line(QPointF from, QPointF to, const QColor& colour);
    // A box with corners a and b, both included; the inside in the fill colour when the fill style is solid.
    void box(QPointF a, QPointF b, const QColor& colour);
    // A circle, or an ellipse when aspect (vertical / horizontal radius) is not 1: the larger
    // radius is radius, the other radius x aspect or radius / aspect. Filled like box().
    void circle(QPointF centre, double radius, const QColor& colour, double aspect = 1.0);
    void pset(QPointF at, const QColor& colour);
    // The colour at a point as red + 256 green + 65536 blue; -1 outside the picture.
    std::int64_t point(QPointF at) const;

    // Text with its top-left corner at topLeft, transparent background.
    void text(QPointF topLeft, const QString& text, const TextFont& font, const QColor& colour);
    // Text whose first line starts at start and runs angleTenths tenths of a degree
    // counter-clockwise from the x-axis.
    void rotatedText(QPointF start, const QString& text, const TextFont& font, int angleTenths, const QColor& colour);
    // Fills the 4-connected area around at whose colour is exactly the colour found there.
    void floodFill(QPointF at, const QColor& colour);

    // The pixel height of a font of pointSize points: the size rounded, x 96 / 72, rounded.
    static int pixelSize(double pointSize);
    static QFont canvasFont(const TextFont& font);

private:
    friend class SurfacePainter;
    void drawn() const
    {
        if (m_drawn)
            m_drawn();
    }

    QImage& m_image;
    std::function<void()> m_drawn;
    DrawMode m_drawMode = DrawMode::CopyPen;
    int m_drawWidth = 1;
    QColor m_fillColor = Qt::black;
    FillStyle m_fillStyle = FillStyle::Transparent;
};
