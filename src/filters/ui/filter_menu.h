#pragma once

// The filter entries of the "Bewerken" menu ("Tekenfilters" with its "Contrast"
// and "Swap Colors" submenus, the flips and "Border"): runs each on the canvas
// picture with the progress display and the busy pointer, and owns the filter
// engine for the whole run of the program.

#include "app/program_folder.h"
#include "filters/canvas_command.h"
#include "filters/filter_engine.h"

#include <QObject>

class ApplicationState;
class CanvasDocument;
class QProgressBar;
struct MainMenus;

class FilterMenu : public QObject
{
    Q_OBJECT
public:
    // An engine filter sets Voortgang as it goes; progBar is the progress-bar control the passes drive.
    FilterMenu(CanvasDocument& canvas, ApplicationState& state, ProgramFolder folder, const MainMenus& menus,
               QProgressBar& progBar, QObject* parent);

    FilterEngine& engine() { return m_engine; }

Q_SIGNALS:
    // An entry of the engine's filters started: the main window's bar follows Voortgang until it is 100
    // ("Contrast" and "Swap Colors" start none).
    void barStarted();

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

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    ProgramFolder m_folder;
    const MainMenus& m_menus;
    QProgressBar& m_progBar;
    FilterEngine m_engine;
};
