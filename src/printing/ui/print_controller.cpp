#include "printing/ui/print_controller.h"

#include "app/ui/interaction.h"
#include "app/ui/main_form.h"
#include "documents/supplement_model.h"
#include "printing/ui/afdrukform.h"

#include <QAction>
#include <QPrinter>

PrintController::PrintController(Main& main)
    : QObject(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("PrintController"));
    connect(main.menus().FilePrint, &QAction::triggered, this, &PrintController::FilePrint_Click);
    connect(main.menus().FileSetupPrinter, &QAction::triggered, this, &PrintController::FileSetupPrinter_Click);
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
    const auto pagina = [this] {
        return albumPageOf(m_main.model().snapshot(), m_main.model().canvas().image());
    };
    AfdrukForm form(pagina, m_main.folder(), printer(), m_main.interaction(), &m_main);
    m_main.interaction().showModal(form);
}

void PrintController::FileSetupPrinter_Click()
{
    // The dialog changes the printer only when the user confirms it.
    m_main.interaction().choosePrinter(&m_main, printer());
}
