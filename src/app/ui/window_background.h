#pragma once

// The colour behind a widget's children, as the colour settings choose it.

class QColor;
class QWidget;

// Only the background: buttons, combo boxes and the menu bar keep their own colours and stay readable.
void setBackground(QWidget* widget, const QColor& colour);
