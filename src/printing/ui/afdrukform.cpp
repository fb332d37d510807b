#include "printing/ui/afdrukform.h"

#include "app/save_path.h"
#include "app/wacht.h"
#include "collection/collection_totals.h"
#include "printing/catalogue_list.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/print_surface.h"
#include "printing/progress_sweep.h"
#include "printing/ui/printer_print_surface.h"
#include "widgets/busy_pointer.h"
#include "widgets/interaction.h"
#include "widgets/save_target.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <tuple>

namespace {

// The dialog is laid out in twips; the screen has 15 twips to a pixel.
constexpr int ChoicesRow = 330;

constexpr int px(int twips)
{
    return twips / 15;
}

QRect pixels(QRect twips)
{
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

} // namespace

AfdrukForm::AfdrukForm(std::function<SupplementPage()> page, ProgramFolder folder, QPrinter& printer,
                       Interaction& interaction, Marks marks, QWidget* parent)
    : QDialog(parent)
    , m_page(std::move(page))
    , m_folder(std::move(folder))
    , m_printer(printer)
    , m_interaction(interaction)
    , m_marks(std::move(marks))
    , m_pauze(Voortgang::Pauze)
    , m_bar(Voortgang::emptyBar())
{
    setObjectName(QStringLiteral("AfdrukForm"));
    setWindowTitle(QStringLiteral("Afdrukken"));
    // The row of the two choices beyond the list and the contact sheet as they always printed lies below them.
    setFixedSize(px(4800), px(2250 + ChoicesRow));
    createControls();
    connectSignals();
    Form_Load();
}

QLabel* AfdrukForm::addLabel(const QString& name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(px(left), px(top));
    label->adjustSize();
    return label;
}

QPushButton* AfdrukForm::addButton(const QString& name, const QString& text, QRect twips)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(pixels(twips));
    button->setAutoDefault(false);
    return button;
}

void AfdrukForm::createControls()
{
    // The two frames come first so that the buttons lie on top of them.
    for (const auto& [name, box, caption] :
         {std::tuple{QStringLiteral("Label3"), QRect(150, 1395, 900, 720), QStringLiteral("Lijst en velletjes")},
          std::tuple{QStringLiteral("Label2"), QRect(3150, 1740, 1530, 390), QStringLiteral("Supplement")}}) {
        auto* frame = new QLabel(this);
        frame->setObjectName(name);
        frame->setAccessibleName(caption);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(pixels(box));
    }

    m_barPic = new QLabel(this);
    m_barPic->setObjectName(QStringLiteral("BarPic"));
    m_barPic->setAccessibleName(QStringLiteral("Progress"));
    m_barPic->setGeometry(pixels(QRect(150, 420, 3600, 285)));
    m_barPic->setAutoFillBackground(true);
    m_barPic->setStyleSheet(QStringLiteral("background-color: rgb(150, 170, 140);"));
    addLabel(QStringLiteral("Label7"), QStringLiteral("Progress"), 3810, 480);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setAccessibleName(QStringLiteral("Velinor"));
    image1->setPixmap(QPixmap(QStringLiteral(":/pictures/titel.png")).scaledToWidth(64, Qt::SmoothTransformation));
    image1->move(px(3750), px(990));
    image1->adjustSize();

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->move(px(165), px(840));
    m_combo1->setFixedWidth(px(600));
    m_combo1->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(230, 200, 200); }"));
    addLabel(QStringLiteral("Label1"), QStringLiteral("Aantal copy's"), 870, 900);

    m_lijstKnop = addButton(QStringLiteral("LijstKnop"), QStringLiteral("Data"), QRect(180, 1425, 840, 330));
    addLabel(QStringLiteral("Label4"), QStringLiteral("Lijst gegevens afdrukken"), 1110, 1485);
    m_velKnop = addButton(QStringLiteral("VelKnop"), QStringLiteral("Images"), QRect(180, 1755, 840, 330));
    addLabel(QStringLiteral("Label6"), QStringLiteral("Velletjes afdrukken"), 1110, 1815);
    m_cancelKnop = addButton(QStringLiteral("CancelKnop"), QStringLiteral("Cancel"), QRect(3180, 1770, 750, 330));
    m_okKnop = addButton(QStringLiteral("OkKnop"), QStringLiteral("Suppl."), QRect(3930, 1770, 720, 330));
    m_okKnop->setToolTip(QStringLiteral(" Print Supplement "));

    // Below the visible area: it measures the place name in the font it is printed in.
    m_label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("Plaatsnaam"), 1980, 2700);
    m_label5->setAccessibleName(QStringLiteral("Plaatsnaam"));
    QFont font(QStringLiteral("Arial"), 20);
    font.setBold(true);
    m_label5->setFont(font);

    // Beside the copies box: the job is shown in a preview first, and printed from there.
    m_preview = new QCheckBox(QStringLiteral("Voorbeeld"), this);
    m_preview->setObjectName(QStringLiteral("Voorbeeld"));
    m_preview->move(px(2250), px(870));
    m_preview->setToolTip(QStringLiteral(" Eerst een afdrukvoorbeeld tonen "));

    m_wantList = new QCheckBox(QStringLiteral("Alleen nog te verzamelen"), this);
    m_wantList->setObjectName(QStringLiteral("NogTeVerzamelen"));
    m_wantList->move(px(180), px(2190));
    m_wantList->setToolTip(QStringLiteral(" Data drukt de velletjes af die u nog niet hebt, met hun prijs "));
    m_ownDesigns = new QCheckBox(QStringLiteral("Met eigen ontwerpen"), this);
    m_ownDesigns->setObjectName(QStringLiteral("EigenOntwerpen"));
    m_ownDesigns->move(px(2700), px(2190));
    m_ownDesigns->setToolTip(QStringLiteral(" Images drukt ook de plaatjes van uw bewaarde supplementen af "));

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->hide();
}

void AfdrukForm::connectSignals()
{
    connect(m_okKnop, &QPushButton::clicked, this, &AfdrukForm::OkKnop_Click);
    connect(m_velKnop, &QPushButton::clicked, this, &AfdrukForm::VelKnop_Click);
    connect(m_lijstKnop, &QPushButton::clicked, this, &AfdrukForm::LijstKnop_Click);
    connect(m_cancelKnop, &QPushButton::clicked, this, &AfdrukForm::CancelKnop_Click);
}

void AfdrukForm::Form_Load()
{
    for (int i = 1; i <= 10; ++i)
        m_combo1->addItem(QString::number(i));
    m_combo1->setCurrentIndex(0);
    m_label5->setText(m_page().Plaatsnaam);
    m_label5->adjustSize();
    for (const QString& path : sheetletFiles(m_folder))
        m_file1->addItem(QFileInfo(path).fileName());
    m_barPic->setPixmap(QPixmap::fromImage(m_bar));
}

QStringList AfdrukForm::sheetlets() const
{
    const QDir images(m_folder.path(QStringLiteral("Images")));
    QStringList paths;
    for (int i = 0; i < m_file1->count(); ++i)
        paths.append(images.filePath(m_file1->item(i)->text()));
    return paths;
}

void AfdrukForm::OkKnop_Click()
{
    if (const QString question = overflowQuestion(m_page());
        !question.isEmpty() &&
        !m_interaction.askYesNo(this, question, QStringLiteral(" Afdrukken"), Interaction::Icon::Question))
        return;
    printJob([this](PrintSurface& surface, int copies) { return PrintSupplement(surface, m_page(), copies); },
             m_page().Plaatsnaam);
}

void AfdrukForm::VelKnop_Click()
{
    const QStringList files = m_ownDesigns->isChecked() ? sheetlets() + designFiles(m_folder) : sheetlets();
    printJob([files](PrintSurface& surface, int copies) { return PrintVelletjes(surface, files, copies); },
             QStringLiteral("Velletjes"));
}

void AfdrukForm::LijstKnop_Click()
{
    if (m_wantList->isChecked())
        printJob(
            [this](PrintSurface& surface, int copies) {
                return PrintWantList(surface, wantList(readCatalogueEntries(m_folder), m_marks), copies);
            },
            QStringLiteral("Nog te verzamelen"));
    else
        printJob([this](PrintSurface& surface,
                        int copies) { return PrintLijst(surface, readCatalogueEntries(m_folder), copies, m_marks); },
                 QStringLiteral("Lijst gegevens"));
}

void AfdrukForm::CancelKnop_Click()
{
    reject();
}

void AfdrukForm::reject()
{
    // Escape and the window's close button come here too: all three stop a job still in its sweep.
    m_cancelled = true;
    QDialog::reject();
}

bool AfdrukForm::voortgang()
{
    m_bar = Voortgang::emptyBar();
    for (int i = 0; i < Voortgang::Columns; ++i) {
        Voortgang::drawColumn(m_bar, i);
        m_barPic->setPixmap(QPixmap::fromImage(m_bar));
        if (!Wacht(float(m_pauze)) || m_cancelled)
            return false;
    }
    return true;
}

void AfdrukForm::printJob(const PrintLayout& job, const QString& name)
{
    // A click on another button while a job is in its sweep would print twice.
    if (m_jobRunning)
        return;
    if (m_preview->isChecked())
        showPreview(job, name);
    else
        runJob(job, name);
}

std::optional<AfdrukForm::Target> AfdrukForm::chooseTarget(const QString& name)
{
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty()) {
        const std::optional<QString> pdf =
            confirmSaveTarget(m_interaction, this, SaveTarget::pdf(), m_printer.outputFileName());
        return pdf ? std::optional(Target{pdf}) : std::nullopt;
    }
    if (!m_printer.printerName().isEmpty())
        return Target{};
    if (!m_interaction.askYesNo(this,
                                QStringLiteral("Er is geen printer ingesteld. Kies een printer met File / Setup "
                                               "Printer, of bewaar het blad nu als PDF-bestand.\n\n"
                                               "Als PDF-bestand bewaren?"),
                                QStringLiteral(" Afdrukken"), Interaction::Icon::Question))
        return std::nullopt;
    const std::optional<QString> pdf =
        askSaveTarget(m_interaction, this, SaveTarget::pdf(),
                      SavePath::suggestion(name, QStringLiteral("Velinor"), QStringLiteral("pdf")));
    return pdf ? std::optional(Target{pdf}) : std::nullopt;
}

void AfdrukForm::runJob(const PrintLayout& job, const QString& name)
{
    // Where the job goes is settled before the sweep.
    const std::optional<Target> target = chooseTarget(name);
    if (!target)
        return;
    const std::optional<QString>& pdf = target->pdf;
    const int copies = copiesOf(m_combo1->currentText());
    QString failure;
    {
        BusyPointer busy;
        m_jobRunning = true;
        m_cancelled = false;
        for (QPushButton* button : {m_okKnop, m_velKnop, m_lijstKnop})
            button->setEnabled(false);
        const bool swept = voortgang();
        for (QPushButton* button : {m_okKnop, m_velKnop, m_lijstKnop})
            button->setEnabled(true);
        m_jobRunning = false;
        if (!swept)
            return;
        // The job is named in the printer's queue as the user knows it.
        m_printer.setDocName(name);
        // A PDF file goes through the program's own safe writer, with every copy in it.
        if (pdf) {
            if (const PdfResult result = printPdf(*pdf, copies, job); !result.ok)
                failure = QStringLiteral("Het PDF-bestand %1 kon niet worden geschreven: %2.").arg(*pdf, result.error);
        } else {
            PrinterPrintSurface surface(m_printer);
            if (!job(surface, copies))
                failure = QStringLiteral("Afdrukken is mislukt: de printer nam de opdracht niet aan.");
        }
    }
    if (!failure.isEmpty())
        m_interaction.message(this, failure, QStringLiteral(" Afdrukken"), Interaction::Icon::Warning);
}

void AfdrukForm::showPreview(const PrintLayout& job, const QString& name)
{
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setObjectName(QStringLiteral("Afdrukvoorbeeld"));
    preview.setWindowTitle(QStringLiteral(" Afdrukvoorbeeld"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&job, this](QPrinter* printer) {
        PrinterPrintSurface surface(*printer);
        job(surface, copiesOf(m_combo1->currentText()));
    });
    // The preview's print button takes this dialog's own way (the printer, or the PDF file chosen for it)
    // rather than Qt's, which offers the system printer again.
    bool print = false;
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != QCoreApplication::translate("QPrintPreviewDialog", "Print"))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, &preview, [&print, &preview] {
            print = true;
            preview.accept();
        });
    }
    m_interaction.showModal(preview);
    if (print)
        runJob(job, name);
}
