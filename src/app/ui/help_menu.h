#pragma once

// The "Help" menu and the map look-up of the "Geografie" menu: the two help
// pages in a view laid over the canvas, and the web look-ups of the current place.

#include "app/program_folder.h"
#include "widgets/status_line.h"

#include <QObject>

#include <optional>

class QAction;
class QTextBrowser;
class SupplementModel;
struct MainMenus;

class HelpMenu : public QObject
{
    Q_OBJECT
public:
    // The help view lies over covered (the canvas and its frame); the entries look up the supplement's place.
    HelpMenu(const SupplementModel& model, ProgramFolder folder, StatusLine status, const MainMenus& menus,
             QWidget& covered, QObject* parent);

public Q_SLOTS:
    void HelpHelp_Click();
    void HelpGeschiedenis_Click();
    void HelpGoogleSearch_Click();
    void HelpWikipedia_Click();
    void ToolsGoogleMaps_Click();
    void HelpInfo_Click();
    void HelpMeerSoftware_Click();
    void HelpZegora_Click();

private:
    void togglePage(QAction* item, const QString& file, const QString& hint);
    void open(const std::optional<QString>& address);

    const SupplementModel& m_model;
    ProgramFolder m_folder;
    StatusLine m_status;
    const MainMenus& m_menus;
    QTextBrowser* m_webBrowser = nullptr;
};
