// The canvas area of the real main window, driven as a user does: tool buttons
// and read-outs, the drawing-buttons switch, the colour swatches with the
// chooser, the undo entries, the text panel and the photo commands, with every
// dialog answered by script.

#include "canvas/ui/colorkeuze.h"
#include "canvas/ui/colour_swatches.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/text_panel.h"
#include "canvas/ui/tool_row.h"
#include "canvas/ui/zoom_view.h"
#include "canvas/ui/zoom_window.h"
#include "common/main_window_fixture.h"
#include "common/pixels.h"
#include "documents/supplement_file.h"
#include "documents/ui/laadvel.h"
#include "filters/filter_pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QImage Blank = filtertest::picture(500, 260, qRgb(255, 255, 255));
const QRgb Draw = qRgb(200, 30, 90);
const QString Block = QStringLiteral("\u2588"); // fills its text cell: 16 x 25 pixels at 16 points

// A move with no button held, sent straight to the widget.
void hover(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(widget, &move);
}

// The real main window on a white canvas, with the mouse on the canvas as a user drives it.
struct CanvasWindow : MainWindowFixture
{
    PicEdit* pic = main->picEdit();
    TextPanel& panel = *main->findChild<TextPanel*>();
    ColourSwatches& swatches = *main->findChild<ColourSwatches*>();

    CanvasWindow() { setCanvas(Blank); }
    void choose(int tool) { main->findChild<ToolRow*>()->Knop_Click(tool); }
    QRect painted() const { return changedRect(Blank, canvas()); }
    QColor swatch(const QString& name) const { return child<QWidget>(name)->palette().color(QPalette::Window); }
    // Press at the first point, move through the others with the button held, release at the last.
    void stroke(const QList<QPoint>& path, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(pic, button, {}, path.first());
        for (QPoint p : path.mid(1))
            QTest::mouseMove(pic, p);
        QTest::mouseRelease(pic, button, {}, path.last());
    }
    // The text in DejaVu Sans armed for placing, the panel opened first.
    void arm(const QString& text = Block)
    {
        if (int(state.Gereedschap()) != 15)
            panel.TekstKnop_Click();
        child<QComboBox>("ListFonts")->setCurrentText("DejaVu Sans");
        child<QLineEdit>("Text1")->setText(text);
        panel.PlaatsKnop_Click();
    }
};

} // namespace

class TestCanvasWindow : public QObject
{
    Q_OBJECT
    TestFolder m_folder;
    QString m_photo = m_folder.path("rozen.png");

private Q_SLOTS:
    void initTestCase() { QVERIFY(filtertest::picture(64, 48, Draw).save(m_photo)); }

    // The switch enables the buttons; the marker and the eraser outline follow the tool; a tool stays
    // selected with the buttons off and draws with the slider's width while its band shows.
    void toolButtonsAndReadOuts()
    {
        CanvasWindow w;
        QAction* entry = w.main->menus().EditKnoppen;
        auto* gum = w.child<QWidget>("Gum");
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
        QVERIFY(!w.child<QWidget>("Knop1")->isEnabled());
        entry->trigger();
        for (const char* name : {"Knop1", "Knop12", "Slider1", "TekstKnop", "AchtergrondKnop", "PlaatsKnop"})
            QVERIFY2(w.child<QWidget>(name)->isEnabled(), name);
        QTest::mouseClick(w.child<QWidget>("Knop9"), Qt::LeftButton);
        hover(w.pic, QPoint(100, 50));
        QVERIFY(!gum->isHidden());
        QCOMPARE(w.text("CoorLabel"), "Coördinaten : X = 100, Y = 50");
        w.child<QScrollBar>("Slider1")->setValue(3);
        QCOMPARE(w.text("Label12"), "Lijndikte : 3 pixel");
        QTest::mouseClick(w.child<QWidget>("Knop3"), Qt::LeftButton);
        entry->trigger();
        QVERIFY(!w.child<QWidget>("Knop3")->isEnabled());
        QVERIFY(gum->isHidden());
        auto* layer = w.child<QWidget>("Layer");
        QTest::mousePress(w.pic, Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseMove(w.pic, QPoint(20, 25));
        QVERIFY(!layer->isHidden());
        QTest::mouseRelease(w.pic, Qt::LeftButton, {}, QPoint(20, 25));
        QVERIFY(layer->isHidden());
        QCOMPARE(w.painted(), QRect(9, 19, 13, 8));
    }

    // The chooser hands back the colour last pointed at or clicked, one step inside the extremes (0 becomes
    // 1, 255 becomes 254), also when it closes without a click.
    void chooserPicks()
    {
        // clang-format off
        const struct { QPoint at; const char* swatch; QColor colour; QString tip; } picks[] = {
            {{18, 6}, "TekenLabel", {254, 1, 1}, " 255,0,0 / #FF0000 "},
            {{42, 30}, "VulLabel", {1, 1, 223}, " 0,0,224 / #0000E0 "},
            {{24, 24}, "TekenLabel", {254, 254, 254}, " 255,255,255 / #FFFFFF "}}; // on a box's edge
        // clang-format on
        for (const auto& [at, swatch, colour, tip] : picks) {
            CanvasWindow w;
            QString toolTip;
            w.interaction.modalScripts.enqueue([at, &toolTip](QDialog& dialog) {
                QWidget* palette = static_cast<ColorKeuze&>(dialog).picture1();
                hover(palette, at);
                toolTip = palette->toolTip();
                QTest::mouseClick(palette, Qt::LeftButton, {}, at);
                return dialog.result();
            });
            swatch == QLatin1String("VulLabel") ? w.swatches.VulLabel_Click() : w.swatches.TekenLabel_Click();
            QCOMPARE(toolTip, tip);
            QCOMPARE(w.swatch(swatch), colour);
            w.swatches.VulLabel_Click();
            QCOMPARE(w.swatch("VulLabel"), colour);
        }
    }

    // The undo entries follow the history; while a command runs they and the other commands that change
    // the canvas are off, and an undo arriving anyway is refused.
    void undoEntries()
    {
        CanvasWindow w;
        const QList<QAction*> actions = w.main->findChild<QMenu*>("Bewerken")->actions();
        QAction *undo = actions.at(actions.size() - 2), *redo = actions.last();
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        w.model.canvas().change("Negatief", [&](QImage& image) {
            QVERIFY(!undo->isEnabled());
            QVERIFY(!w.main->menus().FileNew->isEnabled());
            undo->trigger();
            image.invertPixels();
        });
        QVERIFY(undo->isEnabled());
        QVERIFY(w.main->menus().FileNew->isEnabled());
        undo->trigger();
        QCOMPARE(w.canvas(), Blank);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(countColour(w.canvas(), qRgb(0, 0, 0)), 500 * 260);
    }

    // Opening parks the tool number at 15 so no tool draws; closing ends a pending placement. The
    // direction buttons work only with "Richting" on.
    void textPanelAndDirections()
    {
        CanvasWindow w;
        w.choose(3);
        w.panel.TekstKnop_Click();
        QVERIFY(w.child<QWidget>("Frame4")->isHidden());
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
        w.stroke({{10, 10}, {60, 60}});
        w.arm();
        w.panel.TekstKnop_Click();
        QVERIFY(!w.child<QWidget>("Frame4")->isHidden());
        QVERIFY(!w.state.TekstPlaatsen());
        QCOMPARE(int(w.state.Gereedschap()), 0);
        QVERIFY(w.child<QWidget>("Label19")->isHidden());
        w.arm("   "); // blank text does not arm
        QVERIFY(!w.state.TekstPlaatsen());
        QVERIFY(w.painted().isEmpty());

        auto* richting = w.child<QCheckBox>("CheckVer");
        for (bool on : {true, false, true}) {
            richting->setChecked(on);
            w.panel.CheckVer_Click();
            QCOMPARE(w.child<QWidget>("AngleKnop0")->isEnabled(), on);
        }
        w.panel.AngleKnop_Click(0);
        QCOMPARE(w.text("AngleLabel"), "135°");
    }

    // Horizontal text lands where the preview that follows the pointer showed it; rotated text starts at
    // (X - 2, Y - 2), also on a right click; the halo is a two-pixel ring in the fill colour; a size that is
    // no number places nothing.
    void placingText()
    {
        CanvasWindow w;
        w.state.setTekenKleur(qRed(Draw), qGreen(Draw), qBlue(Draw));
        w.arm();
        auto* preview = w.child<QLabel>("Label19");
        hover(w.pic, QPoint(300, 150));
        w.stroke({{300, 150}});
        QVERIFY(w.painted().isEmpty()); // it floats until fixed
        w.fix();
        QCOMPARE(w.painted(), QRect(preview->geometry().topLeft(), QSize(16, 25)));
        QVERIFY(!w.state.TekstPlaatsen());
        QVERIFY(preview->isHidden());
        w.model.canvas().undo();

        w.child<QCheckBox>("CheckVer")->setChecked(true);
        w.panel.CheckVer_Click();
        w.panel.AngleKnop_Click(1);
        w.child<QCheckBox>("Check1")->setChecked(true);
        w.arm();
        w.stroke({{200, 220}}, Qt::RightButton);
        w.fix();
        QCOMPARE(w.painted(), QRect(198, 202, 25, 16).adjusted(-2, -2, 2, 2));
        // The ring: the block's cell two pixels wider all round (29 x 20), less three pixels at each corner.
        QCOMPARE(countColour(w.canvas(), Draw), 16 * 25);
        QCOMPARE(countColour(w.canvas(), qRgb(255, 255, 0)), 168);
        // A size that is no number at the click places nothing and falls back to the last good one.
        const QImage placed = w.canvas().copy();
        w.arm();
        w.child<QComboBox>("ComboSize")->setCurrentText("groot");
        w.stroke({{100, 100}});
        QCOMPARE(w.canvas(), placed);
        QVERIFY(!w.state.TekstPlaatsen());
        QVERIFY(w.text("InfoLabel").contains("geen getal"));
        QCOMPARE(w.child<QComboBox>("ComboSize")->currentText(), "16");
    }

    // A cancelled dialog, a file that is no picture and a missing file change nothing, the unreadable
    // picture told on the status line in red and in a box; then the photo rectangle and the background button stretch
    // the picture into the dragged rectangle or over the canvas and leave no tool selected, while the
    // frame photos keep the tool. The fit chosen in Opmaak holds for the next placement.
    void placingPhotos()
    {
        CanvasWindow w;
        w.choose(12);
        QVERIFY(m_folder.write("kapot.jpg", "dit is geen foto"));
        w.interaction.fileAnswers << "" << m_folder.path("kapot.jpg") << m_folder.path("bestaat-niet.gif");
        w.stroke({{10, 20}, {110, 70}});
        w.stroke({{10, 20}, {110, 70}});
        w.main->menus().PerforatieVelFotos[1]->trigger();
        // The first dialog opens in the user's pictures, later ones in the folder of the last photo.
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QCOMPARE(w.interaction.texts("open"), QStringList(3, pictures));
        QCOMPARE(int(w.state.Gereedschap()), 12);
        QVERIFY(w.painted().isEmpty());
        QCOMPARE(w.undo().count(), 0);
        QCOMPARE(w.child<QLabel>("InfoLabel")->palette().color(QPalette::WindowText), QColor(155, 0, 0));
        // A box says it too, with the kinds that can be read.
        QVERIFY(w.interaction.texts("message")
                    .filter("kapot.jpg")
                    .value(0)
                    .contains("Leesbaar zijn: JPEG, PNG, BMP, GIF, TIFF, WebP"));
        QVERIFY(!QGuiApplication::overrideCursor());
        w.interaction.fileAnswers << m_photo << m_photo << m_photo;
        w.stroke({{10, 20}, {60, 40}, {110, 70}});
        w.fix();
        QCOMPARE(w.painted(), QRect(10, 20, 100, 50));
        QCOMPARE(int(w.state.Gereedschap()), 0);
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
        QCOMPARE(w.main->menus().Bestandsnaam->title(), "rozen.png / 64 x 48 pixels");
        QVERIFY(!QGuiApplication::overrideCursor());
        w.choose(4);
        w.main->menus().PerforatieBlokFotos[2]->trigger(); // where the frames lie, the model test checks
        QCOMPARE(int(w.state.Gereedschap()), 4);
        w.panel.AchtergrondKnop_Click();
        QCOMPARE(countColour(w.canvas(), Draw), 500 * 260);
        QCOMPARE(int(w.state.Gereedschap()), 0);
        QCOMPARE(w.undo().count(), 3);
        QCOMPARE(w.interaction.texts("open").last(), QFileInfo(m_photo).absolutePath());
        // Opmaak › Foto's plaatsen › Passen: the 4:3 photo whole in the middle of the canvas, 347 pixels wide.
        w.main->menus().OpmaakFotoPassen[2]->trigger();
        QCOMPARE(w.state.photoFit(), PhotoFit::Passen);
        w.setCanvas(Blank);
        w.interaction.fileAnswers << m_photo;
        w.panel.AchtergrondKnop_Click();
        w.fix();
        QCOMPARE(w.painted(), QRect(76, 0, 347, 260));
        w.state.setPhotoFit(PhotoFit::Uitrekken);
        QVERIFY(w.main->menus().OpmaakFotoPassen[0]->isChecked());
    }

    // Kopiëren puts the canvas on the clipboard. Plakken and a picture file dropped on the canvas stretch over
    // it, one step each; what is no picture or is too large changes nothing. With a sheetlet's frames on the
    // canvas a dropped picture fills the frame it lands on; while the photo rectangle is the tool, a pasted
    // picture waits for the rectangle dragged next. A supplement dropped opens.
    void copyPasteAndDrop()
    {
        CanvasWindow w;
        w.main->menus().EditKopieren->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Blank);
        QGuiApplication::clipboard()->setImage(filtertest::picture(64, 48, Draw));
        w.main->menus().EditPlakken->trigger();
        w.fix();
        QCOMPARE(countColour(w.canvas(), Draw), 500 * 260);
        QCOMPARE(w.undo().text(0), "Plakken");
        QGuiApplication::clipboard()->setImage(QImage(8193, 8192, QImage::Format_Mono));
        w.main->menus().EditPlakken->trigger();
        QVERIFY(w.text("InfoLabel").contains("te groot (8193 x 8192 pixels)"));
        QGuiApplication::clipboard()->setText("geen plaatje");
        w.main->menus().EditPlakken->trigger();
        QCOMPARE(w.undo().count(), 1);
        const auto drop = [&](const QString& path, QPoint at) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.main.get(), &enter);
            QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.main.get(), &event);
        };
        QVERIFY(filtertest::picture(30, 20, qRgb(10, 200, 30)).save(m_folder.path("groen.png")));
        drop(m_folder.path("groen.png"), w.pic->mapTo(w.main.get(), QPoint(250, 130)));
        QCOMPARE(countColour(w.canvas(), qRgb(10, 200, 30)), 500 * 260);
        QCOMPARE(w.undo().count(), 2);
        w.interaction.fileAnswers << m_photo;
        w.main->menus().PerforatieVelFotos[1]->trigger();
        const QImage framed = w.canvas();
        QVERIFY(filtertest::picture(30, 20, qRgb(20, 40, 220)).save(m_folder.path("blauw.png")));
        drop(m_folder.path("blauw.png"), w.pic->mapTo(w.main.get(), QPoint(150, 50)));
        QCOMPARE(changedRect(framed, w.canvas()), QRect(136, 20, 75, 85)); // the second frame
        w.choose(12);
        QGuiApplication::clipboard()->setImage(filtertest::picture(64, 48, qRgb(200, 30, 60)));
        w.main->menus().EditPlakken->trigger();
        QCOMPARE(w.undo().count(), 4);
        w.stroke({{10, 200}, {50, 230}});
        w.fix();
        QCOMPARE(countColour(w.canvas(), qRgb(200, 30, 60)), 40 * 30);
        QCOMPARE(w.undo().text(4) + QString::number(int(w.state.Gereedschap())), "Plakken0");
        QCOMPARE(SchrijfSupplement(w.folder.folder(), {"Delft", "1", "2007", "3", {}, {}}).status, WriteStatus::Saved);
        w.interaction.saveChoices.enqueue(Interaction::SaveChoice::Discard);
        drop(w.folder.path("Supplementen/Delft.sup"), QPoint(5, 5));
        QCOMPARE(w.model.Plaatsnaam(), "Delft");
    }

    // A photo in its rectangle floats: the zoom shows it, the mouse moves it, the arrows too, a corner resizes it
    // freely (with Shift in proportion, as Uitrekken is the fit), a press beside it fixes it as one step "Foto"
    // where it was left. Saving fixes a floating picture first; Escape lets one go.
    void floatingPlacement()
    {
        CanvasWindow w;
        w.main->show();
        QVERIFY(QTest::qWaitForWindowActive(w.main.get()));
        const QRgb red = qRgb(230, 20, 40), blue = qRgb(10, 60, 220);
        QImage photo = filtertest::picture(20, 10, red);
        QPainter(&photo).fillRect(10, 5, 10, 5, blue); // the bottom-right quarter
        QVERIFY(photo.save(m_folder.path("rood-blauw.png")));
        w.interaction.fileAnswers << m_folder.path("rood-blauw.png");
        w.choose(12);
        w.stroke({{10, 20}, {30, 30}});
        QCOMPARE(w.canvas(), Blank);
        QVERIFY(w.model.isModified());

        w.main->menus().EditVergroting->trigger();
        QCOMPARE(w.main->findChild<ZoomView*>()->grab().toImage().pixel(25 * 4 + 2, 27 * 4 + 2), blue);
        w.stroke({{15, 22}, {18, 27}});
        w.pic->setFocus();
        QTest::keyClick(w.pic, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(w.pic, Qt::Key_Up);
        w.stroke({{43, 34}, {63, 44}}); // the bottom-right handle: 40 x 20
        QTest::mousePress(w.pic, Qt::LeftButton, {}, QPoint(63, 44));
        QMouseEvent shifted(QEvent::MouseMove, QPointF(73, 44), w.pic->mapToGlobal(QPointF(73, 44)), Qt::NoButton,
                            Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(w.pic, &shifted);
        QTest::mouseRelease(w.pic, Qt::LeftButton, {}, QPoint(73, 44));
        QCOMPARE(w.canvas(), Blank);
        w.stroke({{200, 200}});
        QCOMPARE(w.painted(), QRect(23, 24, 50, 25));
        QCOMPARE(w.canvas().pixel(23, 24), red);
        QCOMPARE(w.canvas().pixel(72, 48), blue);
        QCOMPARE(w.undo().count(), 1);
        QCOMPARE(w.undo().text(0), "Foto");
        w.model.canvas().undo();
        QCOMPARE(w.canvas(), Blank);

        QGuiApplication::clipboard()->setImage(photo);
        w.main->menus().EditPlakken->trigger();
        w.model.setPlaatsnaam("Delft");
        w.main->menus().FileSave->trigger();
        QVERIFY(!w.model.isModified());
        QCOMPARE(w.canvas().pixel(499, 259), blue); // saved over the whole canvas
        w.main->menus().EditPlakken->trigger();
        QTest::keyClick(w.pic, Qt::Key_Escape);
        QVERIFY(!w.model.canvas().floating());
        QCOMPARE(w.undo().text(w.undo().count() - 1), "Plakken");
        QVERIFY(!w.model.isModified());
    }

    // In "Vergroting" a tool draws the very pixels it draws on the canvas, as one undo step; the enlargement goes
    // from 200 to 1600 % by whole steps, with the grid between the pixels from 400 % on.
    void zoomDrawsAsTheCanvas()
    {
        CanvasWindow w;
        w.choose(2);
        w.stroke({{10, 20}, {35, 31}, {60, 45}});
        const QImage onCanvas = w.canvas();
        w.model.canvas().undo();
        w.main->menus().EditVergroting->trigger();
        auto* zoom = w.main->findChild<ZoomWindow*>();
        ZoomView* view = zoom->view();
        QCOMPARE(view->factor(), 4);
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10 * 4 + 1, 20 * 4 + 3));
        QTest::mouseMove(view, QPoint(35 * 4 + 2, 31 * 4));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(60 * 4 + 3, 45 * 4 + 2));
        QCOMPARE(w.canvas(), onCanvas);
        QCOMPARE(w.undo().count(), 1);
        const QImage gridded = view->grab().toImage(); // the line between canvas pixels 0 and 1 at x = 4
        QVERIFY(gridded.pixel(4, 1) != gridded.pixel(5, 1));
        zoom->zoomOut();
        zoom->zoomOut();
        QCOMPARE(view->factor(), 2);
        QCOMPARE(view->grab().toImage().pixel(4, 1), qRgb(255, 255, 255));
        for (int step = 0; step < 20; ++step)
            w.main->menus().EditZoomIn->trigger();
        QCOMPARE(view->factor(), 16);
    }

    // After a field entry and a cancelled open dialog no tool is selected, and marker and hint say so. After
    // Open Velletje the keys go to a control the user sees: none reach the closed text panel, and Tab never
    // stops on a hidden control. A text waiting to be placed takes the keys.
    void modeAndFocusFollowWhatIsShown()
    {
        CanvasWindow w;
        QVERIFY(filtertest::picture(500, 260, Draw).save(w.folder.path("Images/2005-Alkmaar.jpg")));
        w.main->show();
        QVERIFY(QTest::qWaitForWindowActive(w.main.get()));
        w.main->menus().EditKnoppen->trigger();
        for (const bool fieldEntry : {true, false}) { // each answered Cancel
            QTest::mouseClick(w.child<QWidget>("Knop1"), Qt::LeftButton);
            if (fieldEntry)
                QTest::mouseDClick(w.child<QWidget>("PagLabel"), Qt::LeftButton, {}, QPoint(5, 5));
            else
                QTest::mouseClick(w.child<QWidget>("OpenKnop"), Qt::LeftButton);
            QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
            QCOMPARE(w.text("InfoLabel"), "Informatie...");
        }
        w.interaction.modalScripts.enqueue([](QDialog& dialog) {
            static_cast<LaadVel&>(dialog).OkKnop_Click(); // the first sheetlet
            return dialog.result();
        });
        QTest::mouseClick(w.child<QWidget>("OpenKnop"), Qt::LeftButton);
        QCOMPARE(w.text("InfoLabel"), "2005-Alkmaar");
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        QCOMPARE(w.child<QLineEdit>("Text1")->text(), "Voorbeeld");
        for (int tab = 0; tab < 40; ++tab) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus, qPrintable(focus ? focus->objectName() : ""));
            QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(focus ? focus->objectName() : ""));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        // A waiting text moves by the arrows (Shift: ten pixels) and is placed by Return; Escape lets it go.
        w.arm();
        const QPoint start = w.child<QLabel>("Label19")->pos();
        const QImage before = w.canvas().copy();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(w.child<QLabel>("Label19")->pos(), start + QPoint(10, -1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // places it, floating
        QCOMPARE(w.canvas(), before);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // fixes it
        QCOMPARE(changedRect(before, w.canvas()).topLeft(), start + QPoint(10, -1));
        w.arm();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.state.TekstPlaatsen());
    }
};

QTEST_MAIN(TestCanvasWindow)
#include "test_canvas_window.moc"
