#include "canvas/palette.h"

#include <QPainter>

#include <algorithm>

namespace Palette {

QColor boxColour(int box)
{
    const int column = box / Rows;
    const int row = box % Rows;
    // Level 256 - 16 row; 256 cannot be shown and becomes 255.
    const int level = std::min(255, 256 - 16 * row);
    switch (column) {
    case 0:
        return row == Rows - 1 ? QColor(0, 0, 0) : QColor(level, level, level);
    case 1:
        return QColor(level, 0, 0);
    case 2:
        return QColor(0, level, 0);
    case 3:
        return QColor(0, 0, level);
    case 4:
        return QColor(level, level, 0);
    case 5:
        return QColor(0, level, level);
    case 6:
        return QColor(level, 0, level);
    default:
        return QColor(255, 255, 255);
    }
}

QImage build()
{
    QImage image(ImageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    for (int box = 0; box < Columns * Rows; ++box) {
        const int x = BoxSize * (box / Rows);
        const int y = BoxSize * (box % Rows);
        painter.setBrush(boxColour(box));
        painter.drawRect(x, y, BoxSize, BoxSize);
    }
    return image;
}

} // namespace Palette
