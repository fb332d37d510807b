// The map window and the place-name list as the user meets them, opened from
// the main window's "Geografie" menu.

#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "common/url_catcher.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/place_names.h"
#include "geography/ui/landkaart.h"
#include "geography/ui/stedenform.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestGeographyWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each activation plots every place from number 1 and then offers Exit, which Enter presses; a skipped
    // record is not counted. Closing the window ends a run; a file that is no list of places leaves the window
    // usable.
    void mapRuns()
    {
        TestFolder folder;
        QByteArray places = ",50,Overgeslagen\r\n";
        for (int n = 1; n <= 40; ++n)
            places += QByteArray::number(20 + 5 * n) + ",100,Plaats " + QByteArray::number(n) + "\r\n";
        QVERIFY(folder.write(MapPlaces::FileName, places));
        Landkaart map(folder.folder());
        map.setPause(0);
        QVERIFY(!map.findChild<QPushButton*>("ExitKnop")->isEnabled());
        for (int run = 0; run < 2; ++run) {
            map.Form_Activate();
            QCOMPARE(map.findChild<QLabel*>("Label1")->text(), "40 Steden");
        }
        QVERIFY(map.findChild<QPushButton*>("ExitKnop")->isEnabled());
        map.show();
        QTest::keyClick(&map, Qt::Key_Return); // Enter is Exit after the run
        QVERIFY(!map.isVisible());
        QCOMPARE(map.result(), QDialog::Accepted);
        map.setPause(0.001f);
        map.show();
        QTimer::singleShot(0, &map, &QDialog::reject); // comes in at the pause after the first place
        map.Form_Activate();
        QCOMPARE(map.findChild<QLabel*>("Label1")->text(), "1 Steden");

        QVERIFY(folder.write(MapPlaces::FileName, QByteArray("\0\1", 2)));
        Landkaart empty(folder.folder());
        empty.Form_Activate();
        QCOMPARE(empty.findChild<QLabel*>("Label1")->text(), "0 Steden");
        QCOMPARE(empty.map(), MapPicture::draw());
        QVERIFY(empty.findChild<QPushButton*>("ExitKnop")->isEnabled());
    }

    // A letter lists its names (which names, the core test checks) and their number (five digits fit); a double click
    // or Enter looks a name up on the web map; a word typed in the list chooses its letter and finds its name.
    // The title leaves room for the frame's buttons.
    void placeNames()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        TestFolder folder;
        QVERIFY(folder.write(PlaceNames::FileName,
                             "Aalten\r\nA\r\n\"Bergen, Limburg\"\r\nDe Rijp\r\nD\xf4nj\xfbm\r\nAmen\r\nDelden\r\n"
                             "Delft\r\n" +
                                 QByteArray("Zzz\r\n").repeated(12345)));
        StedenForm form(folder.folder());
        auto* list = form.findChild<QListWidget*>("List1");
        auto* letter = form.findChild<QComboBox*>("Combo1");
        QVERIFY(form.fontMetrics().horizontalAdvance(form.windowTitle()) < form.width() / 2);
        letter->setCurrentText("D");
        form.Combo1_Click();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(1)->text(), "Dônjûm");
        list->setCurrentRow(1);
        form.List1_DblClick();
        QTest::keyClicks(list, "am"); // the A list, and its first name that starts so
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClicks(list, "delf");
        QCOMPARE(list->currentItem()->text(), "Delft");
        letter->setCurrentText("Z");
        form.Combo1_Click();
        const auto* count = form.findChild<QLabel*>("Label2");
        QCOMPARE(count->text(), "12345 Plaatsnamen");
        QVERIFY(count->sizeHint().width() <= count->width());
        QVERIFY(count->geometry().right() < form.findChild<QLabel*>("Label1")->x());
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QStringList({"https://maps.google.nl/maps?hl=nl&tab=wl&q=D%C3%B4nj%C3%BBm",
                                            "https://maps.google.nl/maps?hl=nl&tab=wl&q=Amen"}));
    }

    void menuOpensBothWindows()
    {
        MainWindowFixture f;
        f.main->menus().ToolsGeografie->trigger();
        f.main->menus().GeografieStedenlijst->trigger();
        QCOMPARE(f.interaction.texts("modal"), QStringList({"Landkaart", "StedenForm"}));
    }
};

QTEST_MAIN(TestGeographyWindows)
#include "test_geography_windows.moc"
