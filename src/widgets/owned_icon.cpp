#include "widgets/owned_icon.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QIcon drawIcon(bool owned)
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 70, 90), 1.5, Qt::DotLine));
    painter.setBrush(owned ? QColor(250, 240, 200) : QColor(255, 255, 255));
    painter.drawRect(QRectF(3.5, 2.5, 17, 19));
    if (owned) {
        painter.setPen(QPen(QColor(0, 130, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick(QPointF(7, 12));
        tick.lineTo(11, 17);
        tick.lineTo(18, 6);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    return QIcon(picture);
}

} // namespace

const QIcon& ownedIcon(bool owned)
{
    // Drawn once: the open dialog gives it to every owned sheetlet of a long list.
    static const QIcon Owned = drawIcon(true), NotOwned = drawIcon(false);
    return owned ? Owned : NotOwned;
}
