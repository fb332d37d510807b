// A supplement text file read back as "Open Supplement" reads it.

#include "app/application_state.h"
#include "documents/supplement_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    Fuzz::put(QStringLiteral("Supplementen/Fuzz.sup"), data, size);
    const GelezenSupplement gelezen = LeesSupplement(Fuzz::folder(), QStringLiteral("fuzz"));
    if (gelezen.regels.size() > SupplementBestand::MaxRegels)
        __builtin_trap();
    ApplicationState state;
    ZetGelezenSupplement(state, gelezen);
    OmschrijvingTekst(gelezen.regels);
    return 0;
}
