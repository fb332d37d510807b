#pragma once

// The "Help" menu and the map look-up of the "Geografie" menu: the two help
// pages in a view laid over the canvas, and the web look-ups of the current place.

#include <QObject>

#include <optional>

class Main;
class QAction;
class QTextBrowser;

class HelpMenu : public QObject
{
    Q_OBJECT
public:
    explicit HelpMenu(Main& main);

    QTextBrowser* webBrowser() const { return m_webBrowser; }

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

    Main& m_main;
    QTextBrowser* m_webBrowser = nullptr;
};
