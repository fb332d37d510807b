#include "printing/painter_print_surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <cmath>

QFont TwipsFont(const PrintFont& font)
{
    QFont qfont(font.name);
    qfont.setPixelSize(std::max(1, int(std::lround(font.size * 20.0))));
    qfont.setBold(font.bold);
    return qfont;
}

PainterPrintSurface::PainterPrintSurface(QPagedPaintDevice& device)
    : m_device(device)
{}

PainterPrintSurface::~PainterPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PainterPrintSurface::prepareDevice(int)
{
    m_device.setPageOrientation(QPageLayout::Portrait);
}

void PainterPrintSurface::beginJob(int copies)
{
    if (m_painter.isActive())
        return;
    prepareDevice(copies);
    ensurePainting();
}

bool PainterPrintSurface::ensurePainting()
{
    if (m_painter.isActive())
        return true;
    if (m_failed || !m_painter.begin(&m_device)) {
        m_failed = true;
        return false;
    }
    m_painter.scale(m_device.logicalDpiX() / 1440.0, m_device.logicalDpiY() / 1440.0);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    return true;
}

void PainterPrintSurface::drawText(QPointF topLeft, const QString& text, const PrintFont& font, const QColor& colour)
{
    if (!ensurePainting())
        return;
    const QFont qfont = TwipsFont(font);
    m_painter.setFont(qfont);
    m_painter.setPen(colour);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(qfont).ascent()), text);
}

double PainterPrintSurface::measureText(const QString& text, const PrintFont& font) const
{
    return QFontMetricsF(TwipsFont(font)).horizontalAdvance(text);
}

double PainterPrintSurface::lineHeight(const PrintFont& font) const
{
    return QFontMetricsF(TwipsFont(font)).height();
}

void PainterPrintSurface::drawLine(QPointF from, QPointF to, const QColor& colour)
{
    if (!ensurePainting())
        return;
    m_painter.setPen(QPen(colour, LineWidth, Qt::SolidLine, Qt::SquareCap));
    m_painter.drawLine(from, to);
}

bool PainterPrintSurface::drawPicture(const QImage& picture, const QRectF& box)
{
    if (!ensurePainting())
        return false;
    // A plain copy: the picture's pixels replace what lies under the box, transparency included.
    const QImage opaque = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_RGB32) : picture;
    m_painter.drawImage(box, opaque);
    return true;
}

void PainterPrintSurface::beginPage()
{
    if (ensurePainting() && !m_device.newPage())
        m_failed = true;
}

bool PainterPrintSurface::finish()
{
    const bool painted = ensurePainting() && m_painter.end() && !m_failed;
    return completeDocument(painted);
}
