// The map window and the place-name list as the user meets them, opened from
// the main window's "Geografie" menu.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "common/url_catcher.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/place_names.h"
#include "geography/ui/landkaart.h"
#include "geography/ui/stedenform.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>


namespace {

QByteArray places(int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += QByteArray::number(20 + 5 * n) + ",100,Plaats " + QByteArray::number(n) + "\r\n";
    return bytes;
}

QString labelText(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void choose(StedenForm& form, const QString& letter)
{
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(combo->findText(letter));
    form.Combo1_Click();
}

QStringList listed(const StedenForm& form)
{
    QStringList texts;
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void doubleClick(StedenForm& form, int row)
{
    form.findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(row);
    form.List1_DblClick();
}

} // namespace

class TestGeographyWindows : public QObject
{
    Q_OBJECT
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
    }

    void init() { m_catcher.urls.clear(); }

    // The run plots every place and then offers Exit; without places it stays usable; closing ends a run.
    void mapRuns()
    {
        for (const auto& [bytes, counter] : {std::pair{",50,Overgeslagen\r\n" + places(40), "40 Steden"},
                                             std::pair{QByteArray("\x00\x01\x02", 3), "0 Steden"}}) {
            TestFolder folder;
            folder.write(MapPlaces::FileName, bytes);
            Landkaart map(folder.folder());
            map.setPause(0);
            auto* exit = map.findChild<QPushButton*>(QStringLiteral("ExitKnop"));
            QCOMPARE(labelText(map, "Label1"), QStringLiteral("Steden"));
            QVERIFY(!exit->isEnabled());
            for (int run = 0; run < 2; ++run) { // every activation runs again from number 1
                map.Form_Activate();
                QCOMPARE(labelText(map, "Label1"), QString::fromLatin1(counter));
            }
            QVERIFY(exit->isEnabled());
            QCOMPARE(map.map() != MapPicture::draw(), counter[0] != '0');
        }
        TestFolder folder;
        folder.write(MapPlaces::FileName, places(30));
        Landkaart map(folder.folder());
        map.setPause(0.01f);
        map.show();
        QTimer::singleShot(50, &map, &QDialog::reject);
        QTRY_VERIFY(map.findChild<QPushButton*>(QStringLiteral("ExitKnop"))->isEnabled());
        QVERIFY(labelText(map, "Label1") != QStringLiteral("30 Steden"));
    }

    // The list starts with its hint; a letter lists the names beginning with it, in file order; a double
    // click or Enter looks a name up on the web map; a letter typed in the list chooses it.
    void placeNames()
    {
        TestFolder folder;
        folder.write(PlaceNames::FileName, "Aalten\r\nA\r\n\"Bergen, Limburg\"\r\nalmere\r\n's-Gravenzande\r\n"
                                           "'t Zandt\r\nAmen\r\nDe Rijp & Co\r\nD\xe9" "dem\r\n");
        StedenForm form(folder.folder());
        QCOMPARE(listed(form), QStringList({QString(), QStringLiteral("   Kies een letter A..Z")}));
        QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("Combo1"))->count(), 27);
        const QList<std::pair<QString, QStringList>> letters = {
            {"A", {"Aalten", "Amen"}}, {"'", {"'s-Gravenzande", "'t Zandt"}}, {"B", {"Bergen, Limburg"}}, {"Q", {}},
            {"D", {"De Rijp & Co", "Dédem"}}};
        for (const auto& [letter, names] : letters) {
            choose(form, letter);
            QCOMPARE(listed(form), names);
            QCOMPARE(labelText(form, "Label2"), QStringLiteral("%1 Plaatsnamen").arg(names.size()));
        }
        doubleClick(form, 0);
        doubleClick(form, 1);
        auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
        QTest::keyClick(list, Qt::Key_A);
        QCOMPARE(listed(form), QStringList({"Aalten", "Amen"}));
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_catcher.urls, QStringList({QStringLiteral("https://maps.google.nl/maps?hl=nl&tab=wl&q=De%20Rijp%20%26%20Co"),
                                               QStringLiteral("https://maps.google.nl/maps?hl=nl&tab=wl&q=D%C3%A9dem"),
                                               QStringLiteral("https://maps.google.nl/maps?hl=nl&tab=wl&q=Amen")}));
    }

    void menuOpensBothWindows()
    {
        MainWindowFixture f(true);
        Main& main = *f.main;
        QString mapCounter, firstName;
        f.interaction.modalScripts.enqueue([&](QDialog& dialog) {
            auto& map = dynamic_cast<Landkaart&>(dialog);
            map.setPause(0);
            map.Form_Activate();
            mapCounter = labelText(map, "Label1");
            return int(QDialog::Accepted);
        });
        f.interaction.modalScripts.enqueue([&](QDialog& dialog) {
            auto& form = dynamic_cast<StedenForm&>(dialog);
            choose(form, QStringLiteral("'"));
            firstName = listed(form).value(0);
            return int(QDialog::Accepted);
        });
        main.menus().ToolsGeografie->trigger();
        main.menus().GeografieStedenlijst->trigger();
        QCOMPARE(f.interaction.texts(QStringLiteral("modal")).size(), 2);
        QCOMPARE(mapCounter, QString::number(MapPlaces::read(f.folder.path(MapPlaces::FileName)).size()) + QStringLiteral(" Steden"));
        QVERIFY(mapCounter != QStringLiteral("0 Steden"));
        QCOMPARE(firstName, QStringLiteral("'s-Graveland"));
    }
};

QTEST_MAIN(TestGeographyWindows)
#include "test_geography_windows.moc"
