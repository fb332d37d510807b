#pragma once

// The filter entries of the "Bewerken" menu ("Tekenfilters" with its "Contrast"
// and "Swap Colors" submenus, the flips and "Border"): runs each on the canvas
// picture with the progress display and the busy pointer, and owns the filter
// engine for the whole run of the program.

#include "app/program_folder.h"
#include "filters/canvas_command.h"
#include "filters/filter_engine.h"

#include <QObject>

#include <array>
#include <functional>

struct ApplicationState;
class CanvasDocument;
class QAction;
class QProgressBar;

// The entries the menu answers to and the progress-bar control it drives.
struct FilterControls
{
    std::array<QAction*, 18> EditConvert{};        // 5 and 8 are submenus
    std::array<QAction*, 3> EditContrastConvert{}; // 1 Positive, 2 Negative
    std::array<QAction*, 6> EditSwap{};            // 1..5
    std::array<QAction*, 4> EditFlipConvert{};     // 0..3
    std::array<QAction*, 11> EditBordersBreedte{}; // 1, 2, 5, 10
    QProgressBar* ProgBar = nullptr;
};

class FilterMenu : public QObject
{
    Q_OBJECT
public:
    // startBar starts the main window's Voortgang bar, which follows the state while a filter runs.
    FilterMenu(CanvasDocument& canvas, ApplicationState& state, ProgramFolder folder, const FilterControls& controls,
               std::function<void()> startBar, QObject* parent);

    FilterEngine& engine() { return m_engine; }

public Q_SLOTS:
    void EditConvert_Click(int index);
    void EditContrastConvert_Click(int index);
    void EditSwap_Click(int index);
    void EditFlipConvert_Click(int index);
    void EditBordersBreedte_Click(int index);

private:
    void connectMenus(const FilterControls& controls);
    // Runs an entry with the busy pointer, the Voortgang bar when it runs the
    // engine and the progress-bar control when the command drives it.
    void runWithProgress(const CanvasCommand& command, const QString& name);
    // The one place where a command of these menus changes the canvas picture:
    // one undo step named after the menu entry.
    void applyToCanvas(const CanvasCommand& command, const QString& name);

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    ProgramFolder m_folder;
    FilterControls m_controls;
    std::function<void()> m_startBar;
    FilterEngine m_engine;
};
