#pragma once

// The small pictures on the editing area's buttons, drawn in code so that
// they scale with nothing and need no picture files.

#include <QImage>

namespace ToolIcons {

QImage tool(int number);       // 32 x 32 icon of drawing tool 1..12
QImage marker();               // the arrow under the selected tool button
QImage textPanel(bool closed); // the text panel button: open (closed = true) or close
QImage direction(int index);   // 16 x 16 arrow of direction button 0..8 (4: none)
QImage backgroundPicture();    // the background picture button

} // namespace ToolIcons
