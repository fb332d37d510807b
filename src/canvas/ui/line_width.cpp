#include "canvas/ui/line_width.h"

#include "app/application_state.h"

#include <QLabel>
#include <QScrollBar>

#include <algorithm>

LineWidth::LineWidth(ApplicationState& state, QWidget* area)
    : QWidget(area)
    , m_state(state)
{
    setObjectName(QStringLiteral("LineWidth"));
    setAccessibleName(QStringLiteral("Lijndikte"));
    m_label12 = new QLabel(QStringLiteral("Lijndikte : 2 pixels"), this);
    m_label12->setObjectName(QStringLiteral("Label12"));
    // As wide as its widest text, "... 5 pixels", in the font the desktop gives.
    const int width =
        std::max(118, m_label12->fontMetrics().horizontalAdvance(QStringLiteral("Lijndikte : 5 pixels")) + 2);
    m_label12->setGeometry(0, 0, width, m_label12->sizeHint().height());
    m_slider1 = new QScrollBar(Qt::Horizontal, this);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setAccessibleName(QStringLiteral("Lijndikte"));
    m_slider1->setGeometry(0, 18, 110, 17);
    m_slider1->setRange(1, 5);
    m_slider1->setValue(m_state.lineWidth());
    m_slider1->setPageStep(1);
    m_slider1->setEnabled(false);
    setGeometry(266, 340, width, 35);
    connect(m_slider1, &QScrollBar::valueChanged, this, &LineWidth::Slider1_Change);
    connect(&m_state, &ApplicationState::lineWidthChanged, this, [this](int pixels) {
        m_slider1->setValue(pixels);
        m_label12->setText(QStringLiteral("Lijndikte : %1 pixel").arg(pixels));
    });
}

void LineWidth::setSliderEnabled(bool on)
{
    m_slider1->setEnabled(on);
}

void LineWidth::Slider1_Change()
{
    m_state.setLineWidth(m_slider1->value());
}
