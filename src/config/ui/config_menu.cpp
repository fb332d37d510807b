#include "config/ui/config_menu.h"

#include "app/ui/interaction.h"
#include "config/ui/config.h"

#include <QAction>

ConfigMenu::ConfigMenu(ApplicationState& state, Interaction& interaction, QAction* ConfiguratieInstellingen,
                       std::function<void()> coloursChanged, QWidget* window)
    : QObject(window)
    , m_state(state)
    , m_interaction(interaction)
    , m_coloursChanged(std::move(coloursChanged))
    , m_window(window)
{
    connect(ConfiguratieInstellingen, &QAction::triggered, this, &ConfigMenu::ConfiguratieInstellingen_Click);
}

void ConfigMenu::ConfiguratieInstellingen_Click()
{
    Config config(m_state, m_coloursChanged, m_window);
    m_interaction.showModal(config);
}
