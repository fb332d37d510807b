#include "canvas/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace ToolIcons {

namespace {

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void pencil(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    QPainterPath curve(QPointF(4, 24));
    curve.cubicTo(10, 6, 18, 30, 28, 8);
    p.drawPath(curve);
}

} // namespace

QImage tool(int number)
{
    QImage image = blank(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    const QColor fill(250, 210, 40);
    p.setPen(QPen(ink, 2));
    switch (number) {
    case 1:
        pencil(p);
        break;
    case 2:
        p.drawLine(5, 27, 27, 5);
        break;
    case 3:
        p.drawRect(5, 8, 22, 16);
        break;
    case 4:
        p.setBrush(fill);
        p.drawRect(5, 8, 22, 16);
        break;
    case 5:
        p.drawEllipse(4, 8, 24, 16);
        break;
    case 6:
        p.setBrush(fill);
        p.drawEllipse(4, 8, 24, 16);
        break;
    case 7: { // a tipped bucket
        p.setBrush(QColor(200, 200, 210));
        p.drawPolygon(QPolygonF({QPointF(8, 12), QPointF(20, 6), QPointF(26, 18), QPointF(14, 24)}));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(QPointF(8, 25), 4, 3);
        break;
    }
    case 8: { // a spray can and its dots
        p.setBrush(QColor(120, 150, 220));
        p.drawRect(16, 12, 10, 16);
        p.drawRect(19, 7, 4, 5);
        p.setPen(QPen(ink, 1.5));
        for (int i = 0; i < 4; ++i)
            p.drawPoint(QPointF(5 + 3 * i, 5 + 2 * i));
        break;
    }
    case 9: { // an eraser
        p.setBrush(QColor(240, 150, 160));
        p.translate(16, 16);
        p.rotate(-35);
        p.drawRect(-11, -6, 22, 12);
        break;
    }
    case 10: { // a pipette
        p.translate(16, 16);
        p.rotate(45);
        p.setBrush(QColor(180, 220, 240));
        p.drawRect(-3, -12, 6, 18);
        p.drawLine(0, 6, 0, 13);
        break;
    }
    case 11:
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawEllipse(QPointF(11, 12), 7, 7);
        p.setPen(QPen(QColor(40, 140, 40), 2));
        p.drawEllipse(QPointF(20, 14), 7, 7);
        p.setPen(QPen(QColor(40, 60, 200), 2));
        p.drawEllipse(QPointF(15, 21), 7, 7);
        break;
    case 12: { // a photo: mountains in a dashed frame
        p.setPen(QPen(ink, 1.5, Qt::DashLine));
        p.drawRect(4, 6, 24, 20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 140, 70));
        p.drawPolygon(QPolygonF({QPointF(6, 24), QPointF(14, 13), QPointF(20, 20), QPointF(26, 24)}));
        p.setBrush(fill);
        p.drawEllipse(QPointF(21, 11), 3, 3);
        break;
    }
    default:
        break;
    }
    return image;
}

QImage marker()
{
    QImage image(12, 10, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(6, 0), QPointF(12, 10), QPointF(0, 10)}));
    return image;
}

QImage textPanel(bool closed)
{
    QImage image = blank(24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Times New Roman"), 14, QFont::Bold);
    p.setFont(font);
    p.setPen(closed ? QColor(20, 20, 120) : QColor(150, 20, 20));
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, closed ? QStringLiteral("T") : QStringLiteral("×"));
    return image;
}

QImage direction(int index)
{
    QImage image = blank(16);
    if (index == 4 || index < 0 || index > 8)
        return image;
    static constexpr int Angles[9] = {135, 90, 45, 180, 0, 0, 225, 270, 315};
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(8, 8);
    p.rotate(-Angles[index]);
    p.setPen(QPen(QColor(30, 30, 120), 1.6));
    p.drawLine(QPointF(-6, 0), QPointF(6, 0));
    p.drawLine(QPointF(6, 0), QPointF(2, -3.5));
    p.drawLine(QPointF(6, 0), QPointF(2, 3.5));
    return image;
}

QImage backgroundPicture()
{
    QImage image = blank(16);
    QPainter p(&image);
    p.fillRect(1, 2, 14, 12, QColor(150, 200, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 130, 60));
    p.drawPolygon(QPolygon({QPoint(1, 14), QPoint(6, 7), QPoint(10, 11), QPoint(15, 14)}));
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 2, 13, 11);
    return image;
}

} // namespace ToolIcons
