// A supplement text file read back as "Open Supplement" reads it, and as the
// album page is printed from a saved supplement.

#include "app/application_state.h"
#include "documents/supplement_file.h"
#include "fuzz_support.h"
#include "printing/supplement_page_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    const QString path = Fuzz::put(QStringLiteral("Supplementen/Fuzz.sup"), data, size);
    const GelezenSupplement gelezen = LeesSupplement(Fuzz::folder(), QStringLiteral("fuzz"));
    if (gelezen.regels.size() > SupplementBestand::MaxRegels)
        __builtin_trap();
    ApplicationState state;
    ZetGelezenSupplement(state, gelezen);
    OmschrijvingTekst(gelezen.regels);

    const SupplementPaginaBestand pagina = LeesSupplementPagina(path);
    if (pagina.pagina && pagina.pagina->regels.size() > SupplementBestand::MaxRegels)
        __builtin_trap();
    return 0;
}
