#pragma once

// The description as the description window's text box shows it: a box of
// 399 x 228 pixels in Arial 8.25 that wraps words at its right edge. The
// lines it displays are what the supplement file stores and the page prints.

#include <QFont>
#include <QSize>
#include <QStringList>

namespace DescriptionBox {

inline constexpr QSize Size{399, 228};
// The width the text wraps at: the box less its sunken border (2 pixels a
// side), the vertical scroll bar (17) and the edit margins (1 pixel a side).
inline constexpr int LineWidth = 399 - 4 - 17 - 2;
// At most this many displayed lines are stored; the element after them stays empty.
inline constexpr int MaxLines = 99;

// Arial 8.25 points on the 96-dpi screen the windows are laid out for: 11 pixels.
QFont font();

} // namespace DescriptionBox

// The displayed lines of the text, one element per line on screen: a typed line
// break ends an element and leaves nothing behind; a line wrapped at the edge
// keeps its trailing blank. An empty text is one empty line.
QStringList GetTextBoxZeilen(const QString& text, const QFont& font = DescriptionBox::font(),
                             int width = DescriptionBox::LineWidth);
