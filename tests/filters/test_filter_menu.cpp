// The filter menus on the real main window: each entry changes the canvas as
// one undo step named after it, with the Voortgang bar for the engine's filters
// and the progress-bar control for the passes; nothing is accepted while a
// filter runs.

#include "common/main_window_fixture.h"
#include "filter_pictures.h"
#include "filters/ui/filter_menu.h"

#include <QAction>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

using namespace filtertest;

class TestFilterMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The entry (by its name), and whether it drives the Voortgang bar and the progress bar.
    void everyKindOfEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("bar");
        QTest::addColumn<bool>("progressBar");
        QTest::newRow("grijs") << "EditConvert0" << true << false;
        QTest::newRow("sepia") << "EditConvert16" << true << true;
        QTest::newRow("transparant") << "EditConvert17" << false << true;
        QTest::newRow("contrast") << "EditContrastConvert2" << false << false;
        QTest::newRow("kleuren wisselen") << "EditSwap4" << false << false;
        QTest::newRow("spiegelen") << "EditFlipConvert0" << false << false;
        QTest::newRow("omkeren") << "EditFlipConvert3" << false << true;
        QTest::newRow("rand") << "EditBordersBreedte10" << false << false;
    }

    // What each entry paints is checked against the passes and the engine; here it changes the canvas.
    void everyKindOfEntry()
    {
        QFETCH(QString, entry);
        QFETCH(bool, bar);
        QFETCH(bool, progressBar);
        // (30, 60, 90) within column 0 and rows 0 and 1 of (200, 150, 100): every entry changes it.
        QImage source = picture(500, 260, qRgb(200, 150, 100));
        QPainter(&source).fillRect(QRect(1, 2, 499, 258), QColor(30, 60, 90));
        MainWindowFixture f;
        auto* barTimer = f.child<QTimer>(QStringLiteral("BarTimer"));
        auto* progBar = f.child<QProgressBar>("ProgBar");
        QList<bool> shown;
        connect(progBar, &QProgressBar::valueChanged, this, [&] { shown << !progBar->isHidden(); });
        f.setCanvas(source);
        barTimer->stop();
        // Fires from the events an engine filter processes after its first row, or just after a pass.
        bool barDuringRun = false, progBarDuringRun = false;
        QTimer::singleShot(0, this, [&] {
            barDuringRun = barTimer->isActive();
            progBarDuringRun = !progBar->isHidden();
        });
        f.child<QAction>(entry)->trigger();
        QCoreApplication::processEvents();
        QVERIFY(f.canvas() != source);
        QCOMPARE(barDuringRun, bar);
        QCOMPARE(progBarDuringRun, bar && progressBar);
        if (bar)
            QCOMPARE(f.state.Voortgang(), 100);
        QCOMPARE(!shown.isEmpty(), progressBar);
        QVERIFY(!shown.contains(false));
        QVERIFY(progBar->isHidden());
        QCOMPARE(f.undo().count(), 1);
        QCOMPARE(f.undo().text(0), f.child<QAction>(entry)->text());
        f.model.canvas().undo();
        QCOMPARE(f.canvas(), source);
    }

    void nothingIsAcceptedWhileAFilterRuns()
    {
        MainWindowFixture f;
        f.setCanvas(picture(500, 260, qRgb(30, 60, 90)));
        const MainMenus& m = f.main->menus();
        bool triedMeanwhile = false;
        // Fires from the events the filter processes after its first row.
        QTimer::singleShot(0, this, [&] {
            triedMeanwhile = f.controller<FilterMenu>().engine().bezig();
            for (QAction* entry : {m.EditConvert[1], m.EditConvert[17], m.EditSwap[4], m.EditContrastConvert[1],
                                   m.EditFlipConvert[0], m.EditBordersBreedte[10]})
                entry->trigger();
        });
        m.EditConvert[0]->trigger();
        QVERIFY(triedMeanwhile);
        QCOMPARE(f.canvas(), picture(500, 260, qRgb(60, 60, 60)));
        QCOMPARE(f.undo().count(), 1);
    }
};

QTEST_MAIN(TestFilterMenu)
#include "test_filter_menu.moc"
