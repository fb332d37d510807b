// The print dialog and the File menu's print entries: the window against its
// table, a job after the sweep, cancel and a missing printer stopping a job
// before it prints, PDF output that replaces no file unasked and holds every
// copy, the preview, and the printer kept between jobs.

#include "app/ui/qt_interaction.h"
#include "common/layout_table.h"
#include "common/main_window_fixture.h"
#include "common/write_failure.h"
#include "pdf_reader.h"
#include "printing/progress_sweep.h"
#include "printing/ui/afdrukform.h"
#include "printing/ui/print_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

struct Fixture
{
    TestFolder folder{true};
    ScriptedInteraction interaction;
    QPrinter printer;
    QString pdf = folder.root() + QStringLiteral("/uit.pdf");
    std::unique_ptr<AfdrukForm> form;

    explicit Fixture(const QStringList& regels = {QStringLiteral("Een regel")})
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const SupplementPagina page{"Zierikzee", "2322", "2011", regels, "22", QImage()};
        form = std::make_unique<AfdrukForm>([page] { return page; }, folder.folder(), printer, interaction);
        form->setSweepPause(0);
        form->show();
    }
    template <typename T = QPushButton> T* child(const char* name) const { return form->findChild<T*>(name); }
    void click(const char* button) const { QTest::mouseClick(child(button), Qt::LeftButton); }
};

} // namespace

class TestAfdrukForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowAsItsTable()
    {
        Fixture f;
        QCOMPARE(f.form->size(), QSize(4800, 2250) / 15);
        // clang-format off
        checkTable(*f.form, {{"BarPic", {150, 420}, {3600, 285}}, {"Label7", {3810, 480}, {}, "Progress"},
            {"Image1", {3750, 990}}, {"Combo1", {165, 840}}, {"Label1", {870, 900}, {}, "Aantal copy's"},
            {"Label3", {150, 1395}, {900, 720}}, {"LijstKnop", {180, 1425}, {840, 330}, "Data"},
            {"Label4", {1110, 1485}, {}, "Lijst gegevens afdrukken"}, {"VelKnop", {180, 1755}, {840, 330}, "Images"},
            {"Label6", {1110, 1815}, {}, "Velletjes afdrukken"}, {"Label2", {3150, 1740}, {1530, 390}},
            {"CancelKnop", {3180, 1770}, {750, 330}, "Cancel"}, {"OkKnop", {3930, 1770}, {720, 330}, "Suppl."},
            {"Label5", {1980, 2700}, {}, "Zierikzee"}});
        // clang-format on
        const auto* combo = f.child<QComboBox>("Combo1");
        QVERIFY(combo->count() == 10 && combo->itemText(9) == "10" && combo->currentText() == "1");
        QVERIFY(combo->width() == 40 && f.child("OkKnop")->toolTip() == " Print Supplement ");
        QCOMPARE(f.child<QLabel>("Label5")->font().pointSize(), 20);
        QCOMPARE(f.child<QListWidget>("File1")->item(0)->text(), QStringLiteral("2005-Alkmaar.jpg"));
    }

    // The album page after a full sweep, the dialog left open. On a full disk the old file stays and a message says so.
    void supplementJob()
    {
        Fixture f;
        f.click("OkKnop");
        // The bar shades from magenta to a light cyan over all its rows, on the background RGB(150, 170, 140).
        const QImage& bar = f.form->barPicture();
        QVERIFY(bar.pixel(0, 0) == qRgb(255, 0, 255) && bar.pixel(239, 18) == qRgb(16, 239, 255));
        QCOMPARE(Voortgang::legeBalk().pixel(0, 0), qRgb(150, 170, 140));
        QVERIFY(!PdfZoek(PdfWoorden(f.pdf), QStringLiteral("Nr.2322")).isEmpty() && f.form->isVisible());
        QVERIFY(f.interaction.shown.isEmpty());
        const QByteArray before = f.folder.read(QStringLiteral("uit.pdf"));
        f.interaction.yesNoAnswers.enqueue(true); // replace it
        {
            const FileSizeLimit limit(100);
            f.click("OkKnop");
        }
        QCOMPARE(f.folder.read(QStringLiteral("uit.pdf")), before);
        QVERIFY(f.interaction.texts("message").value(0).contains(QStringLiteral("uit.pdf kon niet worden geschreven")));
    }

    // Every copy is in the PDF; an existing file is replaced only when the user says so: No asks for another name.
    void pdfHoldsEveryCopyAndReplacesNothingUnasked()
    {
        Fixture f;
        f.child<QComboBox>("Combo1")->setCurrentIndex(2);
        f.click("VelKnop");
        QCOMPARE(PdfZoek(PdfWoorden(f.pdf), QStringLiteral("2014-Heusden"), 3).size(), 1);
        const QString other = f.folder.root() + QStringLiteral("/lijst.pdf");
        f.interaction.fileAnswers.enqueue(other);
        f.click("LijstKnop");
        QCOMPARE(f.interaction.texts("question"), QStringList{"Het bestand " + f.pdf + " bestaat al. Overschrijven?"});
        QCOMPARE(PdfInformatie(f.pdf).pages, 3);
        QVERIFY(!PdfZoek(PdfWoorden(other), QStringLiteral("Nominaal")).isEmpty());
    }

    // Cancel in the sweep closes the dialog and prints nothing. Without a printer the question comes before the
    // sweep, and Yes saves a PDF. A description longer than the page is asked about first. "Voorbeeld" shows the
    // job in a preview instead of printing it.
    void jobsStoppedBeforePrinting()
    {
        Fixture f;
        f.form->setSweepPause(0.001);
        QTimer::singleShot(0, f.form.get(), [&] { f.click("CancelKnop"); }); // runs in the first pause
        f.click("OkKnop");
        QVERIFY(!QFile::exists(f.pdf) && !f.form->isVisible() && f.form->result() == QDialog::Rejected);

        Fixture g;
        g.printer.setOutputFileName(QString()); // as on a machine without any printer set up
        g.click("OkKnop");                      // answered No
        QVERIFY(g.interaction.texts("question").value(0).startsWith(QStringLiteral("Er is geen printer ingesteld.")));
        QCOMPARE(g.form->barPicture(), Voortgang::legeBalk());
        g.interaction.yesNoAnswers.enqueue(true);
        g.interaction.fileAnswers.enqueue(g.pdf);
        g.click("OkKnop");
        QCOMPARE(PdfInformatie(g.pdf).pages, 1);

        Fixture h(QStringList(26, QStringLiteral("regel")));
        h.click("OkKnop");
        QVERIFY(h.interaction.texts("question").value(0).startsWith(QStringLiteral("De omschrijving telt 26 regels")));
        h.child<QCheckBox>("Voorbeeld")->setChecked(true);
        h.interaction.yesNoAnswers.enqueue(true);
        int pages = 0;
        h.interaction.modalScripts.enqueue([&pages](QDialog& dialog) {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            preview->updatePreview();
            pages = preview->pageCount();
            return int(QDialog::Rejected);
        });
        h.click("OkKnop");
        QVERIFY(pages == 1 && !QFile::exists(h.pdf));
    }

    // "Afdrukken" prints the main window's page on the printer kept between jobs; "Opslaan als PDF" names the page
    // after the place; "Setup Printer" goes through the interaction.
    void fileMenu()
    {
        MainWindowFixture f(true);
        auto* controller = f.main->findChild<PrintController*>();
        const QString pdf = f.folder.root() + QStringLiteral("/pagina.pdf");
        controller->printer().setOutputFormat(QPrinter::PdfFormat);
        controller->printer().setOutputFileName(pdf);
        f.model.setPlaatsnaam(QStringLiteral("Harderwijk"));
        f.main->picEdit()->image().fill(qRgb(220, 60, 20));
        QList<QPrinter*> printers;
        for (int job = 0; job < 2; ++job) {
            f.interaction.modalScripts.enqueue([&](QDialog& dialog) {
                auto& form = dynamic_cast<AfdrukForm&>(dialog);
                printers << &form.printer();
                form.setSweepPause(0);
                QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
                return int(QDialog::Rejected);
            });
            f.main->menus().FilePrint->trigger();
        }
        QCOMPARE(printers, QList<QPrinter*>(2, &controller->printer()));
        QVERIFY(!PdfZoek(PdfWoorden(pdf), QStringLiteral("Harderwijk")).isEmpty());
        // At 144 dpi a pixel is 10 twips: the canvas in the middle of the frame, and the frame's top line.
        const QImage page = PdfPagina(pdf, 1, 144);
        const QColor middle = page.pixelColor(QPoint(5812 + 360, 4440 + 360) / 10);
        QVERIFY(middle.red() > 200 && middle.green() < 100 && middle.blue() < 60);
        QVERIFY(qGray(page.pixel(QPoint(5812 + 360, 2190 + 360) / 10)) < 200);

        f.interaction.fileAnswers.enqueue(f.folder.root() + QStringLiteral("/Harderwijk.pdf"));
        f.main->menus().FileSavePdf[1]->trigger();
        QVERIFY(f.interaction.texts("save").last().endsWith(QStringLiteral("/Harderwijk.pdf")));
        QCOMPARE(PdfInformatie(f.folder.root() + QStringLiteral("/Harderwijk.pdf")).pages, 1);
        f.main->menus().FileSetupPrinter->trigger();
        QCOMPARE(f.interaction.texts(QStringLiteral("printer")).size(), 1);
    }

    // The printer dialog of "Setup Printer" says it chooses a printer, and does not offer to print.
    void choosingAPrinterIsNotPrinting()
    {
        QtInteraction interaction;
        QPrinter printer;
        QString title, ok;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            title = dialog->windowTitle();
            ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            dialog->reject();
        });
        QVERIFY(!interaction.choosePrinter(nullptr, printer));
        QVERIFY(title == QStringLiteral("Printer kiezen") && ok == QStringLiteral("Kiezen"));
    }
};

QTEST_MAIN(TestAfdrukForm)
#include "test_afdrukform.moc"
