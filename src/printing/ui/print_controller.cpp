#include "printing/ui/print_controller.h"

#include "app/save_path.h"
#include "collection/collection_model.h"
#include "collection/collection_totals.h"
#include "documents/catalogue_records.h"
#include "documents/supplement_model.h"
#include "printing/catalogue_list.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/ui/afdrukform.h"
#include "widgets/interaction.h"
#include "widgets/save_target.h"

#include <QAction>
#include <QPrinter>

PrintController::PrintController(SupplementModel& model, const CollectionModel& collection, ProgramFolder folder,
                                 Interaction& interaction, QAction* FilePrint, QAction* FileSetupPrinter,
                                 const std::array<QAction*, 5>& FileSavePdf, QWidget* window)
    : QObject(window)
    , m_model(model)
    , m_collection(collection)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_window(window)
{
    setObjectName(QStringLiteral("PrintController"));
    connect(FilePrint, &QAction::triggered, this, &PrintController::FilePrint_Click);
    connect(FileSetupPrinter, &QAction::triggered, this, &PrintController::FileSetupPrinter_Click);
    for (int index : {1, 2, 3, 4})
        connect(FileSavePdf[index], &QAction::triggered, this, [this, index] { FileSavePdf_Click(index); });
}

PrintController::~PrintController() = default;

QPrinter& PrintController::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void PrintController::FilePrint_Click()
{
    // Never half a picture: a command still working on the canvas is waited for (the entries are off meanwhile),
    // and a placement still floating is printed where it lies, as part of the picture.
    if (m_model.canvas().busy() || !m_model.canvas().fixFloating())
        return;
    // The page as it is when a job starts: the supplement's fields with the canvas picture.
    const auto pageOf = [this] { return albumPageOf(m_model.snapshot(), m_model.canvas().image()); };
    AfdrukForm form(pageOf, m_folder, printer(), m_interaction, m_collection.marks(), m_window);
    m_interaction.showModal(form);
}

void PrintController::FileSetupPrinter_Click()
{
    // The dialog changes the printer only when the user confirms it.
    m_interaction.choosePrinter(m_window, printer());
}

void PrintController::FileSavePdf_Click(int index)
{
    if (m_model.canvas().busy() || !m_model.canvas().fixFloating())
        return;
    PrintLayout layout;
    QString name;
    switch (index) {
    case 1:
        if (const QString question = overflowQuestion(albumPageOf(m_model.snapshot(), QImage()));
            !question.isEmpty() && !m_interaction.askYesNo(m_window, question, QStringLiteral(" Opslaan als PDF"),
                                                           Interaction::Icon::Question))
            return;
        name = m_model.Plaatsnaam();
        layout = [page = albumPageOf(m_model.snapshot(), m_model.canvas().image())](PrintSurface& surface, int copies) {
            return PrintSupplement(surface, page, copies);
        };
        break;
    case 2:
        name = QStringLiteral("Velletjes");
        layout = [files = sheetletFiles(m_folder)](PrintSurface& surface, int copies) {
            return PrintVelletjes(surface, files, copies);
        };
        break;
    case 3:
        name = QStringLiteral("Lijst gegevens");
        layout = [records = readCatalogueEntries(m_folder), marks = m_collection.marks()](
                     PrintSurface& surface, int copies) { return PrintLijst(surface, records, copies, marks); };
        break;
    case 4:
        name = QStringLiteral("Nog te verzamelen");
        layout = [wanted = wantList(readCatalogueEntries(m_folder), m_collection.marks())](
                     PrintSurface& surface, int copies) { return PrintWantList(surface, wanted, copies); };
        break;
    default:
        return;
    }
    const std::optional<QString> path =
        askSaveTarget(m_interaction, m_window, SaveTarget::pdf(),
                      SavePath::suggestion(name, QStringLiteral("Velinor"), QStringLiteral("pdf")));
    if (!path)
        return;
    if (const PdfResult result = printPdf(*path, 1, layout); !result.ok)
        m_interaction.message(
            m_window, QStringLiteral("Het PDF-bestand %1 kon niet worden geschreven: %2.").arg(*path, result.error),
            QStringLiteral(" Opslaan als PDF"), Interaction::Icon::Warning);
}
