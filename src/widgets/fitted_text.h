#pragma once

// A label's text made smaller, point by point, until it fits a width: a long
// place name or a large count stays whole on a window laid out in pixels.

#include <QFont>

class QLabel;
class QString;

// Sets the text in font, made smaller down to smallestPointSize while the text is wider than width; the label
// takes the text's size.
void setFittedText(QLabel* label, const QString& text, int width, QFont font, int smallestPointSize = 6);
