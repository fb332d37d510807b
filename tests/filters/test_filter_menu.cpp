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
    void everyKindOfEntry()
    {
        // (30, 60, 90) within column 0 and rows 0 and 1 of (200, 150, 100): mean gray 60.
        QImage source = picture(500, 260, qRgb(200, 150, 100));
        QPainter(&source).fillRect(QRect(1, 2, 499, 258), QColor(30, 60, 90));
        MainWindowFixture f;
        f.state.setTekenKleur(200, 10, 0);
        auto* barTimer = f.child<QTimer>(QStringLiteral("BarTimer"));
        auto* progBar = f.child<QProgressBar>("ProgBar");
        QList<bool> shown;
        connect(progBar, &QProgressBar::valueChanged, this, [&] { shown << !progBar->isHidden(); });
        const MainMenus& m = f.main->menus();
        // The entry, its caption, a pixel it changes, and whether it drives the Voortgang bar and the progress bar.
        const std::tuple<QAction*, const char*, QPoint, QRgb, bool, bool> entries[] = {
            {m.EditConvert[0], "Grayscale", {5, 5}, qRgb(60, 60, 60), true, false},
            {m.EditConvert[1], "Negative", {5, 5}, qRgb(225, 195, 165), true, false},
            {m.EditConvert[16], "Sepia", {5, 5}, qRgb(60, 20, 20), true, true},
            {m.EditConvert[17], "Transparant", {2, 2}, qRgb(200, 10, 0), false, true},
            {m.EditContrastConvert[2], "Negative", {5, 5}, qRgb(33, 60, 87), false, false},
            {m.EditSwap[4], "RGB --> BGR", {5, 5}, qRgb(90, 60, 30), false, false},
            {m.EditFlipConvert[0], "Flip Horizontaal", {499, 5}, qRgb(200, 150, 100), false, false},
            {m.EditFlipConvert[3], "Flip Boven", {5, 259}, qRgb(200, 150, 100), false, true},
            {m.EditBordersBreedte[10], "10 Pixels", {10, 10}, qRgb(255, 255, 255), false, false},
        };
        for (const auto& [entry, caption, at, colour, bar, progressBar] : entries) {
            f.setCanvas(source);
            barTimer->stop();
            shown.clear();
            // Fires from the events an engine filter processes after its first row, or just after a pass.
            bool barDuringRun = false, progBarDuringRun = false;
            QTimer::singleShot(0, this, [&] {
                barDuringRun = barTimer->isActive();
                progBarDuringRun = !progBar->isHidden();
            });
            entry->trigger();
            QCoreApplication::processEvents();
            QVERIFY2(f.canvas().pixel(at) == colour, caption);
            QVERIFY2(barDuringRun == bar && progBarDuringRun == (bar && progressBar), caption);
            QVERIFY2(f.state.Voortgang() == 100 || !bar, caption);
            QVERIFY2(shown.isEmpty() != progressBar && !shown.contains(false) && progBar->isHidden(), caption);
            QVERIFY2(f.undo().count() == 1 && f.undo().text(0) == QLatin1String(caption),
                     qPrintable(f.undo().text(0) + f.undo().text(1)));
            f.model.canvas().undo();
            QCOMPARE(f.canvas(), source);
        }
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
