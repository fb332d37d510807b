// Picture files as the open dialog measures them and as photo placement reads them.

#include "documents/open_list.h"
#include "fuzz_support.h"
#include "perforation/photo_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    // The same bytes under the extensions the program meets, so each reader gets its turn.
    for (const char* name : {"Images/2008-Gouda.jpg", "Images/foto.bmp", "Images/foto.png", "Images/foto.gif",
                             "Images/foto.wmf"}) {
        const QString path = Fuzz::put(QString::fromLatin1(name), data, size);
        AfbeeldingsMaat(path);
        const PhotoFile photo = PhotoLoader::load(path);
        if (photo.ok() && qint64(photo.image.width()) * photo.image.height() * 4 > PhotoLoader::MaximumBytes)
            __builtin_trap();
    }
    return 0;
}
