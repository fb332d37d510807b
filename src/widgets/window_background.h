#pragma once

// The colour behind a widget's children, as the colour settings choose it,
// and the text on it in a colour that stays readable whatever was chosen.

class QColor;
class QWidget;

// Only the background and the text on it: buttons, combo boxes and the menu bar keep their own colours
// and stay readable.
void setBackground(QWidget* widget, const QColor& colour);

// dark on a light background, light on a dark one (by the background's perceived brightness).
QColor readableOn(const QColor& background, const QColor& dark, const QColor& light);
QColor readableOn(const QColor& background);
