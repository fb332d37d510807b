#include "printing/print_surface.h"

#include <algorithm>

void PrintSurface::startJob(int copies)
{
    m_font = PrintFont{};
    m_font.name = QStringLiteral("Arial");
    m_colour = Qt::black;
    m_x = m_y = 0;
    // A further copy in the same document goes on from the page break its predecessor ended with.
    if (m_continuing) {
        m_continuing = false;
        return;
    }
    m_pages = 1;
    beginJob(copies);
}

void PrintSurface::setPosition(double x, double y)
{
    m_x = x;
    m_y = y;
}

void PrintSurface::print(const QString& text)
{
    drawText(QPointF(m_x, m_y), text, m_font, m_colour);
    m_x = 0;
    m_y += lineHeight(m_font);
}

double PrintSurface::textWidth(const QString& text) const
{
    return measureText(text, m_font);
}

void PrintSurface::line(QPointF from, QPointF to, const QColor& colour)
{
    drawLine(from, to, colour);
}

bool PrintSurface::paintPicture(const QImage& picture, const QRectF& box)
{
    if (picture.isNull() || box.isEmpty())
        return false;
    return drawPicture(picture, box);
}

void PrintSurface::newPage()
{
    beginPage();
    ++m_pages;
    m_x = m_y = 0;
}

bool PrintSurface::endDoc()
{
    if (m_endsHeld > 0) {
        --m_endsHeld;
        newPage();
        m_continuing = true;
        return true;
    }
    return finish();
}

bool printCopies(PrintSurface& surface, int copies, const PrintLayout& layout)
{
    copies = std::max(1, copies);
    surface.holdEnds(copies - 1);
    bool printed = true;
    for (int i = 0; i < copies; ++i)
        printed = layout(surface, 1) && printed;
    return printed;
}

void PrintKader(PrintSurface& surface, float x1, float y1, float x2, float y2)
{
    const QColor black(0, 0, 0);
    surface.line(QPointF(x1, y1), QPointF(x2, y1), black);
    surface.line(QPointF(x2, y1), QPointF(x2, y2), black);
    surface.line(QPointF(x2, y2), QPointF(x1, y2), black);
    surface.line(QPointF(x1, y2), QPointF(x1, y1), black);
}

int copiesOf(const QString& text)
{
    bool ok = false;
    const int copies = text.trimmed().toInt(&ok);
    return ok && copies >= 1 && copies <= 10 ? copies : 1;
}
