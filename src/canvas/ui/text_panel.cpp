#include "canvas/ui/text_panel.h"

#include "app/application_state.h"
#include "app/colour.h"
#include "app/rounding.h"
#include "canvas/canvas_document.h"
#include "canvas/canvas_text.h"
#include "canvas/tool_icons.h"
#include "widgets/arrow_steps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {

QLabel* caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QColor colourOf(const ColourParts& colour)
{
    return toQColor(colour.r, colour.g, colour.b);
}

} // namespace

TextPanel::TextPanel(CanvasDocument& document, ApplicationState& state, StatusLine status, QWidget* area,
                     QWidget* canvas)
    : QWidget(area)
    , m_document(document)
    , m_state(state)
    , m_status(status)
{
    setObjectName(QStringLiteral("TextPanel"));
    setAccessibleName(QStringLiteral("Tekstblad"));
    setGeometry(0, 437, 529, 98);
    hide(); // until it is opened: a hidden panel takes no keys and is not in the Tab chain

    m_tekstKnop = named(new QToolButton(area), QStringLiteral("TekstKnop"));
    m_tekstKnop->setGeometry(392, 388, 30, 30);
    m_tekstKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::textPanel(true))));
    m_tekstKnop->setIconSize(QSize(24, 24));
    m_tekstKnop->setToolTip(QStringLiteral(" Tekstblad openen "));
    m_tekstKnop->setAccessibleName(QStringLiteral("Tekstblad openen"));
    m_tekstKnop->setEnabled(false);
    caption(area, QStringLiteral("Tekst invoegen"), 428, 396);

    m_label19 = named(new QLabel(QStringLiteral("Tekst"), canvas), QStringLiteral("Label19"));
    m_label19->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label19->hide();

    createControls();
    createDirectionPad();
    createPlacementKeys(canvas);
    m_lastSize = CanvasText::parseSize(m_comboSize->currentText()).value_or(16);

    connect(m_tekstKnop, &QToolButton::clicked, this, &TextPanel::TekstKnop_Click);
    connect(m_checkVer, &QCheckBox::clicked, this, &TextPanel::CheckVer_Click);
    for (int i = 0; i <= 8; ++i)
        connect(m_angleKnop[i], &QToolButton::clicked, this, [this, i] { AngleKnop_Click(i); });
    connect(m_plaatsKnop, &QPushButton::clicked, this, &TextPanel::PlaatsKnop_Click);
    connect(m_achtergrondKnop, &QToolButton::clicked, this, &TextPanel::AchtergrondKnop_Click);
    connect(&m_state, &ApplicationState::tekstHoekChanged, this,
            [this](int tenths) { m_angleLabel->setText(QString::number(tenths / 10) + QChar(0xB0)); });
}

void TextPanel::createControls()
{
    caption(this, QStringLiteral("Omschrijving tekst"), 12, 2);
    m_text1 = named(new QLineEdit(QStringLiteral("Voorbeeld"), this), QStringLiteral("Text1"));
    m_text1->setGeometry(12, 18, 170, 22);
    m_text1->setAccessibleName(QStringLiteral("Omschrijving tekst"));
    m_text1->setStyleSheet(QStringLiteral("background: rgb(230,220,210);"));

    caption(this, QStringLiteral("Lettertype"), 190, 2);
    m_listFonts = named(new QComboBox(this), QStringLiteral("ListFonts"));
    m_listFonts->setGeometry(190, 18, 150, 22);
    m_listFonts->setAccessibleName(QStringLiteral("Lettertype"));
    m_listFonts->addItems(QFontDatabase::families());
    if (m_listFonts->findText(QStringLiteral("Arial")) < 0)
        m_listFonts->insertItem(0, QStringLiteral("Arial"));
    m_listFonts->setCurrentText(QStringLiteral("Arial"));

    caption(this, QStringLiteral("Grootte"), 348, 2);
    m_comboSize = named(new QComboBox(this), QStringLiteral("ComboSize"));
    m_comboSize->setEditable(true);
    m_comboSize->setGeometry(348, 18, 60, 22);
    m_comboSize->setAccessibleName(QStringLiteral("Grootte"));
    m_comboSize->lineEdit()->setAccessibleName(QStringLiteral("Grootte"));
    for (int size = 8; size <= 100; size += 2)
        m_comboSize->addItem(QString::number(size));
    m_comboSize->setCurrentText(QStringLiteral("16"));
    m_comboSize->setStyleSheet(QStringLiteral("QComboBox { background: rgb(190,230,190); }"));

    const auto check = [this](const QString& name, const QString& text, int x, int y) {
        auto* box = named(new QCheckBox(text, this), name);
        box->move(x, y);
        return box;
    };
    m_check1 = check(QStringLiteral("Check1"), QStringLiteral("Schaduwtekst"), 12, 46);
    m_checkBold = check(QStringLiteral("CheckBold"), QStringLiteral("Bold"), 124, 46);
    m_checkItalic = check(QStringLiteral("CheckItalic"), QStringLiteral("Italic"), 180, 46);
    m_checkOnderstreept = check(QStringLiteral("CheckOnderstreept"), QStringLiteral("Onderstreept"), 240, 46);
    m_checkVer = check(QStringLiteral("CheckVer"), QStringLiteral("Richting"), 12, 70);

    m_achtergrondKnop = named(new QToolButton(this), QStringLiteral("AchtergrondKnop"));
    m_achtergrondKnop->setGeometry(112, 68, 24, 24);
    m_achtergrondKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::backgroundPicture())));
    m_achtergrondKnop->setStyleSheet(QStringLiteral("QToolButton { background: rgb(156,235,174); }"));
    m_achtergrondKnop->setEnabled(false);
    m_achtergrondKnop->setAccessibleName(QStringLiteral("Achtergrondplaatje"));
    caption(this, QStringLiteral("Achtergrondplaatje"), 140, 73);

    m_plaatsKnop = named(new QPushButton(QStringLiteral("Plaatsen"), this), QStringLiteral("PlaatsKnop"));
    m_plaatsKnop->setGeometry(300, 66, 80, 26);
    m_plaatsKnop->setEnabled(false);
}

// The direction part of the panel: a 3 x 3 grid of arrows between two lines, and the angle they set.
void TextPanel::createDirectionPad()
{
    m_line1 = named(new QFrame(this), QStringLiteral("Line1"));
    m_line1->setGeometry(414, 2, 1, 90);
    m_line2 = named(new QFrame(this), QStringLiteral("Line2"));
    m_line2->setGeometry(520, 2, 1, 90);
    for (QFrame* line : {m_line1, m_line2}) {
        line->setAccessibleName(QStringLiteral("Scheidingslijn"));
        line->setAutoFillBackground(true);
        line->setStyleSheet(QStringLiteral("background: rgb(170,170,170);"));
    }
    for (int i = 0; i <= 8; ++i) {
        auto* button = named(new QToolButton(this), QStringLiteral("AngleKnop%1").arg(i));
        button->setGeometry(420 + 16 * (i % 3), 20 + 16 * (i / 3), 16, 16);
        button->setIcon(QIcon(QPixmap::fromImage(ToolIcons::direction(i))));
        button->setEnabled(false);
        button->setVisible(i != 4);
        button->setAccessibleName(QStringLiteral("Richting %1°").arg(Richtingen[i] / 10));
        m_angleKnop[i] = button;
    }
    m_angleLabel = named(caption(this, QStringLiteral("90"), 476, 22), QStringLiteral("AngleLabel"));
    m_angleLabel->setFixedWidth(40);
    m_angleImg = named(new QLabel(this), QStringLiteral("AngleImg"));
    m_angleImg->setGeometry(478, 44, 16, 16);
    m_angleImg->setAccessibleName(QStringLiteral("Gekozen richting"));
    m_angleImg->setPixmap(QPixmap::fromImage(ToolIcons::direction(1)));
}

void TextPanel::setButtonsEnabled(bool on)
{
    for (QWidget* button : {static_cast<QWidget*>(m_tekstKnop), static_cast<QWidget*>(m_achtergrondKnop),
                            static_cast<QWidget*>(m_plaatsKnop)})
        button->setEnabled(on);
}

void TextPanel::createPlacementKeys(QWidget* canvas)
{
    const auto key = [this, canvas](QKeySequence sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, canvas);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, action);
        connect(&m_state, &ApplicationState::tekstPlaatsenChanged, shortcut, &QShortcut::setEnabled);
    };
    for (const auto& [arrow, step] : ArrowSteps) {
        key(QKeySequence(arrow), [this, step = QPointF(step)] { movePreview(m_placeAt + step); });
        key(QKeySequence(Qt::SHIFT | arrow), [this, step = QPointF(step)] { movePreview(m_placeAt + 10 * step); });
    }
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        key(QKeySequence(enter), [this] { place(Qt::LeftButton, m_placeAt); });
    key(QKeySequence(Qt::Key_Escape), [this] { cancelPlacement(); });
}

void TextPanel::cancelPlacement()
{
    m_state.setTekstPlaatsen(false);
    m_label19->hide();
    m_status.ToonInfo(QStringLiteral("Informatie..."), 0);
}

void TextPanel::movePreview(QPointF at)
{
    m_placeAt = at;
    m_label19->move(int(at.x()) - m_label19->width() - 5, int(at.y()) - m_label19->height() - 5);
}

void TextPanel::TekstKnop_Click()
{
    m_open = !m_open;
    m_tekstKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::textPanel(!m_open))));
    m_tekstKnop->setToolTip(m_open ? QStringLiteral(" Tekstblad sluiten ") : QStringLiteral(" Tekstblad openen "));
    // Closing the panel ends a pending placement.
    if (!m_open) {
        m_state.setTekstPlaatsen(false);
        m_label19->hide();
    }
    setVisible(m_open);
    // No drawing tool answers while the panel is open; after it, none is selected.
    m_state.setGereedschap(m_open ? ToolMode::TextPanel : ToolMode::None);
    Q_EMIT panelToggled(m_open);
}

void TextPanel::CheckVer_Click()
{
    const bool on = m_checkVer->isChecked();
    for (QToolButton* button : m_angleKnop)
        button->setEnabled(on);
    const QString colour =
        on ? QStringLiteral("background: rgb(100,100,190);") : QStringLiteral("background: rgb(170,170,170);");
    m_line1->setStyleSheet(colour);
    m_line2->setStyleSheet(colour);
}

void TextPanel::AngleKnop_Click(int index)
{
    if (index < 0 || index > 8)
        return;
    m_state.setTekstHoek(Richtingen[index]);
    m_angleImg->setPixmap(QPixmap::fromImage(ToolIcons::direction(index)));
}

std::optional<TextFont> TextPanel::panelFont()
{
    const std::optional<double> size = CanvasText::parseSize(m_comboSize->currentText());
    if (!size) {
        m_comboSize->setCurrentText(QString::number(m_lastSize));
        return std::nullopt;
    }
    m_lastSize = *size;
    return TextFont{m_listFonts->currentText(), *size, m_checkBold->isChecked(), m_checkItalic->isChecked(),
                    m_checkOnderstreept->isChecked()};
}

void TextPanel::PlaatsKnop_Click()
{
    if (m_text1->text().trimmed().isEmpty())
        return;
    // A size that is no number falls back to the last good one, which the size box shows again.
    std::optional<TextFont> font = panelFont();
    if (!font)
        font = panelFont();
    if (!font)
        return;
    m_label19->setFont(CanvasSurface::canvasFont(*font));
    QPalette palette = m_label19->palette();
    palette.setColor(QPalette::WindowText, colourOf(m_state.TekenKleur()));
    m_label19->setPalette(palette);
    m_label19->setText(m_text1->text() + QLatin1Char(' '));
    m_label19->adjustSize();
    m_label19->show();
    m_label19->raise();
    movePreview(m_placeAt);
    m_label19->parentWidget()->setFocus(Qt::OtherFocusReason); // the keys that move it go to the canvas
    m_state.setTekstPlaatsen(true);
    m_status.ToonInfo(QStringLiteral("Kies positie en klik links om de tekst te plaatsen"), 0);
}

void TextPanel::place(Qt::MouseButton, QPointF at)
{
    bool placed = false;
    if (m_checkVer->isChecked()) {
        const QPointF start(double(RondAf(at.x())) - 2, double(RondAf(at.y())) - 2);
        placed = drawText(start, m_text1->text(), m_state.TekstHoek());
    } else {
        const QSize preview = m_label19->size();
        placed = MaakTekst(at.x() - preview.width() - 5, int(RondAf(at.y() - preview.height() - 5)), m_text1->text());
    }
    m_label19->hide();
    m_state.setTekstPlaatsen(false);
    // A placed text floats, and the status line says how to move and fix it.
    if (!placed)
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
    const bool halo = m_check1->isChecked();
    const QColor drawColour = colourOf(m_state.TekenKleur()), fillColour = colourOf(m_state.VulKleur());
    // The text floats over the canvas until it is fixed, drawn each time as it would have been drawn here.
    return m_document.setFloating(
        FloatingItem::drawing(QStringLiteral("Tekst"), [=, font = *font](QImage& picture, QPoint offset) {
            CanvasSurface surface(picture);
            CanvasText::draw(surface, at + offset, text, font, angleTenths, halo, drawColour, fillColour);
        }));
}

void TextPanel::AchtergrondKnop_Click()
{
    Q_EMIT backgroundRequested();
}
