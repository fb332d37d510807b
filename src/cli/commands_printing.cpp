// velinor-cli commands of printing: the album page, the contact sheet, the
// catalogue list and the want list written as PDF files (A4, true scale). No
// progress sweep here.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "collection/collection_model.h"
#include "collection/collection_totals.h"
#include "printing/catalogue_list.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/supplement_page_file.h"

#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace {

const QString PdfNotes = QStringLiteral("Een - als uitvoerbestand schrijft de PDF naar de standaarduitvoer.\n");

// Runs one layout into the PDF file, or into a temporary file copied to stdout for "-", and
// reports the outcome.
int writePdf(const QString& path, CliContext& context, const PrintLayout& layout)
{
    std::optional<QTemporaryDir> temporary;
    if (path == StandardStream)
        temporary.emplace();
    const QString target = temporary ? temporary->filePath(QStringLiteral("uitvoer.pdf")) : path;
    const PdfResult result = printPdf(target, 1, layout);
    if (!result.ok)
        return context.fail(
            QStringLiteral("Kan %1 niet schrijven: %2").arg(temporary ? QStringLiteral("de PDF") : path, result.error));
    if (temporary) {
        if (const int status = copyToStandardOutput(target, context); status != 0)
            return status;
    }
    context.note(QStringLiteral("%1: %2 %3")
                     .arg(temporary ? outputName(path) : path)
                     .arg(result.pages)
                     .arg(result.pages == 1 ? QStringLiteral("pagina") : QStringLiteral("pagina's")));
    return 0;
}

int page(const QCommandLineParser& call, CliContext& context)
{
    const QString supplement = call.positionalArguments().at(0), output = call.positionalArguments().at(1);
    if (supplement == StandardStream)
        return context.usageError(
            QStringLiteral("Een supplement wordt uit zijn bestand gelezen, naast zijn .bmp; - kan hier niet."));
    if (writesOverInput(output, {supplement, supplementPagePicturePath(supplement)}, context))
        return CliUsageError;
    const SupplementPageFile read = readSupplementPage(supplement);
    if (!read.message.isEmpty())
        context.fail(read.message);
    if (!read.page)
        return 1;
    return writePdf(output, context,
                    [&](PrintSurface& surface, int copies) { return PrintSupplement(surface, *read.page, copies); });
}

const CliRegistration pageCommand({
    .name = QStringLiteral("page"),
    .usage = {QStringLiteral("SUPPLEMENT.sup UIT.pdf")},
    .summary = QStringLiteral("druk de albumpagina van een opgeslagen supplement af als PDF"),
    .minArguments = 2,
    .maxArguments = 2,
    .notes = PdfNotes,
    .run = page,
});

const QCommandLineOption DesignsOption(QStringLiteral("with-designs"),
                                       QStringLiteral("druk ook de plaatjes van de bewaarde supplementen af"));

int contactSheet(const QCommandLineParser& call, CliContext& context)
{
    const QString output = call.positionalArguments().first();
    QStringList files = sheetletFiles(context.folder);
    if (call.isSet(DesignsOption))
        files += designFiles(context.folder);
    if (writesOverInput(output, files, context))
        return CliUsageError;
    const int status = writePdf(
        output, context, [&](PrintSurface& surface, int copies) { return PrintVelletjes(surface, files, copies); });
    if (status == 0)
        context.note(QStringLiteral("%1 velletjes").arg(files.size()));
    return status;
}

const CliRegistration contactSheetCommand({
    .name = QStringLiteral("contact-sheet"),
    .usage = {QStringLiteral("UIT.pdf [--with-designs]")},
    .summary = QStringLiteral("druk alle velletjes uit de map Images af als PDF"),
    .options = {DesignsOption},
    .minArguments = 1,
    .maxArguments = 1,
    .notes = PdfNotes,
    .run = contactSheet,
});

int list(const QCommandLineParser& call, CliContext& context)
{
    const QString output = call.positionalArguments().first();
    if (writesOverInput(output, {context.folder.path(QString::fromLatin1(CatalogueRecords::Path))}, context))
        return CliUsageError;
    const QList<CatalogueEntry> records = readCatalogueEntries(context.folder);
    const Marks marks = CollectionModel(context.folder).marks();
    const int status = writePdf(output, context, [&](PrintSurface& surface, int copies) {
        return PrintLijst(surface, records, copies, marks);
    });
    if (status == 0)
        context.note(QStringLiteral("%1 velletjes in de catalogus").arg(records.size()));
    return status;
}

const CliRegistration listCommand({
    .name = QStringLiteral("list"),
    .usage = {QStringLiteral("UIT.pdf")},
    .summary = QStringLiteral("druk de lijst van de catalogusgegevens af als PDF"),
    .minArguments = 1,
    .maxArguments = 1,
    .notes = PdfNotes + QStringLiteral("Met merktekens in de verzameling krijgt de lijst de kolom \"In bezit\".\n"),
    .run = list,
});

int wantListCommand(const QCommandLineParser& call, CliContext& context)
{
    const QString output = call.positionalArguments().first();
    if (writesOverInput(output, {context.folder.path(QString::fromLatin1(CatalogueRecords::Path))}, context))
        return CliUsageError;
    const QList<CatalogueEntry> wanted =
        wantList(readCatalogueEntries(context.folder), CollectionModel(context.folder).marks());
    const int status = writePdf(
        output, context, [&](PrintSurface& surface, int copies) { return PrintWantList(surface, wanted, copies); });
    if (status == 0)
        context.note(QStringLiteral("%1 velletjes nog te verzamelen").arg(wanted.size()));
    return status;
}

const CliRegistration wantListRegistration({
    .name = QStringLiteral("want-list"),
    .usage = {QStringLiteral("UIT.pdf")},
    .summary = QStringLiteral("druk de velletjes die nog niet in bezit zijn af als PDF, met hun totale prijs"),
    .minArguments = 1,
    .maxArguments = 1,
    .notes = PdfNotes,
    .run = wantListCommand,
});

} // namespace
