#pragma once

// The canvas part of the main window: the twelve tool buttons and their
// marker, the mouse handlers of PicEdit with the coordinate read-out, the
// eraser outline and the rubber band, the line-width slider, the drawing
// buttons switch, the colour swatches, and undo and redo in "Bewerken".
// It also creates the text panel and the photo placement it hands work to.

#include "canvas/tool_box.h"

#include <QObject>
#include <QPointF>

class CanvasOverlay;
class Main;
class PhotoMenu;
class QAction;
class TextPanel;

class CanvasTools : public QObject
{
    Q_OBJECT
public:
    explicit CanvasTools(Main& main);
    ~CanvasTools() override;

    ToolBox& toolBox() { return m_toolBox; }
    TextPanel& textPanel() { return *m_textPanel; }
    PhotoMenu& photos() { return *m_photos; }

    // The one place a tool is chosen: the mode, the marker under its button, the hint and the
    // eraser outline always agree. 0 and 15 (text panel open) select no drawing tool.
    void selectTool(int mode);

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

    Main& m_main;
    ToolBox m_toolBox;
    PhotoMenu* m_photos = nullptr;
    TextPanel* m_textPanel = nullptr;
    CanvasOverlay* m_gum = nullptr;
    CanvasOverlay* m_layer = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
