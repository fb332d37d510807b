// The print dialog and the File menu's print entries: every control in its
// place, the progress sweep, the three jobs on a printer that writes PDF, the
// dialog staying open, and the printer kept between jobs.

#include "app/application_state.h"
#include "app/ui/double_click_label.h"
#include "app/ui/main_form.h"
#include "app/ui/qt_interaction.h"
#include "canvas/ui/pic_edit.h"
#include "common/layout_table.h"
#include "common/main_window_fixture.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "pdf_reader.h"
#include "printing/progress_sweep.h"
#include "printing/ui/afdrukform.h"
#include "printing/ui/print_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

namespace {

SupplementPagina page()
{
    QImage canvas(500, 260, QImage::Format_RGB32);
    canvas.fill(qRgb(0, 0, 255));
    return {QStringLiteral("Zierikzee"),   QStringLiteral("2322"), QStringLiteral("2011"),
            {QStringLiteral("Een regel")}, QStringLiteral("22"),   canvas};
}

struct Fixture
{
    TestFolder folder{true};
    ScriptedInteraction interaction;
    QPrinter printer;
    std::unique_ptr<AfdrukForm> form;
    QString pdf;

    explicit Fixture(std::function<SupplementPagina()> pagina = page)
    {
        pdf = folder.root() + QStringLiteral("/uit.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        form = std::make_unique<AfdrukForm>(pagina, folder.folder(), printer, interaction);
        form->setSweepPause(0);
        form->show();
    }

    template <typename T> T* child(const char* name) const { return form->findChild<T*>(QString::fromLatin1(name)); }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
};

} // namespace

class TestAfdrukForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlInItsPlace()
    {
        Fixture f;
        QCOMPARE(f.form->size(), QSize(4800, 2250) / 15);
        checkTable(*f.form, {{"BarPic", {150, 420}, {3600, 285}},
                             {"Label7", {3810, 480}, {}, "Progress"},
                             {"Image1", {3750, 990}},
                             {"Label1", {870, 900}, {}, "Aantal copy's"},
                             {"Label3", {150, 1395}, {900, 720}},
                             {"LijstKnop", {180, 1425}, {840, 330}, "Data"},
                             {"Label4", {1110, 1485}, {}, "Lijst gegevens afdrukken"},
                             {"VelKnop", {180, 1755}, {840, 330}, "Images"},
                             {"Label6", {1110, 1815}, {}, "Velletjes afdrukken"},
                             {"Label2", {3150, 1740}, {1530, 390}},
                             {"CancelKnop", {3180, 1770}, {750, 330}, "Cancel"},
                             {"OkKnop", {3930, 1770}, {720, 330}, "Suppl."},
                             {"Label5", {1980, 2700}, {}, "Zierikzee"}});
        auto* combo = f.child<QComboBox>("Combo1");
        QCOMPARE(combo->pos(), QPoint(165, 840) / 15);
        QCOMPARE(combo->count(), 10);
        QCOMPARE(combo->itemText(9), QStringLiteral("10"));
        QCOMPARE(f.child<QPushButton>("OkKnop")->toolTip(), QStringLiteral(" Print Supplement "));
        QCOMPARE(f.child<QLabel>("Label5")->font().pointSize(), 20);
        QCOMPARE(f.child<QListWidget>("File1")->item(0)->text(), QStringLiteral("2005-Alkmaar.jpg"));
    }

    void sweepShadesTheBar()
    {
        Fixture f;
        f.click("OkKnop");
        const QImage& bar = f.form->barPicture();
        QCOMPARE(bar.size(), QSize(240, 19));
        for (int i = 0; i < 240; ++i) {
            for (int y : {0, 9, 18})
                QCOMPARE(bar.pixelColor(i, y), QColor(255 - i, i, 255));
        }
        QCOMPARE(Voortgang::kolomKleur(240), QColor(15, 240, 255));
    }

    void sweepWaitsAfterEveryColumn()
    {
        Fixture f;
        f.form->setSweepPause(0.002);
        QElapsedTimer clock;
        clock.start();
        f.click("LijstKnop");
        QVERIFY(clock.elapsed() >= 241 * 2);
    }

    void supplementJobLeavesTheDialogOpen()
    {
        Fixture f;
        f.click("OkKnop");
        QVERIFY(f.form->isVisible());
        QCOMPARE(PdfInformatie(f.pdf).pages, 1);
        const auto words = PdfWoorden(f.pdf);
        for (const QString& text : {QStringLiteral("Velinor"), QStringLiteral("Zierikzee"), QStringLiteral("Nr.2322"),
                                    QStringLiteral("Een regel"), QStringLiteral("22")})
            QVERIFY2(!PdfZoek(words, text).isEmpty(), qPrintable(text));
        QVERIFY(f.interaction.shown.isEmpty());
    }

    void pdfOnAFullDiskKeepsTheOldFileAndSaysSo()
    {
        Fixture f;
        QVERIFY(f.folder.write(QStringLiteral("uit.pdf"), "oud"));
        f.interaction.yesNoAnswers.enqueue(true); // replace it
        {
            const FileSizeLimit limit(100);
            f.click("OkKnop");
        }
        QCOMPARE(f.folder.read(QStringLiteral("uit.pdf")), QByteArray("oud"));
        QCOMPARE(f.interaction.texts("message").size(), 1);
        QVERIFY(f.interaction.texts("message").first().contains(QStringLiteral("uit.pdf kon niet worden geschreven")));
    }

    // A printer that writes PDF replaces no file unasked: No asks another name. Every copy is in the file.
    void pdfJobsAskBeforeReplacingAndHoldEveryCopy()
    {
        Fixture f;
        f.child<QComboBox>("Combo1")->setCurrentIndex(2);
        f.click("VelKnop");
        QCOMPARE(PdfInformatie(f.pdf).pages, 3);
        QCOMPARE(PdfZoek(PdfWoorden(f.pdf), QStringLiteral("2014-Heusden")).size(), 1);
        QCOMPARE(PdfZoek(PdfWoorden(f.pdf), QStringLiteral("2014-Heusden"), 3).size(), 1);

        const QString other = f.folder.root() + QStringLiteral("/lijst.pdf");
        f.interaction.fileAnswers.enqueue(other);
        f.click("LijstKnop");
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{QStringLiteral("Het bestand %1 bestaat al. Overschrijven?").arg(f.pdf)});
        QCOMPARE(PdfInformatie(f.pdf).pages, 3);
        QVERIFY(!PdfZoek(PdfWoorden(other), QStringLiteral("Nominaal")).isEmpty());
        QVERIFY(f.form->isVisible());
    }

    // Cancel during the sweep stops the job; without a printer the way out comes before the sweep.
    void cancelAndNoPrinterStopBeforePrinting()
    {
        Fixture f;
        f.form->setSweepPause(0.002);
        QTimer::singleShot(20, f.form.get(), [&] { f.click("CancelKnop"); });
        f.click("OkKnop");
        QVERIFY(!QFile::exists(f.pdf));
        QVERIFY(!f.form->isVisible());
        QVERIFY(f.interaction.shown.isEmpty());

        Fixture g;
        g.printer.setOutputFileName(QString()); // as a printer is on a machine without any set up
        g.click("OkKnop"); // answered No: nothing happens, not even the sweep
        QVERIFY(g.interaction.texts("question").value(0).startsWith(QStringLiteral("Er is geen printer ingesteld.")));
        QCOMPARE(g.form->barPicture(), Voortgang::legeBalk());
        const QString pdf = g.folder.root() + QStringLiteral("/blad.pdf");
        g.interaction.yesNoAnswers.enqueue(true);
        g.interaction.fileAnswers.enqueue(pdf);
        g.click("OkKnop");
        QCOMPARE(PdfInformatie(pdf).pages, 1);
    }

    void previewInsteadOfPrinting()
    {
        Fixture f;
        f.child<QCheckBox>("Voorbeeld")->setChecked(true);
        int pages = 0;
        f.interaction.modalScripts.enqueue([&pages](QDialog& dialog) {
            auto* widget = dialog.findChild<QPrintPreviewWidget*>();
            widget->updatePreview();
            pages = widget->pageCount();
            return int(QDialog::Rejected);
        });
        f.click("OkKnop");
        QCOMPARE(f.interaction.texts("modal"), QStringList{QStringLiteral("Afdrukvoorbeeld")});
        QCOMPARE(pages, 1);
        QVERIFY(!QFile::exists(f.pdf));
    }

    void aDescriptionLongerThanThePageIsToldBeforePrinting()
    {
        SupplementPagina long40 = page();
        for (int i = 0; i < 40; ++i)
            long40.regels << QStringLiteral("regel %1").arg(i);
        Fixture f([long40] { return long40; });
        f.click("OkKnop");
        QVERIFY(f.interaction.texts("question").value(0).startsWith(
            QStringLiteral("De omschrijving telt 41 regels; op het albumblad passen er 25.")));
        QVERIFY(!QFile::exists(f.pdf));
    }

    void cancelCloses()
    {
        Fixture f;
        f.click("CancelKnop");
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->result(), int(QDialog::Rejected));
    }

    void fileMenuPrintsThePageOfTheMainWindow()
    {
        MainWindowFixture f(true);
        Main& main = *f.main;
        auto* controller = main.findChild<PrintController*>(QStringLiteral("PrintController"));
        QVERIFY(controller);
        const QString pdf = f.folder.root() + QStringLiteral("/pagina.pdf");
        controller->printer().setOutputFormat(QPrinter::PdfFormat);
        controller->printer().setOutputFileName(pdf);

        f.model.setPlaatsnaam(QStringLiteral("Harderwijk"));
        f.model.setCatalogusNr(QStringLiteral("2320"));
        f.model.setOmschrijving(QStringLiteral("Hanzestad"), {QStringLiteral("Hanzestad")});
        f.model.setPaginaNr(QStringLiteral("20"));
        main.picEdit()->image().fill(qRgb(255, 0, 0));

        QPrinter* seen = nullptr;
        for (int job = 0; job < 2; ++job) {
            f.interaction.modalScripts.enqueue([&](QDialog& dialog) {
                auto& form = dynamic_cast<AfdrukForm&>(dialog);
                seen = &form.printer();
                form.setSweepPause(0);
                QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
                return int(QDialog::Rejected);
            });
            main.menus().FilePrint->trigger();
            QCOMPARE(seen, &controller->printer());
        }
        QCOMPARE(f.interaction.texts(QStringLiteral("modal")), QStringList({"AfdrukForm", "AfdrukForm"}));

        const auto words = PdfWoorden(pdf);
        for (const QString& text : {QStringLiteral("Harderwijk"), QStringLiteral("Nr.2320"),
                                    QStringLiteral("Hanzestad"), QStringLiteral("20")})
            QVERIFY2(!PdfZoek(words, text).isEmpty(), qPrintable(text));
        const QColor middle = PdfPagina(pdf, 1, 72).pixelColor(QPoint(5812 + 360, 4440 + 360) / 20);
        QVERIFY(middle.red() > 200 && middle.green() < 60);
    }

    // "Opslaan als PDF": the three documents at true scale, named after the place, never over a file unasked.
    void saveAsPdfFromTheFileMenu()
    {
        MainWindowFixture f(true);
        f.model.setPlaatsnaam(QStringLiteral("Harderwijk"));
        const QString page = f.folder.root() + QStringLiteral("/Harderwijk.pdf");
        const QString sheet = f.folder.root() + QStringLiteral("/velletjes.pdf");
        f.interaction.fileAnswers.enqueue(page);
        f.main->menus().FileSavePdf[1]->trigger();
        QVERIFY(f.interaction.texts("save").first().endsWith(QStringLiteral("/Harderwijk.pdf")));
        QCOMPARE(PdfInformatie(page).pages, 1);
        QCOMPARE(PdfInformatie(page).pageSize, QSizeF(595, 842)); // A4 in points
        QVERIFY(!PdfZoek(PdfWoorden(page), QStringLiteral("Harderwijk")).isEmpty());

        f.interaction.fileAnswers.enqueue(sheet);
        f.main->menus().FileSavePdf[2]->trigger();
        QVERIFY(!PdfZoek(PdfWoorden(sheet), QStringLiteral("2005-Alkmaar")).isEmpty());
        f.interaction.fileAnswers.enqueue(sheet); // the list over the contact sheet: answered No, then cancelled
        f.main->menus().FileSavePdf[3]->trigger();
        QVERIFY(f.interaction.texts("question").last().endsWith(QStringLiteral("bestaat al. Overschrijven?")));
        QVERIFY(!PdfZoek(PdfWoorden(sheet), QStringLiteral("2005-Alkmaar")).isEmpty());
    }

    // "Setup Printer" chooses a printer: the dialog says so, and does not offer to print.
    void choosingAPrinterIsNotPrinting()
    {
        QtInteraction interaction;
        QPrinter printer;
        QString title, ok;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
                dialog->reject();
            }
        });
        QVERIFY(!interaction.choosePrinter(nullptr, printer));
        QCOMPARE(title, QStringLiteral("Printer kiezen"));
        QCOMPARE(ok, QStringLiteral("Kiezen"));
    }

    void setupPrinterGoesThroughTheInteraction()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        f.interaction.printerAnswers.enqueue(false);
        main.menus().FileSetupPrinter->trigger();
        QCOMPARE(f.interaction.texts(QStringLiteral("printer")).size(), 1);
        QVERIFY(f.interaction.texts(QStringLiteral("message")).isEmpty());
    }
};

QTEST_MAIN(TestAfdrukForm)
#include "test_afdrukform.moc"
