// The two windows of the program as the user meets them: the splash window
// (its information block, the DPI warning and the start animation) and the
// main window (readable and whole texts, the exit question, the progress bar
// and status line, the help pages).

#include "app/settings_file.h"
#include "app/ui/titel.h"
#include "canvas/ui/colorkeuze.h"
#include "canvas/ui/zoom_window.h"
#include "collection/ui/mark_dialog.h"
#include "common/main_window_fixture.h"
#include "config/ui/config.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/page_preview.h"
#include "documents/ui/tekstform.h"
#include "geography/ui/landkaart.h"
#include "geography/ui/stedenform.h"
#include "printing/ui/afdrukform.h"
#include "widgets/qt_interaction.h"
#include "widgets/window_placement.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // ctest runs this at 96 and at 120 dots per inch: the warning comes once however often the window is activated, and
    // only away from 96.
    void splash()
    {
        MainWindowFixture f; // for its program folder and scripted interaction
        Titel titel(f.folder.folder(), f.interaction);
        const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI") == 120 ? 120 : 96;
        const QStringList lines = titel.findChild<QLabel*>("Label1")->text().split("\r\n");
        for (int i = 0; i < 3; ++i) {
            QEvent activation(QEvent::ActivationChange);
            titel.show();
            titel.activateWindow();
            QApplication::sendEvent(&titel, &activation);
            QApplication::processEvents();
        }
        QCOMPARE(f.interaction.texts("message").size(), dpi == 96 ? 0 : 1);
        // Every line of the block fits it; the clock stands on its last line, after "Time / Date..... :".
        const auto* block = titel.findChild<QLabel*>("Label1");
        for (const QString& line : lines)
            QVERIFY2(block->fontMetrics().horizontalAdvance(line) <= block->width(), qPrintable(line));
        const QRect clock = titel.findChild<QLabel*>("KlokLabel")->geometry();
        const QFontMetrics metrics = block->fontMetrics();
        const int lastLine = block->y() + block->sizeHint().height() - metrics.height();
        QVERIFY(qAbs(clock.y() - lastLine) <= 2);
        QVERIFY(clock.x() > block->x() + metrics.horizontalAdvance(lines.last()));
        // A click on the block plays the animation through: every column of the strip is painted.
        titel.setAnimationPause(0.0f, 0.0f);
        QTest::mouseClick(titel.findChild<QLabel*>("Label1"), Qt::LeftButton);
        QCOMPARE(QList<QRgb>({titel.strip().pixel(239, 0), titel.strip().pixel(0, 12)}),
                 QList<QRgb>({qRgb(250, 0, 0), qRgb(0, 0, 130)}));
        // Return, Space and Escape are the keyboard's click.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
            Titel keyed(f.folder.folder(), f.interaction);
            keyed.setAnimationPause(0.0f, 0.0f);
            QSignalSpy started(&keyed, &Titel::started);
            QTest::keyClick(&keyed, key);
            QCOMPARE(started.count(), 1);
        }
    }

    // The menu's Exit asks too, offering to save an unsaved design; Annuleren keeps all, Niet bewaren
    // writes the colours the program holds and ends.
    void exitAsksFirst()
    {
        MainWindowFixture f;
        f.main->show();
        f.state.setVensterKleur(77, 200, 240);
        f.model.setPaginaNr("3");
        f.main->menus().FileExit->trigger();
        QVERIFY(f.main->isVisible());
        QVERIFY(!f.folder.read(SettingsFile::FileName).contains("77,"));
        QCOMPARE(f.interaction.texts("savefirst").size(), 1);
        f.interaction.saveChoices.enqueue(Interaction::SaveChoice::Discard);
        QVERIFY(f.main->close());
        QVERIFY(f.folder.read(SettingsFile::FileName).contains("\r\n77,200,240\r\n"));
    }

    // Text stays readable on whatever colours were chosen: the panel's captions, status line, clock and
    // catalogue values on a dark panel colour; the page's labels on the page in a dark desktop theme. And every
    // text of the window is whole in a larger desktop font: no label cut short or covered by a later one.
    void textReadableAndWhole()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, Qt::black);
        dark.setColor(QPalette::WindowText, Qt::white);
        QApplication::setPalette(dark);
        QApplication::setFont(QFont("Arial", 11));
        MainWindowFixture f;
        f.main->ZetVensterKleur(20, 30, 70);
        f.main->ToonInfo("Let op", 1);
        f.main->show();
        const QColor page = f.child<PagePreview>("Pic")->background(), panel(20, 30, 70);
        for (const auto& [name, background] : {std::pair("InfoLabel", panel),
                                               {"KlokLabel", panel},
                                               {"Infolab0", panel},
                                               {"CoorLabel", panel},
                                               {"TitelLabel", page},
                                               {"PlaatsLabel", page}}) {
            const QColor text = f.child<QWidget>(name)->palette().color(QPalette::WindowText);
            QVERIFY2(std::abs(qGray(text.rgb()) - qGray(background.rgb())) > 100, name);
        }
        for (QLabel* label : f.main->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
                continue;
            const QRect text(label->pos(), label->sizeHint());
            QVERIFY2(label->width() >= text.width(), qPrintable(label->text()));
            QVERIFY2(label->height() >= text.height(), qPrintable(label->text()));
            const QObjectList siblings = label->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i)
                if (auto* other = qobject_cast<QWidget*>(siblings.at(i)); other && other->isVisible())
                    QVERIFY2(!other->geometry().intersects(text), qPrintable(label->text()));
        }
        QApplication::setPalette(QPalette());
        QApplication::setFont(QFont("Arial", 9));
    }

    // 50 percent is a bar of 120 pixels in RGB(0,0,160), 100 clears it and stops the timer; a long warning
    // (dark red) is read whole, and a plain status text after it is black again. A dark panel colour leaves
    // the menu bar and the buttons as the desktop has them.
    void progressBarAndStatusLine()
    {
        MainWindowFixture f;
        auto* barTimer = f.main->findChild<QTimer*>("BarTimer");
        barTimer->start();
        f.state.setVoortgang(50);
        f.main->BarTimer_Timer();
        const QImage bar = f.child<QLabel>("Bar")->pixmap().toImage();
        QCOMPARE(QList<QRgb>({bar.pixel(119, 8), bar.pixel(120, 8)}), QList<QRgb>({qRgb(0, 0, 160), 0xFFFFFFFF}));
        f.state.setVoortgang(100);
        f.main->BarTimer_Timer();
        QVERIFY(!barTimer->isActive());
        QVERIFY(f.child<QLabel>("Bar")->pixmap().isNull());
        auto* info = f.child<QLabel>("InfoLabel");
        f.main->ToonInfo("foto.wmf is een Windows Metafile; die kan deze uitgave niet lezen.", 1);
        QVERIFY(info->wordWrap());
        QVERIFY(info->heightForWidth(info->width()) <= info->height());
        f.main->ToonInfo("Gewoon", 0);
        QCOMPARE(info->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        f.main->ZetVensterKleur(10, 10, 10);
        QCOMPARE(f.main->menuBar()->palette().window(), QApplication::palette().window());
        QCOMPARE(f.child<QWidget>("OpenKnop")->palette().button(), QApplication::palette().button());
    }

    // A screen reader finds a name for every control it can reach: the main window's (with the text panel open too)
    // and every dialog's.
    void everyControlHasAName()
    {
        MainWindowFixture f(true);
        QStringList unnamed;
        const auto check = [&unnamed](QWidget& window) {
            window.show();
            for (QWidget* widget : window.findChildren<QWidget*>())
                if (widget->isVisible() && !widget->objectName().startsWith("qt_") &&
                    QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
                    unnamed << QStringLiteral("%1.%2 (%3)")
                                   .arg(window.objectName(), widget->objectName(), widget->metaObject()->className());
            window.hide();
        };
        f.main->menus().EditKnoppen->trigger();
        check(*f.main);
        f.child<QAbstractButton>("TekstKnop")->click();
        check(*f.main);
        const ProgramFolder folder = f.folder.folder();
        QPrinter printer;
        Titel titel(folder, f.interaction);
        ColorKeuze colours(ColourParts{10, 200, 30});
        Config config(f.state);
        Invoer field(1, "Gouda", f.interaction);
        LaadVel open(folder, LaadVelModus::Velletjes, f.interaction);
        TekstForm description("Tekst", f.interaction);
        Landkaart map(folder);
        StedenForm places(folder);
        AfdrukForm print([] { return SupplementPage{}; }, folder, printer, f.interaction);
        MarkDialog mark("2007-Delft", {Ownership::Postfris, 1, 1250, "ruil"});
        ZoomWindow zoom(f.model.canvas(), nullptr);
        for (QWidget* window : std::initializer_list<QWidget*>{&titel, &colours, &config, &field, &open, &description,
                                                               &map, &places, &print, &mark, &zoom})
            check(*window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // A window opens where it stood when the program ended; a place no screen shows any more is not used.
    void windowPlacement()
    {
        TestFolder folder;
        const QString settings = folder.path("velinor.conf");
        for (const auto& [stored, expected] :
             {std::pair{QPoint(40, 50), QPoint(40, 50)}, std::pair{QPoint(-5000, 40), QPoint(7, 9)}}) {
            QWidget before, after;
            for (QWidget* window : {&before, &after}) {
                window->setObjectName("Main");
                window->setFixedSize(300, 200);
            }
            before.move(stored);
            storePlacement(before, settings);
            after.move(7, 9);
            restorePlacement(after, settings);
            QCOMPARE(after.pos(), expected);
        }
    }

    // In Qt's own boxes Enter keeps the work: it saves a design not saved yet, and answers No where Yes would
    // replace something; Escape cancels.
    void questionsKeepTheWorkOnEnter()
    {
        QtInteraction interaction;
        const auto press = [](Qt::Key key) {
            QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        };
        press(Qt::Key_Return);
        QCOMPARE(interaction.askSaveFirst(nullptr, "?", " Nieuw"), Interaction::SaveChoice::Save);
        press(Qt::Key_Escape);
        QCOMPARE(interaction.askSaveFirst(nullptr, "?", " Nieuw"), Interaction::SaveChoice::Cancel);
        press(Qt::Key_Return);
        QVERIFY(
            !interaction.askYesNo(nullptr, "?", " File exist", Interaction::Icon::Question, Interaction::Default::No));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
