#include "app/ui/status_line.h"

#include <QLabel>

StatusLine::StatusLine(QLabel* infoLabel)
    : m_infoLabel(infoLabel)
{}

void StatusLine::ToonInfo(const QString& text, int warning) const
{
    m_infoLabel->setText(text);
    m_infoLabel->setToolTip(text);
    QPalette palette = m_infoLabel->palette();
    palette.setColor(QPalette::WindowText, warning == 1 ? QColor(155, 0, 0) : QColor(0, 0, 0));
    m_infoLabel->setPalette(palette);
}
