#include "canvas/ui/canvas_tools.h"

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "canvas/ui/canvas_overlay.h"
#include "canvas/ui/floating_controls.h"
#include "canvas/ui/pic_edit.h"
#include "widgets/main_menus.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

CanvasTools::CanvasTools(CanvasDocument& document, ApplicationState& state, StatusLine status, PicEdit& canvas,
                         QLabel& coordinates, const MainMenus& menus, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_state(state)
    , m_status(status)
    , m_coordinates(coordinates)
    , m_editKnoppen(menus.EditKnoppen)
    , m_toolBox(state, document)
{
    setObjectName(QStringLiteral("CanvasTools"));
    m_toolBox.setFotoLaden(
        [this](double x1, double y1, double x2, double y2) { Q_EMIT photoRectangleChosen(x1, y1, x2, y2); });
    m_gum = new CanvasOverlay(QStringLiteral("Gum"), &canvas);
    m_layer = new CanvasOverlay(QStringLiteral("Layer"), &canvas);
    m_floating = new FloatingControls(document, state, status, this);
    m_floating->addView(&canvas);
    createUndoActions(menus.Bewerken);
    connect(&canvas, &PicEdit::mousePressed, this, &CanvasTools::PicEdit_MouseDown);
    connect(&canvas, &PicEdit::mouseMoved, this, &CanvasTools::PicEdit_MouseMove);
    connect(&canvas, &PicEdit::mouseReleased, this, &CanvasTools::PicEdit_MouseUp);
    connect(m_editKnoppen, &QAction::triggered, this, &CanvasTools::EditKnoppen_Click);
    connect(&m_state, &ApplicationState::gereedschapChanged, this, &CanvasTools::showMode);
    connect(&m_document, &CanvasDocument::floatingChanged, this, [this](bool floating) {
        if (!floating)
            showMode(m_state.Gereedschap());
    });
}

void CanvasTools::addView(QWidget* view)
{
    m_floating->addView(view);
}

CanvasTools::~CanvasTools() = default;

void CanvasTools::setRandom(std::unique_ptr<RandomSource> random)
{
    m_toolBox.setRandom(std::move(random));
}

void CanvasTools::createUndoActions(QMenu* bewerken)
{
    bewerken->addSeparator();
    m_undo = bewerken->addAction(QStringLiteral("Ongedaan maken"));
    m_undo->setObjectName(QStringLiteral("EditOngedaan"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = bewerken->addAction(QStringLiteral("Opnieuw"));
    m_redo->setObjectName(QStringLiteral("EditOpnieuw"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, &CanvasTools::EditOngedaan_Click);
    connect(m_redo, &QAction::triggered, this, &CanvasTools::EditOpnieuw_Click);
    // Straight to the entries: the history also signals while the window is taken down.
    CanvasDocument& document = m_document;
    QAction* undo = m_undo;
    QAction* redo = m_redo;
    const auto update = [&document, undo, redo] {
        undo->setEnabled(!document.busy() && (document.undoStack().canUndo() || document.floating()));
        // Fixing a floating placement would clear what there is to redo.
        redo->setEnabled(!document.busy() && !document.floating() && document.undoStack().canRedo());
    };
    const QUndoStack& stack = document.undoStack();
    connect(&stack, &QUndoStack::canUndoChanged, m_undo, update);
    connect(&stack, &QUndoStack::canRedoChanged, m_redo, update);
    connect(&document, &CanvasDocument::busyChanged, m_undo, update);
    connect(&document, &CanvasDocument::floatingChanged, m_undo, update);
    connect(&stack, &QUndoStack::undoTextChanged, m_undo, &QAction::setToolTip);
    connect(&stack, &QUndoStack::redoTextChanged, m_redo, &QAction::setToolTip);
    update();
}

void CanvasTools::EditOngedaan_Click()
{
    m_document.undo();
}

void CanvasTools::EditOpnieuw_Click()
{
    m_document.redo();
}

void CanvasTools::showMode(ToolMode mode)
{
    m_status.ToonInfo(isDrawingTool(mode) ? ToolBox::hint(int(mode)) : QStringLiteral("Informatie..."), 0);
    updateOverlays();
}

void CanvasTools::PicEdit_MouseDown(Qt::MouseButton button, QPointF at)
{
    // A long command lets events through; the picture it works on is not to be drawn on meanwhile.
    if (m_document.busy() || m_floating->press(at))
        return;
    m_toolBox.mouseDown(button, at);
    updateOverlays();
}

void CanvasTools::PicEdit_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at)
{
    Q_EMIT pointerMoved(at);
    m_coordinates.setText(QStringLiteral("Coördinaten : X = %1, Y = %2").arg(at.x()).arg(at.y()));
    if (m_state.Gereedschap() == ToolMode::Eraser)
        m_gum->move(int(at.x()) - GumMaat, int(at.y()) - GumMaat);
    if (m_floating->move(buttons, modifiers, at))
        return;
    m_toolBox.mouseMove(buttons, at);
    updateOverlays();
}

void CanvasTools::PicEdit_MouseUp(Qt::MouseButton button, QPointF at)
{
    if (m_floating->release())
        return;
    if (m_state.TekstPlaatsen()) {
        m_toolBox.endWithoutToolWork();
        Q_EMIT textPlacementClicked(button, at);
    } else {
        m_toolBox.mouseUp(button, at);
    }
    updateOverlays();
}

void CanvasTools::updateOverlays()
{
    const std::optional<QRect>& layer = m_toolBox.layer();
    m_layer->showAt(layer ? *layer : QRect());
    m_gum->resize(GumMaat, GumMaat);
    m_gum->setVisible(m_state.Gereedschap() == ToolMode::Eraser);
}

void CanvasTools::EditKnoppen_Click()
{
    // The entry is checkable: the trigger has already turned its check mark.
    const bool on = m_editKnoppen->isChecked();
    m_editKnoppen->setText(on ? QStringLiteral("Tekenknoppen Uit") : QStringLiteral("Tekenknoppen Aan"));
    Q_EMIT drawingButtonsSwitched(on);
}
