// Data/Informatie.cat: the look-up of a key (the input's first line and a fixed
// key), and both totals with their message texts.

#include "documents/catalogue.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    Fuzz::put(QStringLiteral("Data/Informatie.cat"), data, size);
    const ProgramFolder& folder = Fuzz::folder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString firstLine = QString::fromLatin1(bytes.left(bytes.indexOf('\n')));
    LeesInformatie(folder, firstLine.trimmed());
    LeesInformatie(folder, QStringLiteral("2008 Gouda"));
    CatalogusprijsTekst(TotaalCatalogusprijs(folder));
    NominaalTekst(TotaalNominaal(folder));
    return 0;
}
