// A supplement text file read as the file, as "Open Supplement" opens it into the
// supplement model, and as the album page is printed from a saved supplement.

#include "documents/supplement_file.h"
#include "documents/supplement_model.h"
#include "fuzz_support.h"
#include "printing/supplement_page_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Fuzz::put(QStringLiteral("Supplementen/Fuzz.sup"), data, size);
    SupplementModel model;
    model.openSupplement(Fuzz::folder(), QStringLiteral("fuzz"));
    const SupplementPaginaBestand pagina = LeesSupplementPagina(path);
    // However long the file, no more lines than a supplement holds.
    if (LeesSupplement(Fuzz::folder(), QStringLiteral("fuzz")).regels.size() > SupplementBestand::MaxRegels ||
        model.AantalRegels() > SupplementBestand::MaxRegels ||
        (pagina.pagina && pagina.pagina->regels.size() > SupplementBestand::MaxRegels))
        __builtin_trap();
    return 0;
}
