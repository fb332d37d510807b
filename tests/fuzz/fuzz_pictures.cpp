// Picture files as the program meets them: measured by the open dialog, read
// at full size for photo placement and the supplement bitmap, and read scaled
// for the open dialog's preview and the contact sheet. No read may decode more
// than the one picture limit, whatever the header claims.

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "fuzz_support.h"
#include "perforation/photo_loader.h"
#include "printing/contact_sheet.h"

namespace {

void checkWithinLimit(const QImage& image)
{
    if (qint64(image.width()) * image.height() > PictureFile::MaximumPixels)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::startApplication();
    // The same bytes under the extensions the program meets, so each reader gets its turn.
    for (const char* name : {"Images/2008-Gouda.jpg", "Supplementen/Gouda.bmp", "Images/foto.png",
                             "Images/foto.gif", "Images/foto.wmf"}) {
        const QString path = Fuzz::put(QString::fromLatin1(name), data, size);
        AfbeeldingsMaat(path);
        checkWithinLimit(PhotoLoader::load(path).image);
        checkWithinLimit(PictureFile::read(path, PictureFile::ReadOptions::scaledTo(QSize(93, 54))).image);
        checkWithinLimit(LeesVelletje(path));
    }
    return 0;
}
