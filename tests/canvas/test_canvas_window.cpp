// The canvas area of the real main window: tool buttons and marker, the mouse
// on the canvas, the read-outs, the drawing-buttons switch, the colour
// swatches with the chooser, and undo and redo from the "Bewerken" menu.

#include "canvas_window_fixture.h"

#include "canvas/ui/colorkeuze.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

class TestCanvasWindow : public QObject
{
    Q_OBJECT

    static void pickInChooser(CanvasWindow& w, QPoint at, QString* toolTip = nullptr)
    {
        w.interaction.modalScripts.enqueue([at, toolTip](QDialog& dialog) {
            auto& keuze = static_cast<ColorKeuze&>(dialog);
            QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(keuze.picture1(), &move);
            if (toolTip)
                *toolTip = keuze.picture1()->toolTip();
            QTest::mouseClick(keuze.picture1(), Qt::LeftButton, {}, at);
            return dialog.result();
        });
    }

private Q_SLOTS:
    void toolSelection()
    {
        CanvasWindow w;
        QVERIFY(!w.child<QWidget>("KnopPijl")->isVisible());
        w.tools->Knop_Click(7);
        QCOMPARE(int(w.state.Gereedschap), 7);
        const QRect button = w.child<QWidget>("Knop7")->geometry();
        const int marker = w.child<QWidget>("KnopPijl")->geometry().center().x();
        QVERIFY(!w.child<QWidget>("KnopPijl")->isHidden() && marker > button.left() && marker < button.right());
        QCOMPARE(w.child<QLabel>("InfoLabel")->text(),
                 QStringLiteral("Linkermuisknop is vullen van vlakken met de vulkleur."));
        QVERIFY(w.child<QWidget>("Gum")->isHidden());

        w.tools->Knop_Click(9);
        QVERIFY(!w.child<QWidget>("Gum")->isHidden());
        QCOMPARE(w.child<QWidget>("Gum")->size(), QSize(10, 10));
        w.hover(QPoint(100, 50));
        QCOMPARE(w.child<QWidget>("Gum")->pos(), QPoint(90, 40));
        QCOMPARE(w.child<QLabel>("CoorLabel")->text(), QStringLiteral("Coördinaten : X = 100, Y = 50"));
        w.tools->Knop_Click(1);
        QVERIFY(w.child<QWidget>("Gum")->isHidden());
    }

    void drawingButtonsSwitch()
    {
        CanvasWindow w;
        QAction* entry = w.main->menus().EditKnoppen;
        QVERIFY(!w.child<QToolButton>("Knop1")->isEnabled());
        entry->trigger();
        QCOMPARE(entry->text(), QStringLiteral("Tekenknoppen Uit"));
        for (const char* name : {"Knop1", "Knop12", "Slider1", "TekstKnop", "AchtergrondKnop", "PlaatsKnop"})
            QVERIFY2(w.child<QWidget>(name)->isEnabled(), name);
        QTest::mouseClick(w.child<QToolButton>("Knop3"), Qt::LeftButton);
        QCOMPARE(int(w.state.Gereedschap), 3);
        entry->trigger();
        QCOMPARE(entry->text(), QStringLiteral("Tekenknoppen Aan"));
        QVERIFY(!w.child<QWidget>("Knop3")->isEnabled());
        QVERIFY(!w.child<QWidget>("PlaatsKnop")->isEnabled());
        // The tool stays selected and still draws.
        w.stroke(QPoint(10, 10), {QPoint(30, 20)});
        QCOMPARE(w.image().pixel(10, 10), qRgb(0, 0, 0));
        QCOMPARE(w.image().pixel(30, 20), qRgb(0, 0, 0));
    }

    void lineWidthReadOut()
    {
        CanvasWindow w;
        auto* label = w.child<QLabel>("Label12");
        QCOMPARE(label->text(), QStringLiteral("Lijndikte : 2 pixels"));
        w.child<QScrollBar>("Slider1")->setValue(4);
        QCOMPARE(label->text(), QStringLiteral("Lijndikte : 4 pixel"));
        w.child<QScrollBar>("Slider1")->setValue(2);
        QCOMPARE(label->text(), QStringLiteral("Lijndikte : 2 pixel"));
        // The width counts from the next press on.
        w.tools->Knop_Click(3);
        w.child<QScrollBar>("Slider1")->setValue(1);
        w.stroke(QPoint(100, 100), {QPoint(120, 120)});
        QCOMPARE(w.image().pixel(99, 100), qRgb(255, 255, 255));
        w.child<QScrollBar>("Slider1")->setValue(3);
        w.stroke(QPoint(200, 100), {QPoint(220, 120)});
        QCOMPARE(w.image().pixel(199, 110), qRgb(0, 0, 0));
    }

    void rubberBandOnTheCanvas()
    {
        CanvasWindow w;
        w.tools->Knop_Click(4);
        auto* layer = w.child<QWidget>("Layer");
        w.press(QPoint(50, 60));
        w.drag(QPoint(80, 100));
        QVERIFY(!layer->isHidden());
        QCOMPARE(layer->geometry(), QRect(50, 60, 31, 41));
        w.drag(QPoint(20, 30)); // left and up: one pixel
        QCOMPARE(layer->geometry(), QRect(50, 60, 1, 1));
        w.release(QPoint(20, 30));
        QVERIFY(layer->isHidden());
        QCOMPARE(w.image().pixel(50, 60), qRgb(255, 255, 255));
        w.stroke(QPoint(50, 60), {QPoint(80, 100)});
        QCOMPARE(w.image().pixel(65, 80), qRgb(255, 255, 0));
    }

    void colourPickWithBothButtons()
    {
        CanvasWindow w;
        w.canvas->document().change(QStringLiteral("kleur"),
                                    [](QImage& image) { image.setPixel(7, 8, qRgb(10, 20, 30)); });
        w.tools->Knop_Click(10);
        w.stroke(QPoint(7, 8), {}, Qt::RightButton);
        QCOMPARE(std::tuple(w.state.VulR, w.state.VulG, int(w.state.VulB)), std::tuple(10, 20, 30));
        QCOMPARE(std::tuple(w.state.TekenR, w.state.TekenG, int(w.state.TekenB)), std::tuple(0, 0, 0));
        QCOMPARE(w.child<QWidget>("VulLabel")->palette().color(QPalette::Window), QColor(10, 20, 30));
        w.stroke(QPoint(7, 8), {});
        QCOMPARE(w.child<QWidget>("TekenLabel")->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    // The chooser's pick arrives one step inside the palette's extremes and is kept between openings;
    // closed without pointing, the last pick stands.
    void chooserColours()
    {
        CanvasWindow w;
        QString toolTip;
        const QList<std::tuple<QPoint, bool, QColor, QString>> picks = {
            {{6, 186}, true, {1, 1, 1}, " 0,0,0 / #000000 "},       // black, bottom of the grey column
            {{6, 6}, false, {254, 254, 254}, " 255,255,255 / #FFFFFF "},
            {{18, 6}, false, {254, 1, 1}, " 255,0,0 / #FF0000 "},
            {{24, 24}, true, {254, 254, 254}, " 255,255,255 / #FFFFFF "}, // on an outline: white
        };
        for (const auto& [at, draw, colour, tip] : picks) {
            pickInChooser(w, at, &toolTip);
            draw ? w.tools->TekenLabel_Click() : w.tools->VulLabel_Click();
            QCOMPARE(toolTip, tip);
            const char* swatch = draw ? "TekenLabel" : "VulLabel";
            QCOMPARE(w.child<QWidget>(swatch)->palette().color(QPalette::Window), colour);
        }
        QCOMPARE(std::tuple(w.state.KeuzeR, w.state.KeuzeG, w.state.KeuzeB), std::tuple(255, 255, 255));
        QCOMPARE(w.interaction.shown.last().title, QStringLiteral(" Kleurenpalet"));
        w.tools->VulLabel_Click(); // no script: closed without a pick
        QCOMPARE(std::tuple(w.state.VulR, w.state.VulG, int(w.state.VulB)), std::tuple(254, 254, 254));

        ColorKeuze keuze({3, 4, 5});
        QCOMPARE(keuze.size(), QSize(106, 214));
        keuze.Picture1_MouseMove(QPoint(500, 500)); // outside the palette: nothing changes
        QCOMPARE(keuze.keuze().b, 5);
    }

    void undoAndRedoEntries()
    {
        CanvasWindow w;
        QMenu* edit = w.main->findChild<QMenu*>(QStringLiteral("Bewerken"));
        const QList<QAction*> actions = edit->actions();
        QAction* undo = actions.at(actions.size() - 2);
        QAction* redo = actions.last();
        QCOMPARE(undo->text() + redo->text(), QStringLiteral("Ongedaan makenOpnieuw"));
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        const QImage start = w.image().copy();
        w.tools->Knop_Click(1);
        w.stroke(QPoint(10, 10), {QPoint(50, 10), QPoint(50, 60), QPoint(90, 90)});
        const QImage afterStroke = w.image().copy();
        w.tools->Knop_Click(8);
        w.stroke(QPoint(200, 200), {QPoint(201, 200), QPoint(202, 200)});
        QCOMPARE(w.canvas->document().undoStack().count(), 2); // one step per stroke
        undo->trigger();
        QCOMPARE(w.image(), afterStroke);
        undo->trigger();
        QCOMPARE(w.image(), start);
        QVERIFY(!undo->isEnabled());
        redo->trigger();
        QCOMPARE(w.image(), afterStroke);

        // While a command runs, nothing that changes the canvas can be chosen, and an undo arriving anyway is refused.
        w.canvas->document().change(QStringLiteral("Negative"), [&](QImage& image) {
            QVERIFY(!undo->isEnabled());
            QVERIFY(!edit->menuAction()->isEnabled());
            QVERIFY(!w.main->menus().FileNew->isEnabled());
            undo->trigger();
            image.invertPixels();
        });
        QVERIFY(undo->isEnabled() && edit->menuAction()->isEnabled() && w.main->menus().FileNew->isEnabled());
        QCOMPARE(w.canvas->document().undoStack().count(), 2);
        undo->trigger();
        QCOMPARE(w.image(), afterStroke);
    }

    void handlersWithoutToolAnswerOnlyTheReadOut()
    {
        CanvasWindow w;
        const QImage before = w.image().copy();
        w.stroke(QPoint(10, 10), {QPoint(100, 100)});
        QCOMPARE(w.image(), before);
        QCOMPARE(w.child<QLabel>("CoorLabel")->text(), QStringLiteral("Coördinaten : X = 100, Y = 100"));
    }
};

QTEST_MAIN(TestCanvasWindow)
#include "test_canvas_window.moc"
