#include "filters/ui/filter_menu.h"

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "widgets/busy_pointer.h"
#include "widgets/main_menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressBar>

namespace {

template <std::size_t N, typename Slot>
void connectArray(const std::array<QAction*, N>& actions, FilterMenu* menu, Slot slot)
{
    for (int i = 0; i < int(N); ++i)
        if (actions[i])
            QObject::connect(actions[i], &QAction::triggered, menu, [menu, slot, i] { (menu->*slot)(i); });
}

// The menu entry's caption names the undo step.
template <std::size_t N> QString caption(const std::array<QAction*, N>& actions, int index)
{
    return actions[index] ? actions[index]->text().remove(QLatin1Char('&')) : QString();
}

} // namespace

FilterMenu::FilterMenu(CanvasDocument& canvas, ApplicationState& state, ProgramFolder folder, const MainMenus& menus,
                       QProgressBar& progBar, QObject* parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_state(state)
    , m_folder(std::move(folder))
    , m_menus(menus)
    , m_progBar(progBar)
{
    setObjectName(QStringLiteral("FilterMenu"));
    connectMenus();
}

void FilterMenu::connectMenus()
{
    const MainMenus& menus = m_menus;
    connectArray(menus.EditConvert, this, &FilterMenu::EditConvert_Click);
    connectArray(menus.EditContrastConvert, this, &FilterMenu::EditContrastConvert_Click);
    connectArray(menus.EditSwap, this, &FilterMenu::EditSwap_Click);
    connectArray(menus.EditFlipConvert, this, &FilterMenu::EditFlipConvert_Click);
    connectArray(menus.EditBordersBreedte, this, &FilterMenu::EditBordersBreedte_Click);
}

void FilterMenu::EditConvert_Click(int index)
{
    if (const auto command = EditConvertCommand(index))
        runWithProgress(*command, caption(m_menus.EditConvert, index));
}

// "Contrast" and "Swap Colors" start no progress display of their own.
void FilterMenu::EditContrastConvert_Click(int index)
{
    if (const auto command = EditContrastConvertCommand(index))
        applyToCanvas(*command, caption(m_menus.EditContrastConvert, index));
}

void FilterMenu::EditSwap_Click(int index)
{
    if (const auto command = EditSwapCommand(index))
        applyToCanvas(*command, caption(m_menus.EditSwap, index));
}

void FilterMenu::EditFlipConvert_Click(int index)
{
    if (const auto command = EditFlipConvertCommand(index))
        runWithProgress(*command, caption(m_menus.EditFlipConvert, index));
}

void FilterMenu::EditBordersBreedte_Click(int index)
{
    if (const auto command = EditBordersBreedteCommand(index))
        applyToCanvas(*command, caption(m_menus.EditBordersBreedte, index));
}

void FilterMenu::runWithProgress(const CanvasCommand& command, const QString& name)
{
    if (m_engine.bezig())
        return;
    const BusyPointer busy;
    if (usesEngine(command))
        Q_EMIT barStarted();
    const bool showBar = usesProgBar(command);
    if (showBar)
        m_progBar.show();
    applyToCanvas(command, name);
    if (showBar)
        m_progBar.hide();
}

void FilterMenu::applyToCanvas(const CanvasCommand& command, const QString& name)
{
    // While a filter runs, its result is written back over the canvas when it
    // ends: a command accepted meanwhile would be lost, so none is accepted.
    if (m_engine.bezig())
        return;
    ApplicationState& state = m_state;
    QProgressBar& progBar = m_progBar;
    const ColourParts draw = state.TekenKleur();
    CanvasContext context{m_engine,
                          draw.r,
                          draw.g,
                          draw.b,
                          [&state](int value) {
                              state.setVoortgang(value);
                              QCoreApplication::processEvents();
                          },
                          [&progBar](int value) { progBar.setValue(value); },
                          &m_folder};
    // One undo step; the document refreshes the canvas.
    m_canvas.change(name, [&](QImage& picture) { runCanvasCommand(command, picture, context); });
}
