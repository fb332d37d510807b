// velinor-cli commands of the collection: what is owned and what is still wanted, and the catalogue with the
// marks as a spreadsheet file, out and in.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "collection/collection_csv.h"
#include "collection/collection_model.h"
#include "collection/collection_totals.h"
#include "documents/catalogue.h"

#include <QFile>

namespace {

const QLocale Dutch(QLocale::Dutch, QLocale::Netherlands);

QString euro(double amount)
{
    return QStringLiteral("€ ") + amountText(amount, Dutch);
}

int collection(const QCommandLineParser&, CliContext& context)
{
    const CollectionModel model(context.folder);
    const QList<CatalogueEntry> series = readCatalogueEntries(context.folder);
    const OwnedTotals totals = ownedTotals(series, model.marks());
    context.out << "In bezit (" << totals.owned << " van " << totals.series << "):\n";
    for (const CatalogueEntry& entry : series) {
        const Mark mark = model.mark(entry.key);
        if (!mark.isOwned())
            continue;
        context.out << "  " << entry.key << "  " << MarksFile::ownershipWord(mark.owned) << "  "
                    << std::max(mark.count, 1) << "x";
        if (mark.paidCents)
            context.out << "  betaald € " << MarksFile::centsText(*mark.paidCents);
        if (!mark.note.isEmpty())
            context.out << "  " << mark.note;
        context.out << '\n';
    }
    const QList<CatalogueEntry> wanted = wantList(series, model.marks());
    context.out << "Nog te verzamelen (" << wanted.size() << "):\n";
    for (const CatalogueEntry& entry : wanted)
        context.out << "  " << entry.number << "  " << entry.jaartal << "  " << entry.place << "  "
                    << euro(entry.priceAmount) << '\n';
    context.out << "Totaal nog te verzamelen: " << euro(wantListTotal(wanted)) << '\n'
                << ownedTotalsText(totals, Dutch) << '\n';
    if (const QString damage = model.damageText(); !damage.isEmpty())
        context.note(damage);
    return 0;
}

const CliRegistration collectionCommand({
    .name = QStringLiteral("collection"),
    .summary = QStringLiteral("toon welke velletjes in bezit zijn en welke nog ontbreken, met de totalen"),
    .notes = QStringLiteral("De merktekens staan in Data/Verzameling.txt in de programmamap.\n"),
    .run = collection,
});

int exportCsv(const QCommandLineParser& call, CliContext& context)
{
    const QString target = call.positionalArguments().first();
    // Never over the files it is made from.
    if (writesOverInput(target,
                        {context.folder.path(QString::fromLatin1(CatalogueRecords::Path)),
                         context.folder.path(QString::fromLatin1(MarksFile::Path))},
                        context))
        return CliUsageError;
    const CollectionModel model(context.folder);
    const QByteArray bytes = CollectionCsv::exportCatalogue(readCatalogueEntries(context.folder), model.marks());
    if (target == StandardStream)
        return writeStandardOutput(bytes, context);
    if (const SafeFile::Result written = SafeFile::replace(target, bytes); !written)
        return context.fail(SafeFile::failureText(target, written));
    context.note(QStringLiteral("%1 geschreven.").arg(target));
    return 0;
}

const CliRegistration exportCommand({
    .name = QStringLiteral("export-csv"),
    .usage = {QStringLiteral("UITVOER.csv")},
    .summary = QStringLiteral("schrijf de catalogus met wat in bezit is als spreadsheet (CSV)"),
    .minArguments = 1,
    .maxArguments = 1,
    .notes = QStringLiteral("Puntkomma's tussen de velden, bedragen met een decimale komma, UTF-8: een\n"
                            "spreadsheetprogramma opent het bestand met een dubbelklik. \"-\" is standaarduitvoer.\n"),
    .run = exportCsv,
});

const QCommandLineOption DryRunOption(QStringLiteral("dry-run"),
                                      QStringLiteral("toon alleen wat er zou veranderen; verander niets"));

int importCsv(const QCommandLineParser& call, CliContext& context)
{
    const QString source = call.positionalArguments().first();
    CollectionModel model(context.folder);
    const CollectionCsv::Import import =
        CollectionCsv::importFile(source, readCatalogueEntries(context.folder), model.marks());
    if (!import.error.isEmpty())
        return context.fail(import.error + QStringLiteral(" Er is niets veranderd."));
    context.out << import.summary() << '\n';
    if (call.isSet(DryRunOption)) {
        context.note(QStringLiteral("Proefdraai: er is niets veranderd."));
        return 0;
    }
    if (const SafeFile::Result written = model.replaceAll(import.marks); !written)
        return context.fail(SafeFile::failureText(QString::fromLatin1(MarksFile::Path), written));
    if (QFile::exists(context.folder.path(QString::fromLatin1(CollectionModel::BackupPath))))
        context.note(
            QStringLiteral("De vorige merktekens staan in %1.").arg(QString::fromLatin1(CollectionModel::BackupPath)));
    return 0;
}

const CliRegistration importCommand({
    .name = QStringLiteral("import-csv"),
    .usage = {QStringLiteral("INVOER.csv [--dry-run]")},
    .summary = QStringLiteral("neem de merktekens over uit een spreadsheet (CSV) zoals export-csv die schrijft"),
    .options = {DryRunOption},
    .minArguments = 1,
    .maxArguments = 1,
    .notes = QStringLiteral(
        "Rijen worden herkend aan de kolom \"Sleutel\"; de kolommen \"In bezit\", \"Aantal\",\n"
        "\"Aankoopprijs\" en \"Notitie\" worden overgenomen waar het bestand ze heeft. Een fout in\n"
        "het bestand noemt de regel en verandert niets (afsluitcode 1).\n"),
    .run = importCsv,
});

} // namespace
