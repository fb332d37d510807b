#include "widgets/status_line.h"

#include "widgets/window_background.h"

#include <QLabel>

StatusLine::StatusLine(QLabel* infoLabel)
    : m_infoLabel(infoLabel)
{}

void StatusLine::ToonInfo(const QString& text, int warning) const
{
    m_infoLabel->setText(text);
    m_infoLabel->setToolTip(text);
    // On the panel colour the user chose: black and dark red on a light one, white and light red on a dark one.
    const QColor panel = m_infoLabel->parentWidget()->palette().color(QPalette::Window);
    QPalette palette = m_infoLabel->palette();
    palette.setColor(QPalette::WindowText,
                     warning == 1 ? readableOn(panel, QColor(155, 0, 0), QColor(255, 150, 150)) : readableOn(panel));
    m_infoLabel->setPalette(palette);
}
