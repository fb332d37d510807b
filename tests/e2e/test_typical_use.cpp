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
#include "app/ui/double_click_label.h"
#include "app/ui/main_form.h"
#include "app/ui/titel.h"
#include "canvas/ui/pic_edit.h"
#include "common/pixels.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "documents/supplement_model.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/tekstform.h"
#include "perforation/ui/opmaak_menu.h"
#include "printing/pdf_reader.h"
#include "printing/ui/afdrukform.h"
#include "printing/ui/print_controller.h"
#include "screenshots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString Sheetlet = QStringLiteral("2007-Delft");
const QRgb Black = qRgb(0, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);   // the fill colour a fresh program starts with

} // namespace

class TestTypicalUse : public QObject
{
    Q_OBJECT

    TestFolder m_folder{true};
    ScriptedInteraction m_interaction;
    ApplicationState m_state;
    SupplementModel m_model;
    int m_previewPages = 0;
    std::unique_ptr<Titel> m_titel;
    std::unique_ptr<Main> m_main;
    QImage m_savedCanvas;
    QStringList m_savedLines;
    Screenshots m_shots;

    PicEdit* canvas() const { return m_main->picEdit(); }
    const QImage& image() const { return m_main->picEdit()->image(); }
    const MainControls& controls() const { return m_main->controls(); }
    const MainMenus& menus() const { return m_main->menus(); }
    template <typename T> T* child(const QString& name) const { return m_main->findChild<T*>(name); }

    // A mouse move over the canvas with no button held, as the text preview follows it.
    void hover(QPoint at) const
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), canvas()->mapToGlobal(QPointF(at)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }
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

    // The next Invoer window gets the text typed and OK.
    void answerInvoer(const QString& text, QString* prompt)
    {
        m_interaction.modalScripts.enqueue([this, text, prompt](QDialog& dialog) {
            auto& invoer = dynamic_cast<Invoer&>(dialog);
            *prompt = invoer.Label1->text();
            invoer.Text1->clear();
            QTest::keyClicks(invoer.Text1, text);
            photograph(dialog, QStringLiteral("invoer-") + text);
            QTest::mouseClick(invoer.OkKnop, Qt::LeftButton);
            return dialog.result();
        });
    }
    // The next LaadVel window gets the named entry chosen and OK.
    void answerLaadVel(const QString& name)
    {
        m_interaction.modalScripts.enqueue([this, name](QDialog& dialog) {
            auto& laadvel = dynamic_cast<LaadVel&>(dialog);
            const auto items = laadvel.List1->findItems(name, Qt::MatchExactly);
            if (!items.isEmpty()) {
                laadvel.List1->setCurrentItem(items.first());
                photograph(dialog, QStringLiteral("laadvel-") + name);
                QTest::mouseClick(laadvel.OkKnop, Qt::LeftButton);
            }
            return dialog.result();
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
        QVERIFY(m_folder.isValid());
        QVERIFY(!QFile::exists(m_folder.root() + QLatin1Char('/') + SettingsFile::FileName));
    }

    void splashOpensTheMainWindow()
    {
        m_titel = std::make_unique<Titel>(m_folder.folder(), m_interaction);
        m_titel->setAnimationPause(0.0f, 0.0f);
        connect(m_titel.get(), &Titel::started, this, [this] {
            m_main = std::make_unique<Main>(m_state, m_model, m_folder.folder(), m_interaction);
            m_main->show();
        });
        m_titel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_titel.get()));
        m_shots.take(QStringLiteral("titel"));
        QTest::mouseClick(m_titel->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QVERIFY(!m_titel->isVisible());
        QVERIFY(m_main);
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Velinor[*]"));
        m_shots.take(QStringLiteral("hoofdvenster"));
        m_main->findChild<OpmaakMenu*>()->setHolePause(0);
        // A first start leaves a settings file with the default colours.
        const QByteArray settings = m_folder.read(SettingsFile::FileName);
        QVERIFY(settings.contains("\r\n190,200,240\r\n220,220,230\r\n"));
        // Only the DPI warning may have been shown on the way.
        for (const auto& shown : m_interaction.shown)
            QVERIFY2(shown.text.startsWith(QStringLiteral("Uw beeldscherm is ingesteld op")), qPrintable(shown.text));
        m_interaction.shown.clear();
    }

    void openVelletjeFillsTheCataloguePanel()
    {
        answerLaadVel(Sheetlet);
        click(controls().OpenKnop);
        QCOMPARE(m_interaction.texts(QStringLiteral("modal")), QStringList{QStringLiteral("LaadVel")});
        QCOMPARE(controls().InfoLabel->text(), Sheetlet);
        QCOMPARE(m_model.Plaatsnaam(), QStringLiteral("Delft"));
        QCOMPARE(m_model.Jaartal(), QStringLiteral("2007"));
        QCOMPARE(m_model.CatalogusNr(), QStringLiteral("2308"));
        QCOMPARE(controls().Infolab[0]->text(), QStringLiteral("2308"));
        QCOMPARE(controls().Infolab[7]->text(), QStringLiteral("€ 6,75"));
        QCOMPARE(image().size(), QSize(500, 260));
        QImage sample(m_folder.path(QStringLiteral("Images/2007-Delft.jpg")));
        QCOMPARE(image().convertToFormat(QImage::Format_RGB32), sample.convertToFormat(QImage::Format_RGB32));
        m_shots.take(QStringLiteral("velletje-geopend"));
    }

    void drawWithThreeTools()
    {
        QAction* buttons = menus().EditKnoppen;
        buttons->trigger();
        QCOMPARE(buttons->text(), QStringLiteral("Tekenknoppen Uit"));

        // A straight line in the drawing colour.
        click(controls().Knop[2]);
        QCOMPARE(int(m_state.Gereedschap), 2);
        QImage before = image().copy();
        drag(QPoint(20, 240), QPoint(120, 240));
        QCOMPARE(image().pixel(70, 240), Black);
        QVERIFY(changedRect(before, image()).contains(QRect(20, 240, 101, 1)));

        // A rectangle filled with the fill colour.
        click(controls().Knop[4]);
        before = image().copy();
        drag(QPoint(400, 20), QPoint(460, 60));
        QCOMPARE(image().pixel(430, 40), Yellow);
        QVERIFY(QRect(398, 18, 65, 45).contains(changedRect(before, image())));

        // An ellipse outline: its rim in the drawing colour, its middle untouched.
        click(controls().Knop[5]);
        before = image().copy();
        drag(QPoint(150, 180), QPoint(250, 230));
        QVERIFY(countColour(image(), Black, QRect(195, 178, 11, 5)) > 0);
        QCOMPARE(image().pixel(200, 205), before.pixel(200, 205));
        QVERIFY(QRect(147, 177, 107, 57).contains(changedRect(before, image())));
        m_shots.take(QStringLiteral("drie-gereedschappen"));
    }

    void placeHorizontalAndRotatedText()
    {
        click(controls().TekstKnop);
        QCOMPARE(int(m_state.Gereedschap), 15);

        // Horizontal text at the preview's place.
        controls().Text1->clear();
        QTest::keyClicks(controls().Text1, QStringLiteral("Delft"));
        click(controls().PlaatsKnop);
        QVERIFY(m_state.TekstPlaatsen);
        hover(QPoint(300, 120));
        const QRect preview = controls().Label19->geometry();
        QImage before = image().copy();
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(300, 120));
        const QRect horizontal = changedRect(before, image());
        QVERIFY(!horizontal.isEmpty());
        QVERIFY(preview.contains(horizontal));
        QVERIFY(horizontal.width() > horizontal.height());
        QVERIFY(!m_state.TekstPlaatsen);

        // Upward text with a halo in the fill colour.
        click(controls().Check1);
        click(controls().CheckVer);
        click(controls().AngleKnop[1]);
        QCOMPARE(m_state.TekstHoek, 900);
        controls().Text1->clear();
        QTest::keyClicks(controls().Text1, QStringLiteral("Vermeer"));
        click(controls().PlaatsKnop);
        hover(QPoint(50, 50));
        before = image().copy();
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(40, 200));
        const QRect rotated = changedRect(before, image());
        QVERIFY(!rotated.isEmpty());
        QVERIFY(rotated.height() > 2 * rotated.width());
        // It starts just up-left of the click and runs upwards from there.
        QVERIFY2(rotated.left() >= 34 && rotated.left() <= 46, qPrintable(QString::number(rotated.left())));
        QVERIFY2(rotated.bottom() >= 190 && rotated.bottom() <= 202, qPrintable(QString::number(rotated.bottom())));
        QVERIFY(countColour(image(), Yellow, rotated) > 0);
        QVERIFY(countColour(image(), Black, rotated) > 0);
        m_shots.take(QStringLiteral("tekst-geplaatst"));

        click(controls().TekstKnop);   // the panel closes
        QCOMPARE(int(m_state.Gereedschap), 0);
        QVERIFY(!controls().Frame4->isHidden());
    }

    void perforateTheSheetlet()
    {
        QUndoStack& undo = canvas()->document().undoStack();
        const int steps = undo.count();
        const QImage before = image().copy();
        menus().PerforatieKleurVel[1]->trigger();
        QCOMPARE(undo.count(), steps + 1);
        QCOMPARE(image().pixel(27, 27), Black);
        QVERIFY(countColour(image(), Black) > countColour(before, Black) + 100);
        m_shots.take(QStringLiteral("geperforeerd"));
    }

    void twoFiltersAndUndoOne()
    {
        menus().EditConvert[0]->trigger();   // Grayscale
        const QImage gray = image().copy();
        for (int y = 0; y < gray.height(); y += 7)
            for (int x = 0; x < gray.width(); x += 7) {
                const QRgb p = gray.pixel(x, y);
                QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            }
        menus().EditConvert[1]->trigger();   // Negative
        QCOMPARE(image().pixel(27, 27), qRgb(255, 255, 255));
        QCOMPARE(canvas()->document().undoStack().text(canvas()->document().undoStack().index() - 1),
                 QStringLiteral("Negative"));

        auto* undo = child<QAction>(QStringLiteral("EditOngedaan"));
        QCOMPARE(undo->text(), QStringLiteral("Ongedaan maken"));
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(image(), gray);
        QVERIFY(m_interaction.texts(QStringLiteral("message")).isEmpty());
        m_shots.take(QStringLiteral("grijs-na-ongedaan-maken"));
    }

    void transferThePictureToThePage()
    {
        QVERIFY(!m_model.AfbeeldingOvergezet());
        click(controls().ConvertKnop);
        QVERIFY(m_model.AfbeeldingOvergezet());
        const QImage page = controls().PicImage->pixmap().toImage();
        QVERIFY(!page.isNull());
        QCOMPARE(page.pixelColor(0, 0), QColor(image().pixel(0, 0)));
        m_shots.take(QStringLiteral("overgezet"));
    }

    void enterNumberYearAndPage()
    {
        QString prompt;
        answerInvoer(QStringLiteral("2308"), &prompt);
        QTest::mouseDClick(controls().CatalogusLabel, Qt::LeftButton);
        QCOMPARE(controls().CatalogusLabel->text(), QStringLiteral("Nr.2308"));

        answerInvoer(QStringLiteral("2007"), &prompt);
        QTest::mouseDClick(controls().JaartalLabel, Qt::LeftButton);
        QCOMPARE(prompt, QStringLiteral("Geef in bovenstaande invoerbalk het Jaar van uitgifte in."));
        QCOMPARE(controls().JaartalLabel->text(), QStringLiteral("2007"));

        answerInvoer(QStringLiteral("12"), &prompt);
        QTest::mouseDClick(controls().PagLabel, Qt::LeftButton);
        QCOMPARE(controls().PagLabel->text(), QStringLiteral("12"));

        QCOMPARE(m_model.CatalogusNr(), QStringLiteral("2308"));
        QCOMPARE(m_model.Jaartal(), QStringLiteral("2007"));
        QCOMPARE(m_model.PaginaNr(), QStringLiteral("12"));
        QCOMPARE(m_interaction.texts(QStringLiteral("modal")).count(QStringLiteral("Invoer")), 3);
        QVERIFY(m_interaction.texts(QStringLiteral("message")).isEmpty());
        m_shots.take(QStringLiteral("nummer-jaar-pagina"));
    }

    void writeADescriptionOfTwoParagraphs()
    {
        m_interaction.modalScripts.enqueue([this](QDialog& dialog) {
            auto& form = dynamic_cast<TekstForm&>(dialog);
            form.Text1->clear();
            QTest::keyClicks(form.Text1, QStringLiteral("Delft, de stad van Vermeer en het blauwe aardewerk."));
            QTest::keyClick(form.Text1, Qt::Key_Return);
            QTest::keyClicks(form.Text1, QStringLiteral("Het velletje verscheen in april 2007."));
            photograph(dialog, QStringLiteral("tekstform"));
            QTest::mouseClick(form.OkKnop, Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseDClick(controls().OmschrijfLabel->viewport(), Qt::LeftButton);
        QCOMPARE(m_model.AantalRegels(), 2);
        m_savedLines = m_model.OmschrijvingRegels();
        QCOMPARE(m_savedLines, QStringList({QStringLiteral("Delft, de stad van Vermeer en het blauwe aardewerk."),
                                            QStringLiteral("Het velletje verscheen in april 2007.")}));
        QVERIFY(controls().OmschrijfLabel->toPlainText().startsWith(m_savedLines.join(QLatin1Char('\n'))));
        m_shots.take(QStringLiteral("omschrijving"));
    }

    void saveNewAndOpenTheSupplementAgain()
    {
        m_savedCanvas = image().copy();
        menus().FileSave->trigger();
        QVERIFY(m_interaction.texts(QStringLiteral("message")).isEmpty());
        QVERIFY(QFile::exists(m_folder.path(QStringLiteral("Supplementen/Delft.sup"))));
        QVERIFY(QFile::exists(m_folder.path(QStringLiteral("Supplementen/Delft.bmp"))));

        m_interaction.yesNoAnswers.enqueue(true);
        menus().FileNew->trigger();
        QCOMPARE(m_interaction.texts(QStringLiteral("question")).last(),
                 QStringLiteral("Wilt u een nieuw Velletje ontwerpen?"));
        QCOMPARE(controls().PagLabel->text(), QStringLiteral("1"));
        QCOMPARE(controls().CatalogusLabel->text(), QStringLiteral("Nr."));
        QCOMPARE(controls().OmschrijfLabel->toPlainText(), QStringLiteral("Omschrijving"));
        QVERIFY(controls().PicImage->pixmap().isNull());
        QCOMPARE(image().pixel(27, 27), qRgb(255, 255, 255));
        m_shots.take(QStringLiteral("nieuw"));

        answerLaadVel(QStringLiteral("Delft"));
        menus().FileOpen->trigger();
        QCOMPARE(controls().PlaatsLabel->text(), QStringLiteral("Delft"));
        QCOMPARE(controls().CatalogusLabel->text(), QStringLiteral("Nr.2308"));
        QCOMPARE(controls().JaartalLabel->text(), QStringLiteral("2007"));
        QCOMPARE(controls().PagLabel->text(), QStringLiteral("12"));
        QCOMPARE(m_model.AantalRegels(), 2);
        QCOMPARE(m_model.OmschrijvingRegels(), m_savedLines);
        QVERIFY(controls().OmschrijfLabel->toPlainText().startsWith(m_savedLines.join(QLatin1Char('\n'))));
        QCOMPARE(image(), m_savedCanvas);
        QVERIFY(m_model.AfbeeldingOvergezet());
        QVERIFY(!controls().PicImage->pixmap().isNull());
        m_shots.take(QStringLiteral("supplement-geopend"));
    }

    void printTheAlbumPageToPdf()
    {
        auto* controller = child<PrintController>(QStringLiteral("PrintController"));
        QVERIFY(controller);
        const QString pdf = m_folder.root() + QStringLiteral("/delft.pdf");
        controller->printer().setOutputFormat(QPrinter::PdfFormat);
        controller->printer().setOutputFileName(pdf);
        m_interaction.modalScripts.enqueue([this](QDialog& dialog) {
            auto& form = dynamic_cast<AfdrukForm&>(dialog);
            form.setSweepPause(0);
            photograph(dialog, QStringLiteral("afdrukform"));
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
            // The same page in the preview, then the dialog closed.
            form.findChild<QCheckBox*>(QStringLiteral("Voorbeeld"))->setChecked(true);
            m_interaction.modalScripts.enqueue([this](QDialog& preview) {
                auto* pages = preview.findChild<QPrintPreviewWidget*>();
                pages->updatePreview();
                m_previewPages = pages->pageCount();
                photograph(preview, QStringLiteral("afdrukvoorbeeld"));
                return int(QDialog::Rejected);
            });
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CancelKnop")), Qt::LeftButton);
            return dialog.result();
        });
        menus().FilePrint->trigger();
        const QStringList modal = m_interaction.texts(QStringLiteral("modal"));
        QCOMPARE(modal.mid(modal.size() - 2), QStringList({QStringLiteral("AfdrukForm"), QStringLiteral("Afdrukvoorbeeld")}));
        QCOMPARE(m_previewPages, 1);
        QCOMPARE(PdfInformatie(pdf).pages, 1);
        const auto words = PdfWoorden(pdf);
        for (const QString& text : {QStringLiteral("Delft"), QStringLiteral("Nr.2308"), QStringLiteral("2007"),
                                    QStringLiteral("12"), m_savedLines[0], m_savedLines[1]})
            QVERIFY2(!PdfZoek(words, text).isEmpty(), qPrintable(text));
        QVERIFY(m_interaction.texts(QStringLiteral("message")).isEmpty());
        m_shots.keep(pdf, QStringLiteral("album-pagina.pdf"));
    }

    void lookAtTheColourWindow()
    {
        m_interaction.modalScripts.enqueue([this](QDialog& dialog) {
            photograph(dialog, QStringLiteral("kleuren"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
            return dialog.result();
        });
        menus().ConfiguratieInstellingen->trigger();
        QCOMPARE(m_interaction.texts(QStringLiteral("modal")).last(), QStringLiteral("Config"));
    }

    void exitWithYesWritesTheSettings()
    {
        // Gone since the start, so only the exit can bring it back.
        const QString settings = m_folder.root() + QLatin1Char('/') + SettingsFile::FileName;
        QVERIFY(QFile::remove(settings));
        m_interaction.yesNoAnswers.enqueue(false);
        QVERIFY(!m_main->close());
        QVERIFY(m_main->isVisible());
        QVERIFY(!QFile::exists(settings));
        m_interaction.yesNoAnswers.enqueue(true);
        QVERIFY(m_main->close());
        QCOMPARE(m_interaction.texts(QStringLiteral("question")).last(),
                 QStringLiteral("Wilt u dit programma nu afsluiten?"));
        QVERIFY(!m_main->isVisible());
        QVERIFY(QFile::exists(settings));
        const QList<QByteArray> lines = m_folder.read(SettingsFile::FileName).split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[2], QByteArray("190,200,240\r"));
        QCOMPARE(lines[3], QByteArray("220,220,230\r"));
    }

    void cleanupTestCase()
    {
        // The undo actions follow the canvas history; it is emptied while the window is still whole.
        if (m_main)
            m_main->picEdit()->document().undoStack().clear();
        m_main.reset();
        m_titel.reset();
    }
};

QTEST_MAIN(TestTypicalUse)
#include "test_typical_use.moc"
