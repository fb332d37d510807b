#include "geography/ui/geography_menu.h"

#include "geography/ui/landkaart.h"
#include "geography/ui/stedenform.h"
#include "widgets/interaction.h"

#include <QAction>

GeographyMenu::GeographyMenu(ProgramFolder folder, Interaction& interaction, QAction* ToolsGeografie,
                             QAction* GeografieStedenlijst, QWidget* window)
    : QObject(window)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_window(window)
{
    connect(ToolsGeografie, &QAction::triggered, this, &GeographyMenu::ToolsGeografie_Click);
    connect(GeografieStedenlijst, &QAction::triggered, this, &GeographyMenu::GeografieStedenlijst_Click);
}

void GeographyMenu::ToolsGeografie_Click()
{
    Landkaart landkaart(m_folder, m_window);
    m_interaction.showModal(landkaart);
}

void GeographyMenu::GeografieStedenlijst_Click()
{
    StedenForm stedenForm(m_folder, m_window);
    m_interaction.showModal(stedenForm);
}
