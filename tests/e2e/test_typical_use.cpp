// A collector's afternoon with the real program, offscreen: from the splash
// through designing, saving, reopening and printing one supplement page to
// the exit that writes the settings file. Each slot is one stage of the
// story and builds on the window the previous stages left behind.
//
// Run under an X server with VELINOR_SCREENSHOTS set, the same script shows
// every window for real, its modal windows included, and saves a picture of
// the screen at each stage (see scripts/test).

#include "app/application_state.h"
#include "app/settings_file.h"
#include "app/text_file.h"
#include "app/ui/main_form.h"
#include "app/ui/titel.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/zoom_view.h"
#include "canvas/ui/zoom_window.h"
#include "collection/collection_model.h"
#include "collection/ui/mark_dialog.h"
#include "common/pixels.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/tekstform.h"
#include "perforation/ui/opmaak_menu.h"
#include "printing/pdf_reader.h"
#include "printing/ui/afdrukform.h"
#include "printing/ui/print_controller.h"
#include "screenshots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0); // the fill colour a fresh program starts with
const QByteArray DefaultColours = "\r\n190,200,240\r\n220,220,230\r\n";
} // namespace

class TestTypicalUse : public QObject
{
    Q_OBJECT

    TestFolder m_folder{true};
    ScriptedInteraction m_interaction;
    ApplicationState m_state;
    SupplementModel m_model;
    RecentSupplements m_recent{QString()};
    CollectionModel m_collection{m_folder.folder()};
    std::unique_ptr<Titel> m_titel;
    std::unique_ptr<Main> m_main;
    QStringList m_savedLines;
    Screenshots m_shots;

    PicEdit* canvas() const { return m_main->picEdit(); }
    const QImage& image() const { return m_main->picEdit()->image(); }
    template <typename T = QAbstractButton> T* widget(const QString& name) const { return m_main->findChild<T*>(name); }
    const MainMenus& menus() const { return m_main->menus(); }

    void drag(QPoint from, QPoint to) const
    {
        QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas(), (from + to) / 2);
        QTest::mouseMove(canvas(), to);
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, to);
    }
    void click(QAbstractButton* button) const
    {
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // A modal window the script answers is only put on the screen when pictures are taken.
    void photograph(QDialog& dialog, const QString& name)
    {
        if (!m_shots.enabled())
            return;
        dialog.show();
        if (QTest::qWaitForWindowExposed(&dialog))
            m_shots.take(name);
    }
    // The next modal window of type T is handed to the script, photographed, and closed with its OK: clicked,
    // or by the keys (Tab to the button, Space).
    template <typename T> void answer(const QString& shot, std::function<void(T&)> script, bool byKeys = false)
    {
        m_interaction.modalScripts.enqueue([this, shot, script, byKeys](QDialog& dialog) {
            auto& window = dynamic_cast<T&>(dialog);
            script(window);
            photograph(dialog, shot);
            if (byKeys)
                QTest::keyClick(window.OkKnop, Qt::Key_Space);
            else
                QTest::mouseClick(window.OkKnop, Qt::LeftButton);
            return dialog.result();
        });
    }
    // An entry's text typed over what it held.
    template <typename T> static std::function<void(T&)> typing(const QString& text)
    {
        return [text](T& entry) {
            entry.Text1->selectAll();
            QTest::keyClicks(entry.Text1, text);
        };
    }
    // Tab until the control has the focus, as a user watches the focus frame move.
    void tabTo(const QString& name) const
    {
        for (int presses = 0; presses < 80 && QApplication::focusWidget()->objectName() != name; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    // A menu entry by the keys only: Alt and the menu's letter, Down until the entry is highlighted, Right
    // into a submenu, Return on the entry.
    void chooseByKeys(Qt::Key menuLetter, const QStringList& path) const
    {
        // The keys go to the active window: on a bare X server nothing is active after a modal window closed.
        QTest::qWait(0);
        if (QApplication::activeWindow() != m_main.get()) {
            m_main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        }
        QTest::keyClick(m_main.get(), menuLetter, Qt::AltModifier);
        for (int level = 0; level < path.size(); ++level) {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu, qPrintable(path.join(u" > "_s)));
            for (int presses = 0;
                 presses < 40 && (!menu->activeAction() || menu->activeAction()->text() != path[level]); ++presses)
                QTest::keyClick(menu, Qt::Key_Down);
            QCOMPARE(menu->activeAction() ? menu->activeAction()->text() : QString(), path[level]);
            QTest::keyClick(menu, level + 1 < path.size() ? Qt::Key_Right : Qt::Key_Return);
        }
        QTRY_VERIFY(!m_model.canvas().busy()); // a filter goes on while the window answers
        // Without a window manager (offscreen, a bare X server) nothing hands the activation back from a closed
        // submenu, as a desktop does.
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::qWait(20);
        QApplication::setActiveWindow(m_main.get());
    }
    void answerLaadVel(const QString& name)
    {
        answer<LaadVel>("laadvel-"_L1 + name, [name](LaadVel& laadvel) {
            laadvel.List1->setCurrentItem(laadvel.List1->findItems(name, Qt::MatchExactly).value(0));
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QApplication::setFont(QFont(u"Arial"_s, 9));
        QVERIFY(m_folder.isValid());
    }

    void splashOpensTheMainWindow()
    {
        m_titel = std::make_unique<Titel>(m_folder.folder(), m_interaction);
        m_titel->setAnimationPause(0.0f, 0.0f);
        connect(m_titel.get(), &Titel::started, this, [this] {
            m_main = std::make_unique<Main>(m_state, m_model, m_folder.folder(), m_interaction, m_recent, m_collection);
            m_main->show();
        });
        m_titel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_titel.get()));
        m_shots.take(u"titel"_s);
        QTest::mouseClick(m_titel->findChild<QLabel*>(u"Label1"_s), Qt::LeftButton);
        QVERIFY(m_main);
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_shots.take(u"hoofdvenster"_s);
        m_main->findChild<OpmaakMenu*>()->setHolePause(0);
        // Only the DPI warning may have been shown on the way.
        for (const auto& shown : m_interaction.shown)
            QVERIFY2(shown.text.startsWith(u"Uw beeldscherm is ingesteld op"_s), qPrintable(shown.text));
        m_interaction.shown.clear();
    }

    void openVelletjeFillsTheCataloguePanel()
    {
        answerLaadVel(u"2007-Delft"_s);
        click(widget<QAbstractButton>(u"OpenKnop"_s));
        QCOMPARE(image().convertToFormat(QImage::Format_RGB32),
                 QImage(m_folder.path(u"Images/2007-Delft.jpg"_s)).convertToFormat(QImage::Format_RGB32));
        m_shots.take(u"velletje-geopend"_s);
    }

    void drawWithThreeTools()
    {
        menus().EditKnoppen->trigger();
        // A straight line in the drawing colour, a rectangle filled with the fill colour, an ellipse outline.
        for (const auto& [tool, from, to, seen, colour] :
             {std::tuple{2, QPoint(20, 240), QPoint(120, 240), QRect(70, 240, 1, 1), Black},
              {4, {400, 20}, {460, 60}, {430, 40, 1, 1}, Yellow},
              {5, {150, 180}, {250, 230}, {195, 178, 11, 5}, Black}}) {
            click(widget(u"Knop"_s + QString::number(tool)));
            drag(from, to);
            QVERIFY(countColour(image(), colour, seen) > 0);
        }
        m_shots.take(u"drie-gereedschappen"_s);
    }

    void placeText()
    {
        click(widget<QAbstractButton>(u"TekstKnop"_s));
        widget<QLineEdit>(u"Text1"_s)->clear();
        QTest::keyClicks(widget<QLineEdit>(u"Text1"_s), u"Delft"_s);
        click(widget<QAbstractButton>(u"PlaatsKnop"_s));
        // The mouse comes to the canvas with no button held, as the text preview follows it, and clicks.
        QMouseEvent hover(QEvent::MouseMove, QPointF(300, 120), canvas()->mapToGlobal(QPointF(300, 120)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &hover);
        const QImage before = image().copy();
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(300, 120));
        const QImage floating = m_model.canvas().shown().copy();
        QVERIFY(widget<QLabel>(u"Label19"_s)
                    ->geometry()
                    .contains(changedRect(before, floating))); // where the preview showed it, still floating
        m_shots.take(u"tekst-geplaatst"_s);
        click(widget<QAbstractButton>(u"TekstKnop"_s)); // the panel closes and the drawing buttons come back
        QCOMPARE(image(), floating);                    // fixed where it was put
    }

    void perforateFilterTwiceAndUndoOnce()
    {
        menus().PerforatieKleurVel[1]->trigger();
        QCOMPARE(image().pixel(27, 27), Black);
        m_shots.take(u"geperforeerd"_s);

        menus().EditConvert[0]->trigger(); // Grayscale
        const QImage gray = image().convertToFormat(QImage::Format_RGB32);
        menus().EditConvert[1]->trigger(); // Negative
        m_main->findChild<QAction*>(u"EditOngedaan"_s)->trigger();
        QCOMPARE(image().convertToFormat(QImage::Format_RGB32), gray);
        m_shots.take(u"grijs-na-ongedaan-maken"_s);
    }

    void transferAndEnterNumberYearAndPage()
    {
        click(widget<QAbstractButton>(u"ConvertKnop"_s));
        QCOMPARE(widget<QLabel>(u"PicImage"_s)->pixmap().toImage().pixelColor(0, 0), QColor(image().pixel(0, 0)));
        m_shots.take(u"overgezet"_s);

        for (const auto& [label, typed] : {std::pair{widget<QLabel>(u"CatalogusLabel"_s), u"2308"_s},
                                           {widget<QLabel>(u"JaartalLabel"_s), u"2007"_s},
                                           {widget<QLabel>(u"PagLabel"_s), u"12"_s}}) {
            answer<Invoer>("invoer-"_L1 + typed, [typed](Invoer& invoer) { invoer.Text1->setText(typed); });
            QTest::mouseDClick(label, Qt::LeftButton); // the printed page shows them
        }
        m_shots.take(u"nummer-jaar-pagina"_s);
    }

    void writeADescriptionOfTwoParagraphs()
    {
        m_savedLines = QStringList{u"Delft, de stad van Vermeer en het blauwe aardewerk."_s,
                                   u"Het velletje verscheen in april 2007."_s};
        answer<TekstForm>(u"tekstform"_s, [this](TekstForm& form) {
            form.Text1->clear();
            QTest::keyClicks(form.Text1, m_savedLines[0]);
            QTest::keyClick(form.Text1, Qt::Key_Return);
            QTest::keyClicks(form.Text1, m_savedLines[1]);
        });
        QTest::mouseDClick(widget<QPlainTextEdit>(u"OmschrijfLabel"_s)->viewport(), Qt::LeftButton);
        QCOMPARE(m_model.OmschrijvingRegels(), m_savedLines);
        m_shots.take(u"omschrijving"_s);
    }

    void saveNewAndOpenTheSupplementAgain()
    {
        const QImage saved = image().copy();
        menus().FileSave->trigger(); // opened again below

        m_interaction.yesNoAnswers.enqueue(true);
        menus().FileNew->trigger();
        QVERIFY(widget<QLabel>(u"PicImage"_s)->pixmap().isNull());
        m_shots.take(u"nieuw"_s);

        answerLaadVel(u"Delft"_s);
        menus().FileOpen->trigger();
        QCOMPARE(image(), saved); // the fields and the description come back in the printed page
        m_shots.take(u"supplement-geopend"_s);
    }

    void printTheAlbumPageToPdfAndPreviewIt()
    {
        auto* controller = m_main->findChild<PrintController*>(u"PrintController"_s);
        const QString pdf = m_folder.root() + u"/delft.pdf"_s;
        controller->printer().setOutputFormat(QPrinter::PdfFormat);
        controller->printer().setOutputFileName(pdf);
        m_interaction.modalScripts.enqueue([this](QDialog& dialog) {
            auto& form = dynamic_cast<AfdrukForm&>(dialog);
            form.setSweepPause(0);
            photograph(dialog, u"afdrukform"_s);
            auto* ok = form.findChild<QPushButton*>(u"OkKnop"_s);
            QTest::mouseClick(ok, Qt::LeftButton);
            form.findChild<QCheckBox*>(u"Voorbeeld"_s)->setChecked(true);
            m_interaction.modalScripts.enqueue([this](QDialog& preview) {
                photograph(preview, u"afdrukvoorbeeld"_s);
                return int(QDialog::Rejected);
            });
            QTest::mouseClick(ok, Qt::LeftButton);
            QTest::mouseClick(form.findChild<QPushButton*>(u"CancelKnop"_s), Qt::LeftButton);
            return dialog.result();
        });
        menus().FilePrint->trigger();
        const auto words = pdfWords(pdf);
        for (const QString& text : QStringList{u"Delft"_s, u"Nr.2308"_s, u"2007"_s, u"12"_s} + m_savedLines)
            QVERIFY2(!findWords(words, text).isEmpty(), qPrintable(text));
        m_shots.keep(pdf, u"album-pagina.pdf"_s);
    }

    // A second design with the keyboard alone, the menus through Alt and the arrow keys, the controls through
    // Tab: photos, perforation, a filter, a border, the barcode, a text placed with the arrows and Return, the
    // transfer, the four fields and the description by F2, then Save (Print by Ctrl+P as the window tests do).
    void aWholeDesignWithTheKeyboardAlone()
    {
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        m_interaction.yesNoAnswers.enqueue(true);
        QTest::keyClick(m_main.get(), Qt::Key_N, Qt::ControlModifier);
        m_interaction.fileAnswers << m_folder.path(u"Images/2008-Gouda.jpg"_s);
        chooseByKeys(Qt::Key_O, {u"Velletje"_s, u"Foto's Invoegen"_s, u"Groot"_s});
        chooseByKeys(Qt::Key_O, {u"Velletje"_s, u"Perforatie"_s, u"Zwart"_s});
        chooseByKeys(Qt::Key_B, {u"Tekenfilters"_s, u"Sepia"_s});
        chooseByKeys(Qt::Key_B, {u"Border"_s, u"5 Pixels"_s});
        chooseByKeys(Qt::Key_O, {u"Barcode"_s, u"Rechtsonder"_s});
        for (const QString& control : {u"TekstKnop"_s, u"Text1"_s, u"PlaatsKnop"_s}) {
            tabTo(control);
            control == "Text1"_L1 ? QTest::keyClicks(QApplication::focusWidget(), u"Ootmarsum"_s) : key(Qt::Key_Space);
        }
        QTest::keyClick(canvas(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(canvas(), Qt::Key_Return);
        tabTo(u"TekstKnop"_s);
        key(Qt::Key_Space);
        QCOMPARE(m_model.canvas().undoStack().count(), 6); // each command one step, the text too
        m_shots.take(u"toetsenbord-ontwerp"_s);

        tabTo(u"ConvertKnop"_s);
        key(Qt::Key_Space);
        const QStringList fields{u"Ootmarsum"_s, u"2412"_s, u"2009"_s, u"13"_s, u"Met de hand gezet."_s};
        const QStringList controls{u"PlaatsLabel"_s, u"CatalogusLabel"_s, u"JaartalLabel"_s, u"PagLabel"_s,
                                   u"OmschrijfLabel"_s};
        for (int i = 0; i < fields.size(); ++i) {
            if (i < 4)
                answer<Invoer>(u"toetsenbord-"_s + fields[i], typing<Invoer>(fields[i]), true);
            else
                answer<TekstForm>(u"toetsenbord-omschrijving"_s, typing<TekstForm>(fields[i]), true);
            tabTo(controls[i]);
            key(Qt::Key_F2);
        }
        m_shots.take(u"toetsenbord-albumblad"_s);
        QTest::keyClick(m_main.get(), Qt::Key_S, Qt::ControlModifier);
        QStringList saved = TextFile::readLines(m_folder.path(u"Supplementen/Ootmarsum.sup"_s)).value_or(QStringList());
        saved.removeAt(4); // the line between the fields and the description
        QCOMPARE(saved, fields);
    }

    // The collector marks the sheetlet shown as owned from the catalogue panel, finds it under "In bezit" in the
    // open dialog, and saves the want list as PDF: every sheetlet but that one, with the total.
    void markWhatIsOwnedAndSaveTheWantList()
    {
        answerLaadVel(u"2007-Delft"_s);
        click(widget<QAbstractButton>(u"OpenKnop"_s));
        answer<MarkDialog>(u"in-bezit"_s, [](MarkDialog& entry) {
            entry.ownership->setCurrentIndex(1);
            entry.paid->setText(u"12,50"_s);
        });
        click(widget<QAbstractButton>(u"MarkButton"_s));
        m_shots.take(u"paneel-in-bezit"_s);
        answer<LaadVel>(u"laadvel-in-bezit"_s, [](LaadVel& laadvel) { laadvel.ownedFilter->setCurrentIndex(1); });
        click(widget<QAbstractButton>(u"OpenKnop"_s));
        const QString pdf = m_folder.root() + u"/nog-te-verzamelen.pdf"_s;
        m_interaction.fileAnswers << pdf;
        menus().FileSavePdf[4]->trigger();
        const auto words = pdfWords(pdf);
        QVERIFY(findWords(words, u"Delft"_s).isEmpty());
        QCOMPARE(findWords(words, u"(33 velletjes)"_s).size(), 2);
        m_shots.keep(pdf, u"nog-te-verzamelen.pdf"_s);
    }

    // The perforation holes and the text's edge at 800 %, with the grid between the pixels.
    void lookAtThePixelsEnlarged()
    {
        menus().EditVergroting->trigger();
        for (int step = 0; step < 4; ++step)
            menus().EditZoomIn->trigger();
        auto* zoom = m_main->findChild<ZoomWindow*>();
        QCOMPARE(zoom->view()->factor(), 8);
        if (m_shots.enabled() && QTest::qWaitForWindowExposed(zoom))
            m_shots.take(u"vergroting"_s);
        zoom->close();
    }

    void colourWindowThenExitWithYesWritesTheSettings()
    {
        m_interaction.modalScripts.enqueue([this](QDialog& dialog) {
            photograph(dialog, u"kleuren"_s);
            return int(QDialog::Rejected);
        });
        menus().ConfiguratieInstellingen->trigger();
        QVERIFY(QFile::remove(m_folder.path(SettingsFile::FileName))); // so that only the exit can bring it back
        m_interaction.yesNoAnswers.enqueue(true);
        QVERIFY(m_main->close());
        QVERIFY(m_interaction.texts(u"message"_s).isEmpty()); // not one message all afternoon
        QVERIFY(m_folder.read(SettingsFile::FileName).contains(DefaultColours));
    }

    void cleanupTestCase()
    {
        // The undo actions follow the canvas history; it is emptied while the window is still whole.
        if (m_main)
            m_model.canvas().undoStack().clear();
        m_main.reset();
        m_titel.reset();
    }
};

QTEST_MAIN(TestTypicalUse)
#include "test_typical_use.moc"
