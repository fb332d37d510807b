#include "geography/ui/geography_menu.h"

#include "app/ui/interaction.h"
#include "app/ui/main_form.h"
#include "geography/ui/landkaart.h"
#include "geography/ui/stedenform.h"

#include <QAction>

GeographyMenu::GeographyMenu(Main& main)
    : QObject(&main)
    , m_main(main)
{
    connect(main.menus().ToolsGeografie, &QAction::triggered, this, &GeographyMenu::ToolsGeografie_Click);
    connect(main.menus().GeografieStedenlijst, &QAction::triggered, this, &GeographyMenu::GeografieStedenlijst_Click);
}

void GeographyMenu::ToolsGeografie_Click()
{
    Landkaart landkaart(m_main.folder(), &m_main);
    m_main.interaction().showModal(landkaart);
}

void GeographyMenu::GeografieStedenlijst_Click()
{
    StedenForm stedenForm(m_main.folder(), &m_main);
    m_main.interaction().showModal(stedenForm);
}
