// The fixed layout of the main window: every area and control at the place
// the album-page program has always had it (pixels at 96 dots per inch).

#include "app/ui/main_form.h"

#include "app/ui/double_click_label.h"
#include "app/ui/page_preview.h"
#include "canvas/tool_icons.h"
#include "canvas/ui/pic_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int EditAreaLeft = 428;
const QString EditHint = QStringLiteral(" Dubbelklik voor Bewerken ");

QLabel* caption(QWidget* parent, const QString& text, int x, int y, const QString& name = QString())
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

DoubleClickLabel* pageLabel(QWidget* page, const QString& name, const QString& text, QPoint at, int pointSize, bool bold)
{
    auto* label = new DoubleClickLabel(text, page);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    label->setToolTip(EditHint);
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
    m_frame1 = area(centralWidget(), QStringLiteral("Frame1"), QRect(0, 0, 412, 574));
    auto* title = new QLabel(QStringLiteral(" A4 Supplement "), m_frame1);
    title->move(10, 4);
    title->adjustSize();

    auto* ring = new RingBinder(m_frame1);
    ring->move(17, 24);
    m_pic = new PagePreview(m_frame1);
    m_pic->move(38, 24);

    auto* titel = new QLabel(QStringLiteral("Velinor"), m_pic);
    titel->setObjectName(QStringLiteral("TitelLabel"));
    titel->setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    titel->move(100, 35);
    titel->adjustSize();

    m_plaatsLabel = pageLabel(m_pic, QStringLiteral("PlaatsLabel"), QStringLiteral("Plaatsnaam"), {130, 66}, 12, true);
    m_picImage = new QLabel(m_pic);
    m_picImage->setObjectName(QStringLiteral("PicImage"));
    m_picImage->setGeometry(44, 104, 263, 143);
    m_picImage->setScaledContents(true);
    m_catalogusLabel = pageLabel(m_pic, QStringLiteral("CatalogusLabel"), QStringLiteral("Nr."), {43, 253}, 8, false);
    m_jaartalLabel = pageLabel(m_pic, QStringLiteral("JaartalLabel"), QStringLiteral("Jaar"), {287, 253}, 8, false);
    m_pagLabel = pageLabel(m_pic, QStringLiteral("PagLabel"), QStringLiteral("1"), {335, 510}, 8, false);

    m_omschrijfLabel = new QPlainTextEdit(m_pic);
    m_omschrijfLabel->setObjectName(QStringLiteral("OmschrijfLabel"));
    m_omschrijfLabel->setGeometry(44, 290, 264, 210);
    m_omschrijfLabel->setReadOnly(true);
    m_omschrijfLabel->setFrameShape(QFrame::NoFrame);
    m_omschrijfLabel->setFont(QFont(QStringLiteral("Arial"), 6));
    m_omschrijfLabel->setToolTip(EditHint);
    m_omschrijfLabel->viewport()->setCursor(Qt::ArrowCursor);
    QPalette palette = m_omschrijfLabel->palette();
    palette.setColor(QPalette::Text, QColor(90, 90, 90));
    palette.setColor(QPalette::Base, Qt::transparent);
    m_omschrijfLabel->setPalette(palette);
    m_omschrijfLabel->setPlainText(startupHelpText());

    m_convertKnop = new QToolButton(centralWidget());
    m_convertKnop->setObjectName(QStringLiteral("ConvertKnop"));
    m_convertKnop->setArrowType(Qt::LeftArrow);
    m_convertKnop->setGeometry(413, 200, 14, 48);
    m_convertKnop->setToolTip(QStringLiteral(" Afbeelding overzetten "));
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
    m_frame2 = area(centralWidget(), QStringLiteral("Frame2"), QRect(EditAreaLeft, 0, 529, 437));

    auto* canvasFrame = new QFrame(m_frame2);
    canvasFrame->setFrameShape(QFrame::Box);
    canvasFrame->setGeometry(12, 14, 504, 264);
    m_picEdit = new PicEdit(m_frame2);
    m_picEdit->move(14, 16);

    createToolRow(m_frame2);

    caption(m_frame2, QStringLiteral("Progress"), 12, 340);
    m_bar = new QLabel(m_frame2);
    m_bar->setObjectName(QStringLiteral("Bar"));
    m_bar->setGeometry(12, 356, 242, 22);
    m_bar->setFrameShape(QFrame::Panel);
    m_bar->setFrameShadow(QFrame::Sunken);
    m_bar->setAutoFillBackground(true);
    m_bar->setStyleSheet(QStringLiteral("background: white;"));
    m_progBar = new QProgressBar(m_frame2);
    m_progBar->setObjectName(QStringLiteral("ProgBar"));
    m_progBar->setGeometry(12, 382, 242, 20);
    m_progBar->setRange(0, 100);
    m_progBar->setValue(0);
    m_progBar->setTextVisible(false);
    m_coorLabel = caption(m_frame2, QStringLiteral("Coördinaten :"), 12, 410, QStringLiteral("CoorLabel"));
    m_coorLabel->setFixedWidth(242);

    m_label12 = caption(m_frame2, QStringLiteral("Lijndikte : 2 pixels"), 266, 340, QStringLiteral("Label12"));
    m_label12->setFixedWidth(118);
    m_slider1 = new QScrollBar(Qt::Horizontal, m_frame2);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setGeometry(266, 358, 110, 17);
    m_slider1->setRange(1, 5);
    m_slider1->setValue(2);
    m_slider1->setPageStep(1);
    m_slider1->setEnabled(false);

    const QString swatchHint = QStringLiteral(" Klik voor meer kleuren ");
    m_tekenLabel = new DoubleClickLabel(m_frame2);
    m_tekenLabel->setObjectName(QStringLiteral("TekenLabel"));
    m_tekenLabel->setGeometry(392, 340, 20, 18);
    m_tekenLabel->setFrameShape(QFrame::Box);
    m_tekenLabel->setAutoFillBackground(true);
    m_tekenLabel->setToolTip(swatchHint);
    caption(m_frame2, QStringLiteral("Tekenkleur"), 418, 341, QStringLiteral("Label10"));
    m_vulLabel = new DoubleClickLabel(m_frame2);
    m_vulLabel->setObjectName(QStringLiteral("VulLabel"));
    m_vulLabel->setGeometry(392, 362, 20, 18);
    m_vulLabel->setFrameShape(QFrame::Box);
    m_vulLabel->setAutoFillBackground(true);
    m_vulLabel->setToolTip(swatchHint);
    caption(m_frame2, QStringLiteral("Opvulkleur"), 418, 363, QStringLiteral("Label11"));

    m_openKnop = new QPushButton(QStringLiteral("Open Velletje"), m_frame2);
    m_openKnop->setObjectName(QStringLiteral("OpenKnop"));
    m_openKnop->setGeometry(266, 384, 110, 26);
    m_openKnop->setToolTip(QStringLiteral(" Open orgineel velletje "));

    m_tekstKnop = new QToolButton(m_frame2);
    m_tekstKnop->setObjectName(QStringLiteral("TekstKnop"));
    m_tekstKnop->setGeometry(392, 388, 30, 30);
    m_tekstKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::textPanel(true))));
    m_tekstKnop->setIconSize(QSize(24, 24));
    m_tekstKnop->setToolTip(QStringLiteral(" Tekstblad openen "));
    m_tekstKnop->setEnabled(false);
    caption(m_frame2, QStringLiteral("Tekst invoegen"), 428, 396);

    m_frame2Lower = new QWidget(m_frame2);
    m_frame2Lower->setGeometry(0, 437, 529, 98);
    createTextPanel(m_frame2Lower);
}

void Main::createToolRow(QWidget* parent)
{
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
        m_knop[i] = button;
    }
    m_knopPijl = new QLabel(parent);
    m_knopPijl->setObjectName(QStringLiteral("KnopPijl"));
    m_knopPijl->setPixmap(QPixmap::fromImage(ToolIcons::marker()));
    m_knopPijl->setGeometry(27, 327, 12, 10);
    m_knopPijl->hide();
}

void Main::createTextPanel(QWidget* panel)
{
    caption(panel, QStringLiteral("Omschrijving tekst"), 12, 2);
    m_text1 = new QLineEdit(QStringLiteral("Voorbeeld"), panel);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(12, 18, 170, 22);
    m_text1->setStyleSheet(QStringLiteral("background: rgb(230,220,210);"));

    caption(panel, QStringLiteral("Lettertype"), 190, 2);
    m_listFonts = new QComboBox(panel);
    m_listFonts->setObjectName(QStringLiteral("ListFonts"));
    m_listFonts->setGeometry(190, 18, 150, 22);
    m_listFonts->addItems(QFontDatabase::families());
    if (m_listFonts->findText(QStringLiteral("Arial")) < 0)
        m_listFonts->insertItem(0, QStringLiteral("Arial"));
    m_listFonts->setCurrentText(QStringLiteral("Arial"));

    caption(panel, QStringLiteral("Grootte"), 348, 2);
    m_comboSize = new QComboBox(panel);
    m_comboSize->setObjectName(QStringLiteral("ComboSize"));
    m_comboSize->setEditable(true);
    m_comboSize->setGeometry(348, 18, 60, 22);
    for (int size = 8; size <= 100; size += 2)
        m_comboSize->addItem(QString::number(size));
    m_comboSize->setCurrentText(QStringLiteral("16"));
    m_comboSize->setStyleSheet(QStringLiteral("QComboBox { background: rgb(190,230,190); }"));

    m_check1 = new QCheckBox(QStringLiteral("Schaduwtekst"), panel);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->move(12, 46);
    m_checkBold = new QCheckBox(QStringLiteral("Bold"), panel);
    m_checkBold->setObjectName(QStringLiteral("CheckBold"));
    m_checkBold->move(112, 46);
    m_checkItalic = new QCheckBox(QStringLiteral("Italic"), panel);
    m_checkItalic->setObjectName(QStringLiteral("CheckItalic"));
    m_checkItalic->move(166, 46);
    m_checkOnderstreept = new QCheckBox(QStringLiteral("Onderstreept"), panel);
    m_checkOnderstreept->setObjectName(QStringLiteral("CheckOnderstreept"));
    m_checkOnderstreept->move(224, 46);
    m_checkVer = new QCheckBox(QStringLiteral("Richting"), panel);
    m_checkVer->setObjectName(QStringLiteral("CheckVer"));
    m_checkVer->move(12, 70);

    m_achtergrondKnop = new QToolButton(panel);
    m_achtergrondKnop->setObjectName(QStringLiteral("AchtergrondKnop"));
    m_achtergrondKnop->setGeometry(112, 68, 24, 24);
    m_achtergrondKnop->setIcon(QIcon(QPixmap::fromImage(ToolIcons::backgroundPicture())));
    m_achtergrondKnop->setStyleSheet(QStringLiteral("QToolButton { background: rgb(156,235,174); }"));
    m_achtergrondKnop->setEnabled(false);
    caption(panel, QStringLiteral("Achtergrondplaatje"), 140, 73);

    m_plaatsKnop = new QPushButton(QStringLiteral("Plaatsen"), panel);
    m_plaatsKnop->setObjectName(QStringLiteral("PlaatsKnop"));
    m_plaatsKnop->setGeometry(300, 66, 80, 26);
    m_plaatsKnop->setEnabled(false);

    // The direction part: a 3 x 3 grid of arrows between two lines.
    m_line1 = new QFrame(panel);
    m_line1->setGeometry(414, 2, 1, 90);
    m_line2 = new QFrame(panel);
    m_line2->setGeometry(520, 2, 1, 90);
    for (QFrame* line : {m_line1, m_line2}) {
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
        m_angleKnop[i] = button;
    }
    m_angleLabel = caption(panel, QStringLiteral("90"), 476, 22, QStringLiteral("AngleLabel"));
    m_angleLabel->setFixedWidth(40);
    m_angleImg = new QLabel(panel);
    m_angleImg->setObjectName(QStringLiteral("AngleImg"));
    m_angleImg->setGeometry(478, 44, 16, 16);
    m_angleImg->setPixmap(QPixmap::fromImage(ToolIcons::direction(1)));

    m_label19 = new QLabel(QStringLiteral("Tekst"), m_picEdit);
    m_label19->setObjectName(QStringLiteral("Label19"));
    m_label19->hide();
}

void Main::createStatusLine()
{
    m_frame3 = area(centralWidget(), QStringLiteral("Frame3"), QRect(EditAreaLeft, 438, 529, 37));
    m_infoLabel = caption(m_frame3, QStringLiteral("Informatie"), 10, 11, QStringLiteral("InfoLabel"));
    m_infoLabel->setFixedWidth(330);
    m_klokLabel = caption(m_frame3, QStringLiteral("00:00:00"), 345, 11, QStringLiteral("KlokLabel"));
    m_klokLabel->setFixedWidth(176);
    m_klokLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Main::createCataloguePanel()
{
    m_frame4 = area(centralWidget(), QStringLiteral("Frame4"), QRect(EditAreaLeft, 476, 529, 98));
    const QStringList captions = {QStringLiteral("Catalogus nummer :"), QStringLiteral("Ontwerp :"),
                                  QStringLiteral("Datum van uitgifte :"), QStringLiteral("Oplage :"),
                                  QStringLiteral("Nominale waarde :"), QStringLiteral("Tanding :"),
                                  QStringLiteral("Afmeting :"), QStringLiteral("Catalogus prijs :")};
    for (int i = 0; i <= 8; ++i) {
        const int column = i < 4 ? 0 : 1;
        const int row = i < 8 ? i % 4 : 3;
        const int captionX = i == 8 ? 440 : 8 + 222 * column;
        const int valueX = i == 8 ? 468 : captionX + (column == 0 ? 118 : 108);
        const int y = 8 + 21 * row;
        caption(m_frame4, i == 8 ? QStringLiteral("Nr.") : captions.at(i), captionX, y);
        auto* value = new QLabel(QStringLiteral("0"), m_frame4);
        value->setObjectName(QStringLiteral("Infolab%1").arg(i));
        value->setGeometry(valueX, y, i == 8 ? 54 : (column == 0 ? 100 : 110), 17);
        QPalette palette = value->palette();
        palette.setColor(QPalette::WindowText, QColor(10, 10, 10));
        value->setPalette(palette);
        m_infolab[i] = value;
    }
}
