#pragma once

// The four arrow keys and the pixel each moves a placement by (with Shift, ten times as far).

#include <QPoint>
#include <Qt>

#include <array>
#include <utility>

inline constexpr std::array<std::pair<Qt::Key, QPoint>, 4> ArrowSteps{{{Qt::Key_Left, QPoint(-1, 0)},
                                                                       {Qt::Key_Right, QPoint(1, 0)},
                                                                       {Qt::Key_Up, QPoint(0, -1)},
                                                                       {Qt::Key_Down, QPoint(0, 1)}}};
