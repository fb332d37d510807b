#pragma once

// The map and the place-name list of the main window's "Geografie" menu.

#include "app/program_folder.h"

#include <QObject>

class Interaction;
class QAction;

class GeographyMenu : public QObject
{
    Q_OBJECT
public:
    // window parents the windows and this object.
    GeographyMenu(ProgramFolder folder, Interaction& interaction, QAction* ToolsGeografie,
                  QAction* GeografieStedenlijst, QWidget* window);

public Q_SLOTS:
    void ToolsGeografie_Click();
    void GeografieStedenlijst_Click();

private:
    ProgramFolder m_folder;
    Interaction& m_interaction;
    QWidget* m_window;
};
