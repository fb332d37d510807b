#include "canvas/ui/colour_swatches.h"

#include "app/application_state.h"
#include "app/colour_settings.h"
#include "canvas/ui/colorkeuze.h"
#include "widgets/double_click_label.h"
#include "widgets/interaction.h"
#include "widgets/window_background.h"

ColourSwatches::ColourSwatches(ApplicationState& state, Interaction& interaction, QWidget* area, QWidget* window)
    : QWidget(area)
    , m_state(state)
    , m_interaction(interaction)
    , m_window(window)
{
    setObjectName(QStringLiteral("ColourSwatches"));
    setGeometry(392, 340, 130, 42);
    setAccessibleName(QStringLiteral("Kleuren"));
    // A swatch with its caption beside it.
    const auto swatch = [this](const QString& name, int top, const QString& text, const QString& captionName) {
        auto* label = new DoubleClickLabel(this);
        label->setObjectName(name);
        label->setGeometry(0, top, 20, 18);
        label->setFrameShape(QFrame::Box);
        label->setToolTip(QStringLiteral(" Klik voor meer kleuren "));
        label->setAccessibleName(text);
        auto* caption = new QLabel(text, this);
        caption->setObjectName(captionName);
        caption->move(26, top + 1);
        caption->adjustSize();
        return label;
    };
    m_tekenLabel = swatch(QStringLiteral("TekenLabel"), 0, QStringLiteral("Tekenkleur"), QStringLiteral("Label10"));
    m_vulLabel = swatch(QStringLiteral("VulLabel"), 22, QStringLiteral("Opvulkleur"), QStringLiteral("Label11"));
    connect(m_tekenLabel, &DoubleClickLabel::clicked, this, &ColourSwatches::TekenLabel_Click);
    connect(m_vulLabel, &DoubleClickLabel::clicked, this, &ColourSwatches::VulLabel_Click);
    connect(&m_state, &ApplicationState::coloursChanged, this, &ColourSwatches::showColours);
    showColours();
}

void ColourSwatches::showColours()
{
    const ColourParts draw = m_state.TekenKleur(), fill = m_state.VulKleur();
    setBackground(m_tekenLabel, toQColor(draw.r, draw.g, draw.b));
    setBackground(m_vulLabel, toQColor(fill.r, fill.g, fill.b));
    // A screen reader tells the colour as its red, green and blue.
    m_tekenLabel->setAccessibleDescription(QStringLiteral("%1, %2, %3").arg(draw.r).arg(draw.g).arg(draw.b));
    m_vulLabel->setAccessibleDescription(QStringLiteral("%1, %2, %3").arg(fill.r).arg(fill.g).arg(fill.b));
}

void ColourSwatches::TekenLabel_Click()
{
    chooseColour(true);
}

void ColourSwatches::VulLabel_Click()
{
    chooseColour(false);
}

void ColourSwatches::chooseColour(bool drawColour)
{
    ColorKeuze keuze(m_state.KeuzeKleur(), m_window);
    keuze.move(m_window->pos() + QPoint(800, drawColour ? 406 : 450));
    m_interaction.showModal(keuze);
    applyPickedColour(m_state, keuze.keuze(), drawColour);
}
