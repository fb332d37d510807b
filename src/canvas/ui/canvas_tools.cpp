#include "canvas/ui/canvas_tools.h"

#include "app/application_state.h"
#include "app/colour.h"
#include "app/colour_settings.h"
#include "app/ui/double_click_label.h"
#include "app/ui/interaction.h"
#include "app/ui/window_background.h"
#include "canvas/canvas_document.h"
#include "canvas/ui/canvas_overlay.h"
#include "canvas/ui/colorkeuze.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/text_panel.h"
#include "perforation/ui/photo_menu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

CanvasTools::CanvasTools(CanvasDocument& canvas, ApplicationState& state, Interaction& interaction,
                         StatusLine status, const CanvasControls& controls, TextPanel& textPanel, PhotoMenu& photos,
                         QWidget* window)
    : QObject(window)
    , m_canvas(canvas)
    , m_state(state)
    , m_interaction(interaction)
    , m_status(status)
    , m_controls(controls)
    , m_textPanel(textPanel)
    , m_photos(photos)
    , m_window(window)
    , m_toolBox(state, canvas)
{
    setObjectName(QStringLiteral("CanvasTools"));
    m_toolBox.setFotoLaden([this](double x1, double y1, double x2, double y2) { m_photos.FotoLaden(x1, y1, x2, y2); });
    connect(&m_photos, &PhotoMenu::photoPlaced, this, [this] { selectTool(ToolMode::None); });
    connect(&m_textPanel, &TextPanel::panelToggled, this,
            [this](bool open) { selectTool(open ? ToolMode::TextPanel : ToolMode::None); });
    m_gum = new CanvasOverlay(QStringLiteral("Gum"), controls.PicEdit);
    m_layer = new CanvasOverlay(QStringLiteral("Layer"), controls.PicEdit);
    createUndoActions();
    connectControls();
}

CanvasTools::~CanvasTools() = default;

void CanvasTools::connectControls()
{
    const CanvasControls& c = m_controls;
    for (int i = 1; i <= ToolBox::ToolCount; ++i)
        connect(c.Knop[i], &QToolButton::clicked, this, [this, i] { Knop_Click(i); });
    connect(c.PicEdit, &PicEdit::mousePressed, this, &CanvasTools::PicEdit_MouseDown);
    connect(c.PicEdit, &PicEdit::mouseMoved, this, &CanvasTools::PicEdit_MouseMove);
    connect(c.PicEdit, &PicEdit::mouseReleased, this, &CanvasTools::PicEdit_MouseUp);
    connect(c.Slider1, &QScrollBar::valueChanged, this, &CanvasTools::Slider1_Change);
    connect(c.EditKnoppen, &QAction::triggered, this, &CanvasTools::EditKnoppen_Click);
    connect(c.TekenLabel, &DoubleClickLabel::clicked, this, &CanvasTools::TekenLabel_Click);
    connect(c.VulLabel, &DoubleClickLabel::clicked, this, &CanvasTools::VulLabel_Click);
    connect(m_undo, &QAction::triggered, this, &CanvasTools::EditOngedaan_Click);
    connect(m_redo, &QAction::triggered, this, &CanvasTools::EditOpnieuw_Click);
    // Straight to the entries: the history also signals while the window is taken down.
    CanvasDocument& document = m_canvas;
    QUndoStack& stack = document.undoStack();
    QAction* undo = m_undo;
    QAction* redo = m_redo;
    const auto update = [&document, undo, redo] {
        undo->setEnabled(!document.busy() && document.undoStack().canUndo());
        redo->setEnabled(!document.busy() && document.undoStack().canRedo());
    };
    connect(&stack, &QUndoStack::canUndoChanged, m_undo, update);
    connect(&stack, &QUndoStack::canRedoChanged, m_redo, update);
    connect(&document, &CanvasDocument::busyChanged, m_undo, update);
    connect(&stack, &QUndoStack::undoTextChanged, m_undo, &QAction::setToolTip);
    connect(&stack, &QUndoStack::redoTextChanged, m_redo, &QAction::setToolTip);
}

void CanvasTools::createUndoActions()
{
    QMenu* edit = m_controls.Bewerken;
    edit->addSeparator();
    m_undo = edit->addAction(QStringLiteral("Ongedaan maken"));
    m_undo->setObjectName(QStringLiteral("EditOngedaan"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = edit->addAction(QStringLiteral("Opnieuw"));
    m_redo->setObjectName(QStringLiteral("EditOpnieuw"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const QUndoStack& stack = m_canvas.undoStack();
    m_undo->setEnabled(stack.canUndo());
    m_redo->setEnabled(stack.canRedo());
}

void CanvasTools::EditOngedaan_Click()
{
    m_canvas.undo();
}

void CanvasTools::EditOpnieuw_Click()
{
    m_canvas.redo();
}

void CanvasTools::Knop_Click(int index)
{
    if (index >= 1 && index <= DrawingToolCount)
        selectTool(ToolMode(index));
}

void CanvasTools::selectTool(ToolMode mode)
{
    const CanvasControls& c = m_controls;
    m_state.Gereedschap = mode;
    const bool drawing = isDrawingTool(mode);
    if (drawing)
        c.KnopPijl->move(27 + 42 * (int(mode) - 1), c.KnopPijl->y());
    c.KnopPijl->setVisible(drawing);
    m_status.ToonInfo(drawing ? ToolBox::hint(int(mode)) : QStringLiteral("Informatie..."), 0);
    updateOverlays();
}

void CanvasTools::PicEdit_MouseDown(Qt::MouseButton button, QPointF at)
{
    // A long command lets events through; the picture it works on is not to be drawn on meanwhile.
    if (m_canvas.busy())
        return;
    m_toolBox.mouseDown(button, at, m_controls.Slider1->value());
    updateSwatches();
    updateOverlays();
}

void CanvasTools::PicEdit_MouseMove(Qt::MouseButtons buttons, QPointF at)
{
    const CanvasControls& c = m_controls;
    const ApplicationState& state = m_state;
    m_textPanel.movePreview(at);
    c.CoorLabel->setText(QStringLiteral("Coördinaten : X = %1, Y = %2").arg(at.x()).arg(at.y()));
    if (state.Gereedschap == ToolMode::Eraser)
        m_gum->move(int(at.x()) - state.GumMaat, int(at.y()) - state.GumMaat);
    m_toolBox.mouseMove(buttons, at);
    updateOverlays();
}

void CanvasTools::PicEdit_MouseUp(Qt::MouseButton button, QPointF at)
{
    if (m_state.TekstPlaatsen) {
        m_toolBox.endWithoutToolWork();
        m_textPanel.place(button, at);
    } else {
        m_toolBox.mouseUp(button, at);
    }
    updateOverlays();
}

void CanvasTools::updateOverlays()
{
    const std::optional<QRect>& layer = m_toolBox.layer();
    m_layer->showAt(layer ? *layer : QRect());
    const ApplicationState& state = m_state;
    m_gum->resize(state.GumMaat, state.GumMaat);
    m_gum->setVisible(state.Gereedschap == ToolMode::Eraser);
}

void CanvasTools::updateSwatches()
{
    const ApplicationState& s = m_state;
    setBackground(m_controls.TekenLabel, toQColor(s.TekenR, s.TekenG, s.TekenB));
    setBackground(m_controls.VulLabel, toQColor(s.VulR, s.VulG, s.VulB));
}

void CanvasTools::Slider1_Change()
{
    const CanvasControls& c = m_controls;
    c.Label12->setText(QStringLiteral("Lijndikte : %1 pixel").arg(c.Slider1->value()));
}

void CanvasTools::EditKnoppen_Click()
{
    // The entry is checkable: the trigger has already turned its check mark.
    QAction* entry = m_controls.EditKnoppen;
    const bool on = entry->isChecked();
    entry->setText(on ? QStringLiteral("Tekenknoppen Uit") : QStringLiteral("Tekenknoppen Aan"));
    const CanvasControls& c = m_controls;
    c.KnopPijl->setEnabled(on);
    for (int i = 1; i <= ToolBox::ToolCount; ++i)
        c.Knop[i]->setEnabled(on);
    c.Slider1->setEnabled(on);
    m_textPanel.setButtonsEnabled(on);
}

void CanvasTools::TekenLabel_Click()
{
    chooseColour(true);
}

void CanvasTools::VulLabel_Click()
{
    chooseColour(false);
}

void CanvasTools::chooseColour(bool drawColour)
{
    ColorKeuze keuze({m_state.KeuzeR, m_state.KeuzeG, m_state.KeuzeB}, m_window);
    keuze.move(m_window->pos() + QPoint(800, drawColour ? 406 : 450));
    m_interaction.showModal(keuze);
    applyPickedColour(m_state, keuze.keuze(), drawColour);
    updateSwatches();
}
