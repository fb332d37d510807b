#include "canvas/canvas_surface.h"

#include "app/colour.h"
#include "app/rounding.h"
#include "canvas/flood_fill.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QPoint pixel(QPointF at)
{
    return QPoint(int(RondAf(at.x())), int(RondAf(at.y())));
}

} // namespace

CanvasSurface::CanvasSurface(QImage& image)
    : m_image(image)
{}

void CanvasSurface::setDrawWidth(int width)
{
    m_drawWidth = std::max(1, width);
}

void CanvasSurface::resetState()
{
    m_drawMode = DrawMode::CopyPen;
    m_drawWidth = 1;
    m_fillStyle = FillStyle::Transparent;
}

// A painter in the current draw mode: copy pen paints the colour, invert flips
// every pixel it touches whatever the colour, so drawing twice restores the picture.
class SurfacePainter : public QPainter
{
public:
    SurfacePainter(CanvasSurface& surface, const QColor& colour)
        : QPainter(&surface.m_image)
        , m_surface(surface)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        const bool invert = surface.drawMode() == CanvasSurface::DrawMode::Invert;
        if (invert)
            setCompositionMode(QPainter::RasterOp_NotDestination);
        QPen pen(invert ? QColor(Qt::white) : colour, surface.drawWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        setPen(pen);
        if (surface.fillStyle() == CanvasSurface::FillStyle::Solid)
            setBrush(invert ? QColor(Qt::white) : surface.fillColor());
    }
    ~SurfacePainter()
    {
        end();
        m_surface.drawn();
    }

private:
    const CanvasSurface& m_surface;
};

void CanvasSurface::line(QPointF from, QPointF to, const QColor& colour)
{
    SurfacePainter painter(*this, colour);
    painter.drawLine(from, to);
}

void CanvasSurface::box(QPointF a, QPointF b, const QColor& colour)
{
    SurfacePainter painter(*this, colour);
    painter.drawRect(QRectF(a, b).normalized());
}

void CanvasSurface::circle(QPointF centre, double radius, const QColor& colour, double aspect)
{
    if (!(radius >= 0) || !(aspect > 0))
        return;
    const double rx = aspect <= 1.0 ? radius : radius / aspect;
    const double ry = aspect <= 1.0 ? radius * aspect : radius;
    SurfacePainter painter(*this, colour);
    painter.drawEllipse(centre, rx, ry);
}

void CanvasSurface::pset(QPointF at, const QColor& colour)
{
    const QPoint p = pixel(at);
    if (!m_image.rect().contains(p))
        return;
    const QRgb old = m_image.pixel(p);
    m_image.setPixel(p, m_drawMode == DrawMode::Invert ? (~old | 0xff000000u) : colour.rgb());
    drawn();
}

std::int64_t CanvasSurface::point(QPointF at) const
{
    const QPoint p = pixel(at);
    if (!m_image.rect().contains(p))
        return -1;
    const QRgb c = m_image.pixel(p);
    return colourValue(qRed(c), qGreen(c), qBlue(c));
}

int CanvasSurface::pixelSize(double pointSize)
{
    // Whole points first (halves to even, as every rounding of the program), then the rounding of a
    // multiply-then-divide: halves away from zero.
    const long long points = RondAf(pointSize);
    const long long pixels = (points * DotsPerInch + 36) / 72;
    return int(std::clamp<long long>(pixels, 1, 4000));
}

QFont CanvasSurface::canvasFont(const TextFont& font)
{
    QFont result(font.family);
    result.setPixelSize(pixelSize(font.pointSize));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

void CanvasSurface::text(QPointF topLeft, const QString& text, const TextFont& font, const QColor& colour)
{
    rotatedText(topLeft, text, font, 0, colour);
}

void CanvasSurface::rotatedText(QPointF start, const QString& text, const TextFont& font, int angleTenths,
                                const QColor& colour)
{
    const QFont qfont = canvasFont(font);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(qfont);
    painter.setPen(colour);
    painter.translate(start);
    // Screen y runs downwards, so counter-clockwise is a negative rotation.
    if (angleTenths % 3600 != 0)
        painter.rotate(-angleTenths / 10.0);
    painter.drawText(QPointF(0, QFontMetrics(qfont).ascent()), text);
    painter.end();
    drawn();
}

void CanvasSurface::floodFill(QPointF at, const QColor& colour)
{
    const QPoint p = pixel(at);
    if (!m_image.rect().contains(p))
        return;
    fillConnectedArea(m_image, p, colour.rgb());
    drawn();
}
