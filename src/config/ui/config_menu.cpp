#include "config/ui/config_menu.h"

#include "app/ui/interaction.h"
#include "app/ui/main_form.h"
#include "config/ui/config.h"

#include <QAction>

ConfigMenu::ConfigMenu(Main& main)
    : QObject(&main)
    , m_main(main)
{
    connect(main.menus().ConfiguratieInstellingen, &QAction::triggered, this, &ConfigMenu::ConfiguratieInstellingen_Click);
}

void ConfigMenu::ConfiguratieInstellingen_Click()
{
    Config config(m_main, &m_main);
    m_main.interaction().showModal(config);
}
