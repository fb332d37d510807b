#pragma once

// The canvas part of the main window: the twelve tool buttons and their
// marker, the mouse handlers of PicEdit with the coordinate read-out, the
// eraser outline and the rubber band, the line-width slider, the drawing
// buttons switch, the colour swatches, and undo and redo in "Bewerken".
// The text panel and the photo placement it hands work to are its neighbours.

#include "app/tool_mode.h"
#include "app/ui/status_line.h"
#include "canvas/tool_box.h"

#include <QObject>
#include <QPointF>

#include <array>

class CanvasDocument;
class CanvasOverlay;
class DoubleClickLabel;
class Interaction;
class PhotoMenu;
class PicEdit;
class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class TextPanel;

struct CanvasControls
{
    ::PicEdit* PicEdit = nullptr;
    std::array<QToolButton*, 13> Knop{}; // index 1..12
    QLabel* KnopPijl = nullptr;
    QScrollBar* Slider1 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* CoorLabel = nullptr;
    DoubleClickLabel* TekenLabel = nullptr;
    DoubleClickLabel* VulLabel = nullptr;
    QAction* EditKnoppen = nullptr;
    QMenu* Bewerken = nullptr; // gets the undo and redo entries
};

class CanvasTools : public QObject
{
    Q_OBJECT
public:
    // window parents the colour chooser and this object.
    CanvasTools(CanvasDocument& canvas, ApplicationState& state, Interaction& interaction, StatusLine status,
                const CanvasControls& controls, TextPanel& textPanel, PhotoMenu& photos, QWidget* window);
    ~CanvasTools() override;

    ToolBox& toolBox() { return m_toolBox; }
    TextPanel& textPanel() { return m_textPanel; }
    PhotoMenu& photos() { return m_photos; }

    // The one place a tool is chosen: the mode, the marker under its button, the hint and the
    // eraser outline always agree. Any mode but a drawing tool selects none.
    void selectTool(ToolMode mode);

public Q_SLOTS:
    void Knop_Click(int index);
    void PicEdit_MouseDown(Qt::MouseButton button, QPointF at);
    void PicEdit_MouseMove(Qt::MouseButtons buttons, QPointF at);
    void PicEdit_MouseUp(Qt::MouseButton button, QPointF at);
    void Slider1_Change();
    void EditKnoppen_Click();
    void TekenLabel_Click();
    void VulLabel_Click();
    void EditOngedaan_Click();
    void EditOpnieuw_Click();

private:
    void connectControls();
    void createUndoActions();
    void updateOverlays();
    void updateSwatches();
    void chooseColour(bool drawColour);

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    Interaction& m_interaction;
    StatusLine m_status;
    CanvasControls m_controls;
    TextPanel& m_textPanel;
    PhotoMenu& m_photos;
    QWidget* m_window;
    ToolBox m_toolBox;
    CanvasOverlay* m_gum = nullptr;
    CanvasOverlay* m_layer = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
