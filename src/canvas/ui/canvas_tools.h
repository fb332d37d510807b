#pragma once

// The mouse on the canvas: the presses, moves and releases of PicEdit go to
// the drawing tools, with the coordinate read-out, the eraser outline and the
// rubber band; a floating placement takes the mouse first; the hint of the
// selected tool on the status line; the drawing buttons switch and undo and
// redo in "Bewerken". What a release or a tool
// hands on (a text placement, a photo rectangle) it announces; it holds no
// other controller.

#include "app/tool_mode.h"
#include "canvas/tools/tool_box.h"
#include "widgets/status_line.h"

#include <QObject>
#include <QPointF>

class ApplicationState;
class CanvasDocument;
class CanvasOverlay;
class FloatingControls;
class PicEdit;
class QAction;
class QLabel;
class QMenu;
struct MainMenus;

class CanvasTools : public QObject
{
    Q_OBJECT
public:
    // The overlays lie over canvas; coordinates is the read-out under it.
    CanvasTools(CanvasDocument& document, ApplicationState& state, StatusLine status, PicEdit& canvas,
                QLabel& coordinates, const MainMenus& menus, QObject* parent);
    ~CanvasTools() override;

    // Another view of the canvas (the enlargement): the keys that move a floating placement answer there too.
    void addView(QWidget* view);
    // Replaces the clock-seeded random numbers of the spray and the coloured circles (tests script them).
    void setRandom(std::unique_ptr<RandomSource> random);

Q_SIGNALS:
    // The drawing buttons were switched on or off ("Tekenknoppen Aan" / "Uit").
    void drawingButtonsSwitched(bool on);
    // A release while a text of the text panel is armed: the text goes there.
    void textPlacementClicked(Qt::MouseButton button, QPointF at);
    void pointerMoved(QPointF at);
    // The photo rectangle tool was released over (x1, y1)-(x2, y2).
    void photoRectangleChosen(double x1, double y1, double x2, double y2);

public Q_SLOTS:
    void PicEdit_MouseDown(Qt::MouseButton button, QPointF at);
    void PicEdit_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at);
    void PicEdit_MouseUp(Qt::MouseButton button, QPointF at);
    void EditKnoppen_Click();
    void EditOngedaan_Click();
    void EditOpnieuw_Click();

private:
    void createUndoActions(QMenu* bewerken);
    // The hint and the eraser outline of the mode, whoever set it.
    void showMode(ToolMode mode);
    void updateOverlays();

    CanvasDocument& m_document;
    ApplicationState& m_state;
    StatusLine m_status;
    QLabel& m_coordinates;
    QAction* m_editKnoppen;
    ToolBox m_toolBox;
    FloatingControls* m_floating = nullptr;
    CanvasOverlay* m_gum = nullptr;
    CanvasOverlay* m_layer = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
