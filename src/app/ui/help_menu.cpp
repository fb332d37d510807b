#include "app/ui/help_menu.h"

#include "app/web_lookups.h"
#include "documents/open_list.h"
#include "documents/supplement_model.h"
#include "widgets/main_menus.h"
#include "widgets/web_address.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QTextBrowser>
#include <QUrl>

HelpMenu::HelpMenu(const SupplementModel& model, ProgramFolder folder, StatusLine status, const MainMenus& menus,
                   QWidget& covered, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_folder(std::move(folder))
    , m_status(status)
    , m_menus(menus)
{
    setObjectName(QStringLiteral("HelpMenu"));
    m_webBrowser = new QTextBrowser(covered.parentWidget());
    m_webBrowser->setObjectName(QStringLiteral("WebBrowser"));
    m_webBrowser->setGeometry(covered.geometry());
    m_webBrowser->setOpenExternalLinks(true);
    m_webBrowser->hide();

    const MainMenus& m = menus;
    connect(m.HelpHelp, &QAction::triggered, this, &HelpMenu::HelpHelp_Click);
    connect(m.HelpGeschiedenis, &QAction::triggered, this, &HelpMenu::HelpGeschiedenis_Click);
    connect(m.HelpGoogleSearch, &QAction::triggered, this, &HelpMenu::HelpGoogleSearch_Click);
    connect(m.HelpWikipedia, &QAction::triggered, this, &HelpMenu::HelpWikipedia_Click);
    connect(m.ToolsGoogleMaps, &QAction::triggered, this, &HelpMenu::ToolsGoogleMaps_Click);
    connect(m.HelpInfo, &QAction::triggered, this, &HelpMenu::HelpInfo_Click);
    connect(m.HelpMeerSoftware, &QAction::triggered, this, &HelpMenu::HelpMeerSoftware_Click);
    connect(m.HelpZegora, &QAction::triggered, this, &HelpMenu::HelpZegora_Click);
    // The entry names the place it looks up.
    connect(&model, &SupplementModel::changed, this, [this](SupplementModel::Field field) {
        if (field != SupplementModel::Field::Plaatsnaam)
            return;
        const QString& place = m_model.Plaatsnaam();
        m_menus.HelpInfo->setText(place == SupplementModel::DefaultPlaatsnaam ? QStringLiteral("Info...")
                                                                              : helpInfoCaption(place));
    });
}

void HelpMenu::togglePage(QAction* item, const QString& file, const QString& hint)
{
    // One view serves both pages: whichever item is chosen while it shows hides it,
    // and only the chosen item loses its check mark.
    if (m_webBrowser->isVisible()) {
        m_webBrowser->hide();
        item->setChecked(false);
        m_status.ToonInfo(QStringLiteral("Informatie..."), 0);
        return;
    }
    const QString path = m_folder.path(file);
    if (!QFileInfo(path).isFile()) {
        item->setChecked(false);
        m_status.ToonInfo(QStringLiteral("Het helpbestand %1 ontbreekt in de programmamap.").arg(file), 1);
        return;
    }
    item->setChecked(true);
    m_webBrowser->setSource(QUrl::fromLocalFile(path));
    m_webBrowser->show();
    m_webBrowser->raise();
    m_status.ToonInfo(hint, 0);
}

void HelpMenu::HelpHelp_Click()
{
    togglePage(m_menus.HelpHelp, QStringLiteral("help/help.htm"),
               QStringLiteral("Klik nogmaals op Help om het scherm te verlaten"));
}

void HelpMenu::HelpGeschiedenis_Click()
{
    togglePage(m_menus.HelpGeschiedenis, QStringLiteral("help/geschiedenis.htm"),
               QStringLiteral("Klik nogmaals op Geschiedenis om het scherm te verlaten"));
}

void HelpMenu::open(const std::optional<QString>& address)
{
    if (address)
        OpenWebAdres(*address);
}

void HelpMenu::HelpGoogleSearch_Click()
{
    open(WebLookups::searchAddress(m_model.Plaatsnaam()));
}

void HelpMenu::HelpWikipedia_Click()
{
    open(WebLookups::encyclopediaAddress(m_model.Plaatsnaam()));
}

void HelpMenu::ToolsGoogleMaps_Click()
{
    open(WebLookups::mapAddress(m_model.Plaatsnaam()));
}

void HelpMenu::HelpInfo_Click()
{
    open(WebLookups::municipalityAddress(m_model.Plaatsnaam()));
}

void HelpMenu::HelpMeerSoftware_Click()
{
    open(WebLookups::MakerSoftwarePage);
}

void HelpMenu::HelpZegora_Click()
{
    open(WebLookups::PartnerShopPage);
}
