// The fixed layout of the main window: every area at the place the album-page
// program has always had it (pixels at 96 dots per inch). The areas make
// their own controls; the window's own are the transfer button, the canvas,
// the progress read-outs, "Open Velletje" and the status line.

#include "app/ui/main_form.h"

#include "canvas/ui/colour_swatches.h"
#include "canvas/ui/line_width.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/text_panel.h"
#include "canvas/ui/tool_row.h"
#include "collection/ui/mark_button.h"
#include "documents/supplement_model.h"
#include "documents/ui/catalogue_panel.h"
#include "documents/ui/page_preview.h"
#include "widgets/status_line.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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

template <typename Frame>
Frame* area(Frame* frame, const QString& name, const QString& accessibleName, const QRect& geometry)
{
    frame->setObjectName(name);
    frame->setAccessibleName(accessibleName);
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

void Main::createPageArea()
{
    m_frame1 = area(new QFrame(centralWidget()), QStringLiteral("Frame1"), QStringLiteral("A4 Supplement"),
                    QRect(0, 0, 412, 574));
    caption(m_frame1, QStringLiteral(" A4 Supplement "), 10, 4);
    auto* ring = new RingBinder(m_frame1);
    ring->move(17, 24);
    m_pic = new PagePreview(m_model, m_frame1);
    m_pic->move(38, 24);

    m_convertKnop = new QToolButton(centralWidget());
    m_convertKnop->setObjectName(QStringLiteral("ConvertKnop"));
    m_convertKnop->setArrowType(Qt::LeftArrow);
    m_convertKnop->setGeometry(413, 200, 14, 48);
    m_convertKnop->setToolTip(QStringLiteral(" Afbeelding overzetten "));
    m_convertKnop->setAccessibleName(QStringLiteral("Afbeelding overzetten"));
}

QString Main::startupHelpText() const
{
    return QStringLiteral("Hier kunt u informatie plaatsen m.b.t. de steden die op ") +
           QStringLiteral("de Velinor velletjes zijn te zien. Dit kan o.a. ") +
           QStringLiteral("een beschrijving zijn van de oorsprong van de betreffende ") +
           QStringLiteral("woonplaats en hoe deze is ontstaan.") + QStringLiteral("\n\n") +
           QStringLiteral("U kunt de informatie zoeken door op het menu-item 'Help / Info...' te ") +
           QStringLiteral("te klikken en vervolgens op internet te surfen. ");
}

// The canvas with its tools, read-outs, swatches and text panel; and below it the catalogue panel, which
// the text panel takes the room of when it opens.
void Main::createEditingArea()
{
    m_frame2 = area(new QFrame(centralWidget()), QStringLiteral("Frame2"), QStringLiteral("Ontwerp"),
                    QRect(EditAreaLeft, 0, 529, 437));
    m_canvasFrame = new QFrame(m_frame2);
    m_canvasFrame->setFrameShape(QFrame::Box);
    m_canvasFrame->setAccessibleName(QStringLiteral("Kader van het tekenvlak"));
    m_canvasFrame->setGeometry(12, 14, 504, 264);
    m_picEdit = new PicEdit(m_model.canvas(), m_frame2);
    m_picEdit->move(14, 16);

    m_toolRow = new ToolRow(m_state, m_frame2);
    createProgressArea(m_frame2);
    m_lineWidth = new LineWidth(m_state, m_frame2);
    new ColourSwatches(m_state, m_interaction, m_frame2, this);

    m_openKnop = new QPushButton(QStringLiteral("Open Velletje"), m_frame2);
    m_openKnop->setObjectName(QStringLiteral("OpenKnop"));
    m_openKnop->setGeometry(266, 384, 110, 26);
    m_openKnop->setToolTip(QStringLiteral(" Open orgineel velletje "));

    m_textPanel = new TextPanel(m_model.canvas(), m_state, StatusLine(m_infoLabel), m_frame2, m_picEdit);
    connect(m_textPanel, &TextPanel::panelToggled, this, &Main::showTextPanel);

    m_frame4 = area(new CataloguePanel(m_model, StatusLine(m_infoLabel), centralWidget()), QStringLiteral("Frame4"),
                    QStringLiteral("Catalogusgegevens"), QRect(EditAreaLeft, 476, 529, 98));
    // The collection's mark of the sheetlet shown, where the panel's right column leaves room.
    (new MarkButton(m_collection, m_model, m_interaction, m_frame4))->setGeometry(458, 3, 68, 60);
}

void Main::showTextPanel(bool open)
{
    m_frame2->resize(m_frame2->width(), open ? 535 : 437);
    m_frame3->move(m_frame3->x(), open ? 537 : 438);
    m_frame4->setVisible(!open);
}

// The progress bars and the coordinates under the canvas.
void Main::createProgressArea(QWidget* area)
{
    // Standing on the bar whatever the font's height.
    QLabel* progress = caption(area, QStringLiteral("Progress"), 12, 340);
    progress->move(12, std::min(340, 356 - progress->height()));
    m_bar = new QLabel(area);
    m_bar->setObjectName(QStringLiteral("Bar"));
    m_bar->setAccessibleName(QStringLiteral("Voortgang"));
    m_bar->setGeometry(12, 356, 242, 22);
    m_bar->setFrameShape(QFrame::Panel);
    m_bar->setFrameShadow(QFrame::Sunken);
    m_bar->setAutoFillBackground(true);
    m_bar->setStyleSheet(QStringLiteral("background: white;"));
    m_progBar = new QProgressBar(area);
    m_progBar->setObjectName(QStringLiteral("ProgBar"));
    m_progBar->setGeometry(12, 382, 242, 20);
    m_progBar->setRange(0, 100);
    m_progBar->setValue(0);
    m_progBar->setTextVisible(false);
    m_progBar->hide(); // shown only while a command that drives it runs
    m_coorLabel = caption(area, QStringLiteral("Coördinaten :"), 12, 410, QStringLiteral("CoorLabel"));
    m_coorLabel->setFixedWidth(242);
}

void Main::createStatusLine()
{
    m_frame3 = area(new QFrame(centralWidget()), QStringLiteral("Frame3"), QStringLiteral("Statusregel"),
                    QRect(EditAreaLeft, 438, 529, 37));
    m_infoLabel = caption(m_frame3, QStringLiteral("Informatie"), 10, 2, QStringLiteral("InfoLabel"));
    // Two lines of the status line's height, so a long message is read whole.
    m_infoLabel->setFixedSize(330, 33);
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_klokLabel = caption(m_frame3, QStringLiteral("00:00:00"), 345, 11, QStringLiteral("KlokLabel"));
    m_klokLabel->setFixedWidth(176);
    m_klokLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
