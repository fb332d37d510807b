// Picture files as the program meets them: measured by the open dialog, read
// at full size for photo placement and the supplement bitmap, and read scaled
// for the open dialog's preview and the contact sheet. No read may decode more
// than the one picture limit, whatever the header claims.

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "fuzz_support.h"
#include "perforation/photo_loader.h"
#include "printing/contact_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The same bytes under the extensions the program meets, so each reader gets its turn.
    for (const char* name :
         {"Images/2008-Gouda.jpg", "Supplementen/Gouda.bmp", "Images/foto.png", "Images/foto.gif", "Images/foto.wmf"}) {
        const QString path = Fuzz::put(QString::fromLatin1(name), data, size);
        pictureFileSize(path);
        for (const QImage& image : {PhotoLoader::load(path).image, readSheetlet(path),
                                    PictureFile::read(path, PictureFile::ReadOptions::scaledTo(QSize(93, 54))).image})
            if (qint64(image.width()) * image.height() > PictureFile::MaximumPixels)
                __builtin_trap();
    }
    return 0;
}
