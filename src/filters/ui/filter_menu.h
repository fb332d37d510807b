#pragma once

// The filter entries of the "Bewerken" menu ("Tekenfilters" with its "Contrast"
// and "Swap Colors" submenus, the flips and "Border"): runs each on the canvas
// picture with the progress display and the busy pointer, and owns the filter
// engine for the whole run of the program.

#include "filters/canvas_command.h"
#include "filters/filter_engine.h"

#include <QObject>

class Main;

class FilterMenu : public QObject
{
    Q_OBJECT
public:
    explicit FilterMenu(Main& main);

    FilterEngine& engine() { return m_engine; }

public Q_SLOTS:
    void EditConvert_Click(int index);
    void EditContrastConvert_Click(int index);
    void EditSwap_Click(int index);
    void EditFlipConvert_Click(int index);
    void EditBordersBreedte_Click(int index);

private:
    void connectMenus();
    // Runs an entry with the busy pointer, the Voortgang bar when it runs the
    // engine and the progress-bar control when the command drives it.
    void runWithProgress(const CanvasCommand& command, const QString& name);
    // The one place where a command of these menus changes the canvas picture:
    // one undo step named after the menu entry.
    void applyToCanvas(const CanvasCommand& command, const QString& name);

    Main& m_main;
    FilterEngine m_engine;
};
