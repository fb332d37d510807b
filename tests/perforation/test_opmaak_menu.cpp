// The "Opmaak" menu on the real main window: each perforation and barcode
// entry as one undo step, the slider's line width after a perforation, and
// ending the program in the middle of the file holes.

#include "common/main_window_fixture.h"
#include "filters/filter_pictures.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class TestOpmaakMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyEntry()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n400,100\r\n");
        const QImage photo = filtertest::picture(500, 260, qRgb(200, 120, 40));
        const QRgb B = qRgb(0, 0, 0), W = qRgb(255, 255, 255);
        const auto& m = f.main->menus();
        // Two pixels of each entry: of the frame and the file hole (100, 200), 50 up for a block, or of the barcode.
        // clang-format off
        const struct { QAction* action; QPoint a; QRgb colourA; QPoint b; QRgb colourB; bool perforated; } rows[] = {
            {m.PerforatieKleurVel[1], {27, 27}, B, {100, 200}, B, true},
            {m.PerforatieKleurBlok[2], {16, 142}, W, {100, 150}, W, true},
            {m.PerforatieBarcode[1], {424, 229}, B, {423, 228}, W, false},
            {m.PerforatieBarcode[3], {473, 74}, B, {473, 75}, W, false}};
        // clang-format on
        f.child<QScrollBar>("Slider1")->setValue(4);
        for (const auto& row : rows) {
            f.setCanvas(photo);
            f.model.canvas().surface().setDrawWidth(9);
            row.action->trigger();
            QCOMPARE(f.canvas().pixel(row.a), row.colourA);
            QCOMPARE(f.canvas().pixel(row.b), row.colourB);
            if (row.perforated) // a perforation draws with width 1 and then takes the slider's again
                QCOMPARE(f.model.canvas().surface().drawWidth(), 4);
            f.undo().undo(); // one step
            QCOMPARE(f.canvas(), photo);
        }
        // Ending the program in the pause after the first file hole stops the perforation.
        f.main->show();
        f.interaction.saveChoices.enqueue(Interaction::SaveChoice::Discard);
        QTimer::singleShot(0, f.main.get(), [&] { f.main->close(); });
        m.PerforatieKleurVel[1]->trigger();
        QVERIFY(waitingEnded());
        endWaiting(false);
        QCOMPARE(f.canvas().pixel(100, 200), B);
        QCOMPARE(f.canvas().pixel(400, 100), photo.pixel(0, 0));
    }
};

QTEST_MAIN(TestOpmaakMenu)
#include "test_opmaak_menu.moc"
