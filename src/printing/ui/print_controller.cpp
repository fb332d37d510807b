#include "printing/ui/print_controller.h"

#include "app/ui/interaction.h"
#include "documents/supplement_model.h"
#include "printing/ui/afdrukform.h"

#include <QAction>
#include <QPrinter>

PrintController::PrintController(const SupplementModel& model, ProgramFolder folder, Interaction& interaction,
                                 QAction* FilePrint, QAction* FileSetupPrinter, QWidget* window)
    : QObject(window)
    , m_model(model)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_window(window)
{
    setObjectName(QStringLiteral("PrintController"));
    connect(FilePrint, &QAction::triggered, this, &PrintController::FilePrint_Click);
    connect(FileSetupPrinter, &QAction::triggered, this, &PrintController::FileSetupPrinter_Click);
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
    // The page as it is when a job starts: the supplement's fields with the canvas picture.
    const auto pagina = [this] { return albumPageOf(m_model.snapshot(), m_model.canvas().image()); };
    AfdrukForm form(pagina, m_folder, printer(), m_interaction, m_window);
    m_interaction.showModal(form);
}

void PrintController::FileSetupPrinter_Click()
{
    // The dialog changes the printer only when the user confirms it.
    m_interaction.choosePrinter(m_window, printer());
}
