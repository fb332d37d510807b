#pragma once

// The "Kleuren" menu of the main window: the colour configuration window.

#include <QObject>

class ApplicationState;
class Interaction;
class QAction;

class ConfigMenu : public QObject
{
    Q_OBJECT
public:
    // window parents the dialog and this object.
    ConfigMenu(ApplicationState& state, Interaction& interaction, QAction* ConfiguratieInstellingen, QWidget* window);

public Q_SLOTS:
    void ConfiguratieInstellingen_Click();

private:
    ApplicationState& m_state;
    Interaction& m_interaction;
    QWidget* m_window;
};
