#include "app/ui/page_preview.h"

#include <QPainter>

PagePreview::PagePreview(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Pic"));
    setFixedSize(PageSize);
}

void PagePreview::setBackground(const QColor& colour)
{
    m_background = colour;
    update();
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    // The frame around the sheetlet picture: both corners included, as the box was always drawn.
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(210, 210, 220));
    painter.drawRect(PictureFrame.adjusted(0, 0, -1, -1));
}

RingBinder::RingBinder(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Ringband"));
    setFixedSize(StripSize);
}

void RingBinder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(190, 250, 190));
    for (int k = 0; k <= 26; ++k) {
        const QPointF centre(10, 10 + 20 * k);
        painter.setPen(QColor(0, 90, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 6, 6);
        painter.setPen(QColor(0, 190, 0));
        painter.drawEllipse(centre, 5, 5);
    }
}
