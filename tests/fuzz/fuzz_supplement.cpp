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
    const SupplementPageFile page = readSupplementPage(path);
    // However long the file, no more lines than a supplement holds.
    if (LeesSupplement(Fuzz::folder(), QStringLiteral("fuzz")).lines.size() > SupplementFile::MaxLines ||
        model.AantalRegels() > SupplementFile::MaxLines ||
        (page.page && page.page->lines.size() > SupplementFile::MaxLines))
        __builtin_trap();
    return 0;
}
