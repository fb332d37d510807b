#pragma once

// The "Kleuren" menu of the main window.

#include <QObject>

class Main;

class ConfigMenu : public QObject
{
    Q_OBJECT
public:
    explicit ConfigMenu(Main& main);

public Q_SLOTS:
    void ConfiguratieInstellingen_Click();

private:
    Main& m_main;
};
