// velinor-cli commands of the catalogue: one sheetlet's panel values and the two totals.

#include "cli/cli_command.h"
#include "documents/catalogue.h"

namespace {

const QLocale Dutch(QLocale::Dutch, QLocale::Netherlands);

int info(const QCommandLineParser& call, CliContext& context)
{
    const QString key = call.positionalArguments().first();
    const CatalogueInfo info = LeesInformatie(context.folder, key);
    // The lookup gives the panel's defaults when no record has the key.
    if (info.Infolab == CatalogueInfo().Infolab)
        return context.fail(QStringLiteral("%1 staat niet in de catalogus %2.")
                                .arg(key, context.folder.path(QString::fromLatin1(CatalogueFile::Path))));
    for (int i = 0; i < int(info.Infolab.size()); ++i)
        context.out << i << ": " << info.Infolab[i] << '\n';
    return 0;
}

const CliRegistration infoCommand({
    .name = QStringLiteral("info"),
    .usage = {QStringLiteral("SLEUTEL")},
    .summary = QStringLiteral("toon de catalogusgegevens van een velletje (bijv. \"2005-Alkmaar\")"),
    .minArguments = 1,
    .maxArguments = 1,
    .notes = QStringLiteral("De negen regels zijn de velden van het catalogusvak: 0 catalogusnummer, 1 ontwerp,\n"
                            "2 uitgiftedatum, 3 oplage, 4 nominale waarde, 5 tanding, 6 formaat, 7 catalogusprijs,\n"
                            "8 volgnummer. Een sleutel die niet in de catalogus staat geeft afsluitcode 1.\n"),
    .run = info,
});

const QCommandLineOption CsvOption(QStringLiteral("csv"),
                                   QStringLiteral("schrijf de totalen als CSV (komma's, decimale punt) voor scripts"));

int totals(const QCommandLineParser& call, CliContext& context)
{
    const CatalogueTotal price = TotaalCatalogusprijs(context.folder);
    const CatalogueTotal nominal = TotaalNominaal(context.folder);
    if (call.isSet(CsvOption)) {
        context.out << "totaal,velletjes,euro\n";
        context.out << "catalogusprijs," << price.count << ',' << QString::number(price.total, 'f', 2) << '\n';
        context.out << "nominale waarde," << nominal.count << ',' << QString::number(nominal.total, 'f', 2) << '\n';
        return 0;
    }
    context.out << "Catalogusprijs voor deze " << price.count << " velletjes: € " << amountText(price.total, Dutch)
                << '\n';
    context.out << "Nominale waarde voor de " << nominal.count << " velletjes: € " << amountText(nominal.total, Dutch)
                << '\n';
    return 0;
}

const CliRegistration totalsCommand({
    .name = QStringLiteral("totals"),
    .usage = {QStringLiteral("[--csv]")},
    .summary = QStringLiteral("toon de totale catalogusprijs en nominale waarde van de serie"),
    .options = {CsvOption},
    .notes = QStringLiteral("Bedragen hebben een decimale komma, of met --csv een decimale punt.\n"),
    .run = totals,
});

} // namespace
