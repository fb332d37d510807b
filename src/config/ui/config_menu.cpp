#include "config/ui/config_menu.h"

#include "config/ui/config.h"
#include "widgets/interaction.h"

#include <QAction>

ConfigMenu::ConfigMenu(ApplicationState& state, Interaction& interaction, QAction* ConfiguratieInstellingen,
                       QWidget* window)
    : QObject(window)
    , m_state(state)
    , m_interaction(interaction)
    , m_window(window)
{
    connect(ConfiguratieInstellingen, &QAction::triggered, this, &ConfigMenu::ConfiguratieInstellingen_Click);
}

void ConfigMenu::ConfiguratieInstellingen_Click()
{
    Config config(m_state, m_window);
    m_interaction.showModal(config);
}
