// A supplement text file read as the file, as "Open Supplement" opens it into the
// supplement model, and as the album page is printed from a saved supplement.

#include "documents/supplement_file.h"
#include "documents/supplement_model.h"
#include "fuzz_support.h"
#include "printing/supplement_page_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    const QString path = Fuzz::put(QStringLiteral("Supplementen/Fuzz.sup"), data, size);
    const GelezenSupplement gelezen = LeesSupplement(Fuzz::folder(), QStringLiteral("fuzz"));
    if (gelezen.regels.size() > SupplementBestand::MaxRegels)
        __builtin_trap();
    SupplementModel model;
    model.openSupplement(Fuzz::folder(), QStringLiteral("fuzz"));
    if (model.AantalRegels() > SupplementBestand::MaxRegels)
        __builtin_trap();

    const SupplementPaginaBestand pagina = LeesSupplementPagina(path);
    if (pagina.pagina && pagina.pagina->regels.size() > SupplementBestand::MaxRegels)
        __builtin_trap();
    return 0;
}
