// The "Opmaak" menu on the real main window: perforation with the file holes,
// and the barcode.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "app/wacht.h"
#include "canvas/ui/pic_edit.h"
#include "common/main_window_fixture.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "perforation/ui/opmaak_menu.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class TestOpmaakMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void perforationAndBarcodeFromTheMenu()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n");
        Main& main = *f.main;
        main.findChild<OpmaakMenu*>()->setHolePause(0);
        QImage white(500, 260, QImage::Format_RGB32);
        white.fill(Qt::white);
        main.picEdit()->setImage(white);
        const QImage& image = main.picEdit()->image();

        main.menus().PerforatieKleurVel[1]->trigger();
        QCOMPARE(image.pixel(27, 27), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(100, 200), qRgb(0, 0, 0));
        // The line width is the slider's again, and the whole perforation is one undo step.
        QCOMPARE(main.picEdit()->document().surface().drawWidth(), main.controls().Slider1->value());
        main.picEdit()->document().undo();
        QCOMPARE(main.picEdit()->image().pixel(27, 27), qRgb(255, 255, 255));
        QCOMPARE(main.picEdit()->image().pixel(100, 200), qRgb(255, 255, 255));
        main.picEdit()->document().redo();
        QCOMPARE(main.picEdit()->image().pixel(100, 200), qRgb(0, 0, 0));

        main.menus().PerforatieKleurBlok[2]->trigger();
        QCOMPARE(image.pixel(100, 150), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(101, 149), qRgb(130, 130, 130));

        main.menus().PerforatieBarcode[1]->trigger();
        QCOMPARE(image.pixel(424, 229), qRgb(0, 0, 0));
        QVERIFY(f.interaction.shown.isEmpty());
        main.picEdit()->document().undoStack().clear();
    }

    // Ending the program in the middle of 20,000 file holes stops the perforation instead of leaving
    // a process without a window drawing on for minutes.
    void exitStopsALongPerforation()
    {
        MainWindowFixture f;
        QByteArray holes;
        for (int i = 0; i < 19999; ++i)
            holes += "100,200\r\n";
        holes += "400,100\r\n";
        f.folder.write(QStringLiteral("Data/Perfin.cor"), holes);
        QImage white(500, 260, QImage::Format_RGB32);
        white.fill(Qt::white);
        f.main->picEdit()->setImage(white);
        f.main->show();
        f.interaction.yesNoAnswers.enqueue(true);
        QTimer::singleShot(20, f.main.get(), [&] { f.main->close(); });
        f.main->menus().PerforatieKleurVel[1]->trigger();
        QVERIFY(waitingEnded());
        endWaiting(false);
        QVERIFY(!f.main->isVisible());
        QCOMPARE(f.canvas().pixel(100, 200), qRgb(0, 0, 0));
        QCOMPARE(f.canvas().pixel(400, 100), qRgb(255, 255, 255)); // the last hole never came
    }
};

QTEST_MAIN(TestOpmaakMenu)
#include "test_opmaak_menu.moc"
