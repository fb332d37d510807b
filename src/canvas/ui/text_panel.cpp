#include "canvas/ui/text_panel.h"

#include "app/application_state.h"
#include "app/colour.h"
#include "app/rounding.h"
#include "canvas/canvas_document.h"
#include "canvas/canvas_text.h"
#include "canvas/tool_icons.h"
#include "perforation/ui/photo_menu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TextPanel::TextPanel(CanvasDocument& canvas, ApplicationState& state, StatusLine status,
                     const TextPanelControls& controls, PhotoMenu& photos, QObject* parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_state(state)
    , m_status(status)
    , m_controls(controls)
    , m_photos(photos)
{
    const TextPanelControls& c = controls;
    m_lastSize = CanvasText::parseSize(c.ComboSize->currentText()).value_or(16);
    c.Label19->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(c.TekstKnop, &QToolButton::clicked, this, &TextPanel::TekstKnop_Click);
    connect(c.CheckVer, &QCheckBox::clicked, this, &TextPanel::CheckVer_Click);
    for (int i = 0; i <= 8; ++i)
        connect(c.AngleKnop[i], &QToolButton::clicked, this, [this, i] { AngleKnop_Click(i); });
    connect(c.PlaatsKnop, &QPushButton::clicked, this, &TextPanel::PlaatsKnop_Click);
    connect(c.AchtergrondKnop, &QToolButton::clicked, this, &TextPanel::AchtergrondKnop_Click);
}

void TextPanel::setButtonsEnabled(bool on)
{
    for (QWidget* button : {static_cast<QWidget*>(m_controls.TekstKnop), static_cast<QWidget*>(m_controls.AchtergrondKnop),
                            static_cast<QWidget*>(m_controls.PlaatsKnop)})
        button->setEnabled(on);
}

void TextPanel::movePreview(QPointF at)
{
    QLabel* preview = m_controls.Label19;
    preview->move(int(at.x()) - preview->width() - 5, int(at.y()) - preview->height() - 5);
}

void TextPanel::TekstKnop_Click()
{
    const TextPanelControls& c = m_controls;
    m_open = !m_open;
    c.TekstKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::textPanel(!m_open))));
    c.TekstKnop->setToolTip(m_open ? QStringLiteral(" Tekstblad sluiten ") : QStringLiteral(" Tekstblad openen "));
    // Closing the panel ends a pending placement.
    if (!m_open) {
        m_state.TekstPlaatsen = false;
        c.Label19->hide();
    }
    Q_EMIT panelToggled(m_open);
}

void TextPanel::CheckVer_Click()
{
    const TextPanelControls& c = m_controls;
    const bool on = c.CheckVer->isChecked();
    for (QToolButton* button : c.AngleKnop)
        button->setEnabled(on);
    const QString colour =
        on ? QStringLiteral("background: rgb(100,100,190);") : QStringLiteral("background: rgb(170,170,170);");
    c.Line1->setStyleSheet(colour);
    c.Line2->setStyleSheet(colour);
}

void TextPanel::AngleKnop_Click(int index)
{
    if (index < 0 || index > 8)
        return;
    const TextPanelControls& c = m_controls;
    m_state.TekstHoek = Richtingen[index];
    c.AngleLabel->setText(QString::number(Richtingen[index] / 10) + QChar(0xB0));
    c.AngleImg->setPixmap(QPixmap::fromImage(ToolIcons::direction(index)));
}

std::optional<TextFont> TextPanel::panelFont()
{
    const TextPanelControls& c = m_controls;
    const std::optional<double> size = CanvasText::parseSize(c.ComboSize->currentText());
    if (!size) {
        c.ComboSize->setCurrentText(QString::number(m_lastSize));
        return std::nullopt;
    }
    m_lastSize = *size;
    return TextFont{c.ListFonts->currentText(), *size, c.CheckBold->isChecked(), c.CheckItalic->isChecked(),
                    c.CheckOnderstreept->isChecked()};
}

void TextPanel::PlaatsKnop_Click()
{
    const TextPanelControls& c = m_controls;
    if (c.Text1->text().trimmed().isEmpty())
        return;
    // A size that is no number falls back to the last good one, which the size box shows again.
    std::optional<TextFont> font = panelFont();
    if (!font)
        font = panelFont();
    if (!font)
        return;
    const ApplicationState& state = m_state;
    c.Label19->setFont(CanvasSurface::canvasFont(*font));
    QPalette palette = c.Label19->palette();
    palette.setColor(QPalette::WindowText, toQColor(state.TekenR, state.TekenG, state.TekenB));
    c.Label19->setPalette(palette);
    c.Label19->setText(c.Text1->text() + QLatin1Char(' '));
    c.Label19->adjustSize();
    c.Label19->show();
    c.Label19->raise();
    m_state.TekstPlaatsen = true;
    m_status.ToonInfo(QStringLiteral("Kies positie en klik links om de tekst te plaatsen"), 0);
}

void TextPanel::place(Qt::MouseButton, QPointF at)
{
    const TextPanelControls& c = m_controls;
    bool placed = false;
    if (c.CheckVer->isChecked()) {
        const QPointF start(double(RondAf(at.x())) - 2, double(RondAf(at.y())) - 2);
        placed = drawText(start, c.Text1->text(), m_state.TekstHoek);
    } else {
        const QSize preview = c.Label19->size();
        placed = MaakTekst(at.x() - preview.width() - 5, int(RondAf(at.y() - preview.height() - 5)), c.Text1->text());
    }
    c.Label19->hide();
    m_state.TekstPlaatsen = false;
    if (placed)
        m_status.ToonInfo(QStringLiteral("Informatie..."), 0);
    else
        m_status.ToonInfo(QStringLiteral("De lettergrootte is geen getal: de tekst is niet geplaatst."), 1);
}

bool TextPanel::MaakTekst(double cX, int cY, const QString& Cs)
{
    return drawText(QPointF(cX, cY), Cs, std::nullopt);
}

bool TextPanel::drawText(QPointF at, const QString& text, std::optional<int> angleTenths)
{
    const std::optional<TextFont> font = panelFont();
    if (!font)
        return false;
    const TextPanelControls& c = m_controls;
    const ApplicationState& s = m_state;
    const bool halo = c.Check1->isChecked();
    const QColor drawColour = toQColor(s.TekenR, s.TekenG, s.TekenB);
    const QColor fillColour = toQColor(s.VulR, s.VulG, s.VulB);
    CanvasDocument& document = m_canvas;
    document.change(QStringLiteral("Tekst"), [&](QImage&) {
        CanvasText::draw(document.surface(), at, text, *font, angleTenths, halo, drawColour, fillColour);
    });
    return true;
}

void TextPanel::AchtergrondKnop_Click()
{
    m_photos.FotoLaden(0, 0, 500, 260);
}
