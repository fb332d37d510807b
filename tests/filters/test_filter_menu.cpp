// The filter menus on the real main window: each entry changes the canvas as
// one undo step, with the Voortgang bar for the engine's filters and the
// progress-bar control for the passes; nothing is accepted while a filter runs.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "canvas/ui/pic_edit.h"
#include "common/main_window_fixture.h"
#include "filter_pictures.h"
#include "filters/ui/filter_menu.h"

#include <QAction>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

using namespace filtertest;

class TestFilterMenu : public QObject
{
    Q_OBJECT

    struct Fixture : MainWindowFixture
    {
        FilterMenu* menu = nullptr;

        explicit Fixture(const QImage& canvas)
        {
            menu = main->findChild<FilterMenu*>();
            main->picEdit()->setImage(canvas);
        }
        QTimer* barTimer() const { return main->findChild<QTimer*>(QStringLiteral("BarTimer")); }
        QProgressBar* progBar() const { return main->controls().ProgBar; }
    };

private Q_SLOTS:
    void aFilterEntryIsOneUndoStep()
    {
        const QImage source = patternPicture(500, 260);
        Fixture f(source);
        QVERIFY(f.menu);
        f.main->menus().EditConvert[1]->trigger();
        QCOMPARE(f.canvas(), filtered(source, FilterKind::Negative));
        QCOMPARE(f.state.Voortgang, 100);
        QCOMPARE(f.undo().count(), 1);
        QCOMPARE(f.undo().text(0), QStringLiteral("Negative"));
        f.undo().undo();
        QCOMPARE(f.canvas(), source);
    }

    void submenuEntriesRunNothing()
    {
        const QImage source = patternPicture(500, 260);
        Fixture f(source);
        for (const int index : {5, 8, 18, -1})
            f.menu->EditConvert_Click(index);
        QCOMPARE(f.canvas(), source);
        QCOMPARE(f.undo().count(), 0);
        QVERIFY(!f.barTimer()->isActive());
    }

    void engineFiltersDriveTheBarTimer()
    {
        Fixture f(patternPicture(500, 260));
        f.menu->EditConvert_Click(9); // Scattered
        QVERIFY(f.barTimer()->isActive());
        QCOMPARE(f.state.Voortgang, 100);
        QTRY_VERIFY(!f.barTimer()->isActive()); // it stops itself at 100
        f.menu->EditConvert_Click(17); // Transparant drives only the progress-bar control
        QVERIFY(!f.barTimer()->isActive());
        f.menu->EditSwap_Click(1);     // the submenus start no progress display
        f.menu->EditContrastConvert_Click(1);
        QVERIFY(!f.barTimer()->isActive());
    }

    void sepiaAndTransparantShowTheProgressBar()
    {
        Fixture f(picture(500, 260, qRgb(255, 255, 255)));
        QList<bool> shownDuringRun;
        connect(f.progBar(), &QProgressBar::valueChanged, this, [&] { shownDuringRun << !f.progBar()->isHidden(); });
        f.menu->EditConvert_Click(16);
        QCOMPARE(f.canvas().pixel(250, 130), qRgb(255, 215, 175));
        QVERIFY(!shownDuringRun.isEmpty() && !shownDuringRun.contains(false));
        QVERIFY(f.progBar()->isHidden());
        QCOMPARE(f.progBar()->value(), 0);

        f.state.TekenR = 200;
        f.state.TekenG = 10;
        f.menu->EditConvert_Click(17);
        QCOMPARE(f.canvas().pixel(0, 0), qRgb(200, 10, 0));
        QCOMPARE(f.canvas().pixel(1, 0), qRgb(255, 215, 175));
        QCOMPARE(f.undo().count(), 2);
        QVERIFY(f.progBar()->isHidden());
    }

    void swapContrastFlipAndBorderEntries()
    {
        const QImage source = patternPicture(500, 260);
        Fixture f(source);
        f.main->menus().EditSwap[4]->trigger();
        QCOMPARE(f.canvas(), filtered(source, FilterKind::ColourSwap, 4));
        f.main->menus().EditSwap[4]->trigger();
        QCOMPARE(f.canvas(), source);
        f.main->menus().EditContrastConvert[2]->trigger();
        QCOMPARE(f.canvas(), filtered(source, FilterKind::Contrast, -10));
        f.undo().undo();

        f.main->menus().EditFlipConvert[0]->trigger();
        QCOMPARE(f.canvas().pixel(0, 7), source.pixel(499, 7));
        f.main->menus().EditFlipConvert[0]->trigger();
        QCOMPARE(f.canvas(), source);
        f.main->menus().EditFlipConvert[3]->trigger();
        QCOMPARE(f.canvas().pixel(9, 259), source.pixel(9, 1));
        QVERIFY(f.progBar()->isHidden());
        f.undo().undo();

        f.main->menus().EditBordersBreedte[10]->trigger();
        QCOMPARE(f.canvas().pixel(10, 10), qRgb(255, 255, 255));
        QCOMPARE(f.canvas().pixel(11, 11), source.pixel(11, 11));
        QCOMPARE(f.undo().text(f.undo().index() - 1), QStringLiteral("10 Pixels"));
    }

    void nothingIsAcceptedWhileAFilterRuns()
    {
        const QImage source = patternPicture(500, 260);
        Fixture f(source);
        bool triedMeanwhile = false;
        // Fires from the events the filter processes after its first row.
        QTimer::singleShot(0, f.menu, [&] {
            triedMeanwhile = f.menu->engine().bezig();
            f.menu->EditConvert_Click(1);
            f.menu->EditSwap_Click(4);
            f.menu->EditFlipConvert_Click(0);
            f.menu->EditBordersBreedte_Click(10);
            f.menu->EditConvert_Click(17);
        });
        f.menu->EditConvert_Click(0);
        QVERIFY(triedMeanwhile);
        QCOMPARE(f.canvas(), filtered(source, FilterKind::Grayscale));
        QCOMPARE(f.undo().count(), 1);
        f.menu->EditConvert_Click(1);
        QCOMPARE(f.canvas(), filtered(filtered(source, FilterKind::Grayscale), FilterKind::Negative));
    }
};

QTEST_MAIN(TestFilterMenu)
#include "test_filter_menu.moc"
