#pragma once

// The map and the place-name list of the main window's "Geografie" menu.

#include <QObject>

class Main;

class GeographyMenu : public QObject
{
    Q_OBJECT
public:
    explicit GeographyMenu(Main& main);

public Q_SLOTS:
    void ToolsGeografie_Click();
    void GeografieStedenlijst_Click();

private:
    Main& m_main;
};
