// velinor-cli commands of the catalogue: one sheetlet's panel values and the two totals.

#include "cli/cli_command.h"
#include "documents/catalogue.h"

namespace {

const CliRegistration infoCommand({
    QStringLiteral("info"),
    QStringLiteral("SLEUTEL"),
    QStringLiteral("toon de catalogusgegevens van een velletje (bijv. \"2005-Alkmaar\")"),
    [](const QStringList& arguments, CliContext& context) {
        if (arguments.size() != 1) {
            context.err << "Gebruik: velinor-cli info SLEUTEL\n";
            return CliUsageError;
        }
        const CatalogueInfo info = LeesInformatie(context.folder, arguments.first());
        for (int i = 0; i < int(info.Infolab.size()); ++i)
            context.out << i << ": " << info.Infolab[i] << '\n';
        return 0;
    },
});

const CliRegistration totalsCommand({
    QStringLiteral("totals"),
    QString(),
    QStringLiteral("toon de totale catalogusprijs en nominale waarde van de serie"),
    [](const QStringList& arguments, CliContext& context) {
        if (!arguments.isEmpty()) {
            context.err << "Gebruik: velinor-cli totals\n";
            return CliUsageError;
        }
        context.out << cataloguePriceText(TotaalCatalogusprijs(context.folder)) << '\n';
        context.out << nominalText(TotaalNominaal(context.folder)) << '\n';
        return 0;
    },
});

} // namespace
