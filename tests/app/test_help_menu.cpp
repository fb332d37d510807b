// The help pages over the canvas and the web look-ups of the current place.

#include "app/application_state.h"
#include "app/web_lookups.h"
#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "common/url_catcher.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QTextBrowser>
#include <QtTest>


class TestHelpMenu : public QObject
{
    Q_OBJECT
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
    }

    void init() { m_catcher.urls.clear(); }

    void addresses()
    {
        using namespace WebLookups;
        QVERIFY(!searchAddress(QStringLiteral("Plaatsnaam")));
        QVERIFY(!municipalityAddress(QStringLiteral("Plaatsnaam")));
        QCOMPARE(*searchAddress(QString()), QStringLiteral("https://www.google.nl/search?q=&hl=nl&btnG=Zoeken"));
        QCOMPARE(*encyclopediaAddress(QStringLiteral("Den Haag")),
                 QStringLiteral("https://nl.wikipedia.org/wiki/Speciaal:Zoeken?search=Den%20Haag&fulltext=Zoeken"));
        // A name cannot smuggle extra parameters into the address.
        QCOMPARE(*mapAddress(QStringLiteral("A&b=c#d")), QStringLiteral("https://maps.google.nl/maps?hl=nl&tab=wl&q=A%26b%3Dc%23d"));
        QCOMPARE(*municipalityAddress(QStringLiteral("Den Haag")), QStringLiteral("http://www.denhaag.nl"));
        QCOMPARE(*municipalityAddress(QStringLiteral("'s-Hertogenbosch")), QStringLiteral("http://www.s-hertogenbosch.nl"));
        QCOMPARE(*municipalityAddress(QStringLiteral("Sint-Oedenrode")), QStringLiteral("http://www.sint-oedenrode.nl"));
        QCOMPARE(*municipalityAddress(QStringLiteral("Zuidhorn é")), QStringLiteral("http://www.zuidhorne.nl"));
        QVERIFY(!municipalityAddress(QString()));
        QVERIFY(!municipalityAddress(QStringLiteral("Verzamelblok 2010")));
        QVERIFY(!municipalityAddress(QStringLiteral("???")));
        QCOMPARE(municipalityCaption(QStringLiteral("Gouda")), QStringLiteral("Info Gouda.nl"));
    }

    void lookUpsFollowThePlaceName()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        const MainMenus& m = main.menus();
        for (QAction* item : {m.HelpGoogleSearch, m.HelpWikipedia, m.ToolsGoogleMaps, m.HelpInfo})
            item->trigger();
        QVERIFY(m_catcher.urls.isEmpty());   // still "Plaatsnaam"

        f.model.setPlaatsnaam(QStringLiteral("Gouda"));
        for (QAction* item : {m.HelpGoogleSearch, m.HelpWikipedia, m.ToolsGoogleMaps, m.HelpInfo})
            item->trigger();
        QCOMPARE(m_catcher.urls.size(), 4);
        QVERIFY(m_catcher.urls.at(0).contains(QStringLiteral("q=Gouda&hl=nl")));
        QCOMPARE(m_catcher.urls.at(3), QStringLiteral("http://www.gouda.nl"));

        f.model.setPlaatsnaam(QString());
        m_catcher.urls.clear();
        m.HelpInfo->trigger();
        m.HelpGoogleSearch->trigger();
        QCOMPARE(m_catcher.urls.size(), 1);   // an empty query, but no municipality

        m.HelpMeerSoftware->trigger();
        m.HelpZegora->trigger();
        QCOMPARE(m_catcher.urls.mid(1), QStringList({WebLookups::MakerSoftwarePage, WebLookups::PartnerShopPage}));
    }

    void helpPagesShareOneView()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("help/help.htm"), "<html><body><h1>Handleiding</h1></body></html>");
        f.folder.write(QStringLiteral("help/geschiedenis.htm"), "<html><body><h1>Versies</h1></body></html>");
        Main& main = *f.main;
        main.show();
        const MainMenus& m = main.menus();
        auto* view = main.findChild<QTextBrowser*>(QStringLiteral("WebBrowser"));
        auto* info = main.findChild<QLabel*>(QStringLiteral("InfoLabel"));
        QVERIFY(!view->isVisible());

        m.HelpHelp->trigger();
        QVERIFY(view->isVisible());
        QVERIFY(m.HelpHelp->isChecked());
        QVERIFY(view->toPlainText().contains(QStringLiteral("Handleiding")));
        QCOMPARE(info->text(), QStringLiteral("Klik nogmaals op Help om het scherm te verlaten"));

        // The other item hides the view; Help keeps its check mark.
        m.HelpGeschiedenis->trigger();
        QVERIFY(!view->isVisible());
        QVERIFY(m.HelpHelp->isChecked());
        QVERIFY(!m.HelpGeschiedenis->isChecked());
        QCOMPARE(info->text(), QStringLiteral("Informatie..."));

        m.HelpGeschiedenis->trigger();
        QVERIFY(view->isVisible());
        QVERIFY(view->toPlainText().contains(QStringLiteral("Versies")));
        QCOMPARE(info->text(), QStringLiteral("Klik nogmaals op Geschiedenis om het scherm te verlaten"));
        m.HelpGeschiedenis->trigger();
        QVERIFY(!view->isVisible());
        QVERIFY(!m.HelpGeschiedenis->isChecked());

        // A missing page is said, not shown as an empty view.
        QVERIFY(QFile::remove(f.folder.path(QStringLiteral("help/help.htm"))));
        m.HelpHelp->setChecked(false);
        m.HelpHelp->trigger();
        QVERIFY(!view->isVisible());
        QVERIFY(!m.HelpHelp->isChecked());
        QCOMPARE(info->text(), QStringLiteral("Het helpbestand help/help.htm ontbreekt in de programmamap."));
    }
};

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
