#include "widgets/fitted_text.h"

#include <QFontMetrics>
#include <QLabel>

void setFittedText(QLabel* label, const QString& text, int width, QFont font, int smallestPointSize)
{
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSize() > smallestPointSize)
        font.setPointSize(font.pointSize() - 1);
    label->setFont(font);
    label->setText(text);
    label->adjustSize();
}
