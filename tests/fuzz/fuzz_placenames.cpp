// Data/plaatsnamen.cat read and filtered by every letter of the list window.

#include "fuzz_support.h"
#include "geography/place_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Fuzz::put(PlaceNames::FileName, data, size);
    const QStringList names = PlaceNames::read(path);
    for (const QString& letter : PlaceNames::letters())
        for (const QString& name : PlaceNames::startingWith(names, letter))
            if (name.size() < 2 || !name.startsWith(letter))
                __builtin_trap(); // one-character names and other letters are never listed
    return 0;
}
