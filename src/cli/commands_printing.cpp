// velinor-cli commands of printing: the album page, the contact sheet and the
// catalogue list written as PDF files (A4, true scale). No progress sweep here.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "printing/catalogue_list.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/supplement_page_file.h"

#include <functional>

namespace {

bool usage(const QStringList& arguments, qsizetype count, const QString& text, CliContext& context)
{
    if (arguments.size() == count)
        return true;
    context.err << "Gebruik: velinor-cli " << text << '\n';
    return false;
}

// Runs one layout into the PDF file and reports the outcome.
int writePdf(const QString& path, CliContext& context, const PrintLayout& layout)
{
    const PdfResult result = printPdf(path, 1, layout);
    if (!result.ok) {
        context.err << "Kan " << path << " niet schrijven: " << result.error << '\n';
        return 1;
    }
    context.out << path << ": " << result.pages << (result.pages == 1 ? " pagina" : " pagina's") << '\n';
    return 0;
}

const CliRegistration pageCommand({
    QStringLiteral("page"),
    QStringLiteral("SUPPLEMENT.sup UIT.pdf"),
    QStringLiteral("druk de albumpagina van een opgeslagen supplement af als PDF"),
    [](const QStringList& arguments, CliContext& context) {
        if (!usage(arguments, 2, QStringLiteral("page SUPPLEMENT.sup UIT.pdf"), context))
            return CliUsageError;
        if (writesOverInput(arguments.at(1), {arguments.at(0), supplementPagePicturePath(arguments.at(0))}, context))
            return CliUsageError;
        const SupplementPageFile read = readSupplementPage(arguments.at(0));
        if (!read.message.isEmpty())
            context.err << read.message << '\n';
        if (!read.page)
            return 1;
        return writePdf(arguments.at(1), context, [&](PrintSurface& surface, int copies) {
            return PrintSupplement(surface, *read.page, copies);
        });
    },
});

const CliRegistration contactSheetCommand({
    QStringLiteral("contact-sheet"),
    QStringLiteral("UIT.pdf"),
    QStringLiteral("druk alle velletjes uit de map Images af als PDF"),
    [](const QStringList& arguments, CliContext& context) {
        if (!usage(arguments, 1, QStringLiteral("contact-sheet UIT.pdf"), context))
            return CliUsageError;
        const QStringList files = sheetletFiles(context.folder);
        if (writesOverInput(arguments.at(0), files, context))
            return CliUsageError;
        context.out << files.size() << " velletjes\n";
        return writePdf(arguments.at(0), context,
                        [&](PrintSurface& surface, int copies) { return PrintVelletjes(surface, files, copies); });
    },
});

const CliRegistration listCommand({
    QStringLiteral("list"),
    QStringLiteral("UIT.pdf"),
    QStringLiteral("druk de lijst van de catalogusgegevens af als PDF"),
    [](const QStringList& arguments, CliContext& context) {
        if (!usage(arguments, 1, QStringLiteral("list UIT.pdf"), context))
            return CliUsageError;
        if (writesOverInput(arguments.at(0), {context.folder.path(QString::fromLatin1(CatalogueRecords::Path))},
                            context))
            return CliUsageError;
        const QList<CatalogueEntry> records = readCatalogueEntries(context.folder);
        context.out << records.size() << " velletjes in de catalogus\n";
        return writePdf(arguments.at(0), context,
                        [&](PrintSurface& surface, int copies) { return PrintLijst(surface, records, copies); });
    },
});

} // namespace
