// Data/Informatie.cat: the look-up of a key (the input's first line and a fixed
// key), both totals with their message texts, and the records of the series
// list laid out on paper.

#include "documents/catalogue.h"
#include "documents/catalogue_records.h"
#include "fuzz_support.h"
#include "printing/catalogue_list.h"
#include "recording_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::put(QStringLiteral("Data/Informatie.cat"), data, size);
    const ProgramFolder& folder = Fuzz::folder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    LeesInformatie(folder, QString::fromLatin1(bytes.left(bytes.indexOf('\n'))).trimmed());
    LeesInformatie(folder, QStringLiteral("2008 Gouda"));
    cataloguePriceText(TotaalCatalogusprijs(folder));
    nominalText(TotaalNominaal(folder));

    const QList<CatalogueEntry> records = readCatalogueEntries(folder);
    if (records.size() > CatalogueRecords::MaxRecords)
        __builtin_trap(); // the list job is bounded whatever the file holds
    RecordingSurface paper;
    PrintLijst(paper, records, 1);
    return 0;
}
