#pragma once

// The "Kleuren" menu of the main window: the colour configuration window.

#include <QObject>

#include <functional>

struct ApplicationState;
class Interaction;
class QAction;

class ConfigMenu : public QObject
{
    Q_OBJECT
public:
    // coloursChanged shows the state's colours on the main window; window parents the dialog and this object.
    ConfigMenu(ApplicationState& state, Interaction& interaction, QAction* ConfiguratieInstellingen,
               std::function<void()> coloursChanged, QWidget* window);

public Q_SLOTS:
    void ConfiguratieInstellingen_Click();

private:
    ApplicationState& m_state;
    Interaction& m_interaction;
    std::function<void()> m_coloursChanged;
    QWidget* m_window;
};
