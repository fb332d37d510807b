// The fixed layout of the main window: every area and control at the place
// the album-page program has always had it (pixels at 96 dots per inch).

#include "app/ui/main_form.h"

#include "app/ui/double_click_label.h"
#include "app/ui/page_preview.h"
#include "canvas/tool_icons.h"
#include "canvas/ui/pic_edit.h"
#include "documents/supplement_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int EditAreaLeft = 428;

QLabel* caption(QWidget* parent, const QString& text, int x, int y, const QString& name = QString())
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QFrame* area(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

void Main::createPageArea()
{
    m_controls.Frame1 = area(centralWidget(), QStringLiteral("Frame1"), QRect(0, 0, 412, 574));
    auto* title = new QLabel(QStringLiteral(" A4 Supplement "), m_controls.Frame1);
    title->move(10, 4);
    title->adjustSize();

    auto* ring = new RingBinder(m_controls.Frame1);
    ring->move(17, 24);
    m_controls.Pic = new PagePreview(m_model, m_controls.Frame1);
    m_controls.Pic->move(38, 24);
    m_controls.PlaatsLabel = m_controls.Pic->PlaatsLabel;
    m_controls.CatalogusLabel = m_controls.Pic->CatalogusLabel;
    m_controls.JaartalLabel = m_controls.Pic->JaartalLabel;
    m_controls.PagLabel = m_controls.Pic->PagLabel;
    m_controls.PicImage = m_controls.Pic->PicImage;
    m_controls.OmschrijfLabel = m_controls.Pic->OmschrijfLabel;

    m_controls.ConvertKnop = new QToolButton(centralWidget());
    m_controls.ConvertKnop->setObjectName(QStringLiteral("ConvertKnop"));
    m_controls.ConvertKnop->setArrowType(Qt::LeftArrow);
    m_controls.ConvertKnop->setGeometry(413, 200, 14, 48);
    m_controls.ConvertKnop->setToolTip(QStringLiteral(" Afbeelding overzetten "));
}

QString Main::startupHelpText() const
{
    return QStringLiteral("Hier kunt u informatie plaatsen m.b.t. de steden die op ")
        + QStringLiteral("de Velinor velletjes zijn te zien. Dit kan o.a. ")
        + QStringLiteral("een beschrijving zijn van de oorsprong van de betreffende ")
        + QStringLiteral("woonplaats en hoe deze is ontstaan.") + QStringLiteral("\n\n")
        + QStringLiteral("U kunt de informatie zoeken door op het menu-item 'Help / Info...' te ")
        + QStringLiteral("te klikken en vervolgens op internet te surfen. ");
}

void Main::createEditingArea()
{
    m_controls.Frame2 = area(centralWidget(), QStringLiteral("Frame2"), QRect(EditAreaLeft, 0, 529, 437));

    auto* canvasFrame = new QFrame(m_controls.Frame2);
    canvasFrame->setFrameShape(QFrame::Box);
    canvasFrame->setGeometry(12, 14, 504, 264);
    m_controls.PicEdit = new PicEdit(m_model.canvas(), m_controls.Frame2);
    m_controls.PicEdit->move(14, 16);

    createToolRow(m_controls.Frame2);

    createProgressArea(m_controls.Frame2);

    m_controls.Label12 = caption(m_controls.Frame2, QStringLiteral("Lijndikte : 2 pixels"), 266, 340, QStringLiteral("Label12"));
    // As wide as its widest text, "... 5 pixels", in the font the desktop gives.
    m_controls.Label12->setFixedWidth(
        std::max(118, m_controls.Label12->fontMetrics().horizontalAdvance(QStringLiteral("Lijndikte : 5 pixels")) + 2));
    m_controls.Slider1 = new QScrollBar(Qt::Horizontal, m_controls.Frame2);
    m_controls.Slider1->setObjectName(QStringLiteral("Slider1"));
    m_controls.Slider1->setGeometry(266, 358, 110, 17);
    m_controls.Slider1->setRange(1, 5);
    m_controls.Slider1->setValue(2);
    m_controls.Slider1->setPageStep(1);
    m_controls.Slider1->setEnabled(false);

    createColourSwatches(m_controls.Frame2);

    m_controls.OpenKnop = new QPushButton(QStringLiteral("Open Velletje"), m_controls.Frame2);
    m_controls.OpenKnop->setObjectName(QStringLiteral("OpenKnop"));
    m_controls.OpenKnop->setGeometry(266, 384, 110, 26);
    m_controls.OpenKnop->setToolTip(QStringLiteral(" Open orgineel velletje "));

    m_controls.TekstKnop = new QToolButton(m_controls.Frame2);
    m_controls.TekstKnop->setObjectName(QStringLiteral("TekstKnop"));
    m_controls.TekstKnop->setGeometry(392, 388, 30, 30);
    m_controls.TekstKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::textPanel(true))));
    m_controls.TekstKnop->setIconSize(QSize(24, 24));
    m_controls.TekstKnop->setToolTip(QStringLiteral(" Tekstblad openen "));
    m_controls.TekstKnop->setEnabled(false);
    caption(m_controls.Frame2, QStringLiteral("Tekst invoegen"), 428, 396);

    m_controls.TextPanelArea = new QWidget(m_controls.Frame2);
    m_controls.TextPanelArea->setGeometry(0, 437, 529, 98);
    m_controls.TextPanelArea->setObjectName(QStringLiteral("TextPanelArea"));
    createTextPanel(m_controls.TextPanelArea);
    m_controls.TextPanelArea->hide(); // until the panel is opened
}

// The progress bars and the coordinates under the canvas.
void Main::createProgressArea(QWidget* area)
{
    // Standing on the bar whatever the font's height.
    QLabel* progress = caption(area, QStringLiteral("Progress"), 12, 340);
    progress->move(12, std::min(340, 356 - progress->height()));
    m_controls.Bar = new QLabel(area);
    m_controls.Bar->setObjectName(QStringLiteral("Bar"));
    m_controls.Bar->setGeometry(12, 356, 242, 22);
    m_controls.Bar->setFrameShape(QFrame::Panel);
    m_controls.Bar->setFrameShadow(QFrame::Sunken);
    m_controls.Bar->setAutoFillBackground(true);
    m_controls.Bar->setStyleSheet(QStringLiteral("background: white;"));
    m_controls.ProgBar = new QProgressBar(area);
    m_controls.ProgBar->setObjectName(QStringLiteral("ProgBar"));
    m_controls.ProgBar->setGeometry(12, 382, 242, 20);
    m_controls.ProgBar->setRange(0, 100);
    m_controls.ProgBar->setValue(0);
    m_controls.ProgBar->setTextVisible(false);
    m_controls.ProgBar->hide(); // shown only while a command that drives it runs
    m_controls.CoorLabel = caption(area, QStringLiteral("Coördinaten :"), 12, 410, QStringLiteral("CoorLabel"));
    m_controls.CoorLabel->setFixedWidth(242);
}

// The draw and fill colour swatches.
void Main::createColourSwatches(QWidget* area)
{
    // A swatch with its caption beside it; a click opens the colour chooser.
    const auto swatch = [area](const QString& name, int top, const QString& text, const QString& captionName) {
        auto* label = new DoubleClickLabel(area);
        label->setObjectName(name);
        label->setGeometry(392, top, 20, 18);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        label->setToolTip(QStringLiteral(" Klik voor meer kleuren "));
        caption(area, text, 418, top + 1, captionName);
        return label;
    };
    m_controls.TekenLabel =
        swatch(QStringLiteral("TekenLabel"), 340, QStringLiteral("Tekenkleur"), QStringLiteral("Label10"));
    m_controls.VulLabel =
        swatch(QStringLiteral("VulLabel"), 362, QStringLiteral("Opvulkleur"), QStringLiteral("Label11"));
}

void Main::createToolRow(QWidget* parent)
{
    static const QStringList names = {
        QStringLiteral("Potlood"),        QStringLiteral("Rechte lijn"),    QStringLiteral("Rechthoek"),
        QStringLiteral("Gevulde rechthoek"), QStringLiteral("Ellips"),     QStringLiteral("Gevulde ellips"),
        QStringLiteral("Vullen"),         QStringLiteral("Spuitbus"),       QStringLiteral("Gum"),
        QStringLiteral("Kleur opvragen"), QStringLiteral("Gekleurde cirkels"), QStringLiteral("Foto in rechthoek")};
    for (int i = 1; i <= 12; ++i) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QStringLiteral("Knop%1").arg(i));
        button->setGeometry(12 + 42 * (i - 1), 292, i == 12 ? 43 : 42, 38);
        button->setIcon(QIcon(QPixmap::fromImage(ToolIcons::tool(i))));
        button->setIconSize(QSize(32, 32));
        button->setAutoFillBackground(true);
        button->setStyleSheet(QStringLiteral("QToolButton { background: rgb(250,250,200); border: 1px solid rgb(160,160,140); }"
                                             "QToolButton:disabled { background: rgb(235,235,215); }"));
        button->setEnabled(false);
        button->setToolTip(QLatin1Char(' ') + names.at(i - 1) + QLatin1Char(' '));
        m_controls.Knop[i] = button;
    }
    m_controls.KnopPijl = new QLabel(parent);
    m_controls.KnopPijl->setObjectName(QStringLiteral("KnopPijl"));
    m_controls.KnopPijl->setPixmap(QPixmap::fromImage(ToolIcons::marker()));
    m_controls.KnopPijl->setGeometry(27, 327, 12, 10);
    m_controls.KnopPijl->hide();
}

void Main::createTextPanel(QWidget* panel)
{
    caption(panel, QStringLiteral("Omschrijving tekst"), 12, 2);
    m_controls.Text1 = new QLineEdit(QStringLiteral("Voorbeeld"), panel);
    m_controls.Text1->setObjectName(QStringLiteral("Text1"));
    m_controls.Text1->setGeometry(12, 18, 170, 22);
    m_controls.Text1->setStyleSheet(QStringLiteral("background: rgb(230,220,210);"));

    caption(panel, QStringLiteral("Lettertype"), 190, 2);
    m_controls.ListFonts = new QComboBox(panel);
    m_controls.ListFonts->setObjectName(QStringLiteral("ListFonts"));
    m_controls.ListFonts->setGeometry(190, 18, 150, 22);
    m_controls.ListFonts->addItems(QFontDatabase::families());
    if (m_controls.ListFonts->findText(QStringLiteral("Arial")) < 0)
        m_controls.ListFonts->insertItem(0, QStringLiteral("Arial"));
    m_controls.ListFonts->setCurrentText(QStringLiteral("Arial"));

    caption(panel, QStringLiteral("Grootte"), 348, 2);
    m_controls.ComboSize = new QComboBox(panel);
    m_controls.ComboSize->setObjectName(QStringLiteral("ComboSize"));
    m_controls.ComboSize->setEditable(true);
    m_controls.ComboSize->setGeometry(348, 18, 60, 22);
    for (int size = 8; size <= 100; size += 2)
        m_controls.ComboSize->addItem(QString::number(size));
    m_controls.ComboSize->setCurrentText(QStringLiteral("16"));
    m_controls.ComboSize->setStyleSheet(QStringLiteral("QComboBox { background: rgb(190,230,190); }"));

    m_controls.Check1 = new QCheckBox(QStringLiteral("Schaduwtekst"), panel);
    m_controls.Check1->setObjectName(QStringLiteral("Check1"));
    m_controls.Check1->move(12, 46);
    m_controls.CheckBold = new QCheckBox(QStringLiteral("Bold"), panel);
    m_controls.CheckBold->setObjectName(QStringLiteral("CheckBold"));
    m_controls.CheckBold->move(124, 46);
    m_controls.CheckItalic = new QCheckBox(QStringLiteral("Italic"), panel);
    m_controls.CheckItalic->setObjectName(QStringLiteral("CheckItalic"));
    m_controls.CheckItalic->move(180, 46);
    m_controls.CheckOnderstreept = new QCheckBox(QStringLiteral("Onderstreept"), panel);
    m_controls.CheckOnderstreept->setObjectName(QStringLiteral("CheckOnderstreept"));
    m_controls.CheckOnderstreept->move(240, 46);
    m_controls.CheckVer = new QCheckBox(QStringLiteral("Richting"), panel);
    m_controls.CheckVer->setObjectName(QStringLiteral("CheckVer"));
    m_controls.CheckVer->move(12, 70);

    m_controls.AchtergrondKnop = new QToolButton(panel);
    m_controls.AchtergrondKnop->setObjectName(QStringLiteral("AchtergrondKnop"));
    m_controls.AchtergrondKnop->setGeometry(112, 68, 24, 24);
    m_controls.AchtergrondKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::backgroundPicture())));
    m_controls.AchtergrondKnop->setStyleSheet(QStringLiteral("QToolButton { background: rgb(156,235,174); }"));
    m_controls.AchtergrondKnop->setEnabled(false);
    caption(panel, QStringLiteral("Achtergrondplaatje"), 140, 73);

    m_controls.PlaatsKnop = new QPushButton(QStringLiteral("Plaatsen"), panel);
    m_controls.PlaatsKnop->setObjectName(QStringLiteral("PlaatsKnop"));
    m_controls.PlaatsKnop->setGeometry(300, 66, 80, 26);
    m_controls.PlaatsKnop->setEnabled(false);

    createDirectionPad(panel);

    m_controls.Label19 = new QLabel(QStringLiteral("Tekst"), m_controls.PicEdit);
    m_controls.Label19->setObjectName(QStringLiteral("Label19"));
    m_controls.Label19->hide();
}

// The direction part of the text panel: a 3 x 3 grid of arrows between two lines, and the angle they set.
void Main::createDirectionPad(QWidget* panel)
{
    m_controls.Line1 = new QFrame(panel);
    m_controls.Line1->setGeometry(414, 2, 1, 90);
    m_controls.Line2 = new QFrame(panel);
    m_controls.Line2->setGeometry(520, 2, 1, 90);
    for (QFrame* line : {m_controls.Line1, m_controls.Line2}) {
        line->setAutoFillBackground(true);
        line->setStyleSheet(QStringLiteral("background: rgb(170,170,170);"));
    }
    for (int i = 0; i <= 8; ++i) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QStringLiteral("AngleKnop%1").arg(i));
        button->setGeometry(420 + 16 * (i % 3), 20 + 16 * (i / 3), 16, 16);
        button->setIcon(QIcon(QPixmap::fromImage(ToolIcons::direction(i))));
        button->setEnabled(false);
        button->setVisible(i != 4);
        m_controls.AngleKnop[i] = button;
    }
    m_controls.AngleLabel = caption(panel, QStringLiteral("90"), 476, 22, QStringLiteral("AngleLabel"));
    m_controls.AngleLabel->setFixedWidth(40);
    m_controls.AngleImg = new QLabel(panel);
    m_controls.AngleImg->setObjectName(QStringLiteral("AngleImg"));
    m_controls.AngleImg->setGeometry(478, 44, 16, 16);
    m_controls.AngleImg->setPixmap(QPixmap::fromImage(ToolIcons::direction(1)));
}

void Main::createStatusLine()
{
    m_controls.Frame3 = area(centralWidget(), QStringLiteral("Frame3"), QRect(EditAreaLeft, 438, 529, 37));
    m_controls.InfoLabel = caption(m_controls.Frame3, QStringLiteral("Informatie"), 10, 2, QStringLiteral("InfoLabel"));
    // Two lines of the status line's height, so a long message is read whole.
    m_controls.InfoLabel->setFixedSize(330, 33);
    m_controls.InfoLabel->setWordWrap(true);
    m_controls.InfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_controls.KlokLabel = caption(m_controls.Frame3, QStringLiteral("00:00:00"), 345, 11, QStringLiteral("KlokLabel"));
    m_controls.KlokLabel->setFixedWidth(176);
    m_controls.KlokLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Main::createCataloguePanel()
{
    m_controls.Frame4 = area(centralWidget(), QStringLiteral("Frame4"), QRect(EditAreaLeft, 476, 529, 98));
    const QStringList captions = {QStringLiteral("Catalogus nummer :"), QStringLiteral("Ontwerp :"),
                                  QStringLiteral("Datum van uitgifte :"), QStringLiteral("Oplage :"),
                                  QStringLiteral("Nominale waarde :"), QStringLiteral("Tanding :"),
                                  QStringLiteral("Afmeting :"), QStringLiteral("Catalogus prijs :")};
    for (int i = 0; i <= 8; ++i) {
        const int column = i < 4 ? 0 : 1;
        const int row = i < 8 ? i % 4 : 3;
        const int captionX = i == 8 ? 454 : 8 + 236 * column;
        const int y = 8 + 21 * row;
        const QLabel* label = caption(m_controls.Frame4, i == 8 ? QStringLiteral("Nr.") : captions.at(i), captionX, y);
        // The value starts after its caption, however wide the desktop's font makes it; it ends where it always did.
        const int valueX = std::max(i == 8 ? 480 : captionX + 120, label->geometry().right() + 4);
        const int valueRight = (i == 8 ? 480 + 44 : captionX + 120 + (column == 0 ? 106 : 88));
        auto* value = new QLabel(QStringLiteral("0"), m_controls.Frame4);
        value->setObjectName(QStringLiteral("Infolab%1").arg(i));
        value->setGeometry(valueX, y, valueRight - valueX, std::max(17, value->sizeHint().height()));
        m_controls.Infolab[i] = value;
    }
}
