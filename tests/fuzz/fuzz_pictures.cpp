// Picture files as the program meets them: measured by the open dialog, read
// as a photo for the frames, as a sheetlet or supplement bitmap (500 x 260
// only, whole and scaled for the open dialog's preview) and for the contact
// sheet. No read may decode more than the picture limits, whatever the header
// claims; scripts/fuzz holds each run to the memory of a user's machine.

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "fuzz_support.h"
#include "perforation/photo_loader.h"
#include "printing/contact_sheet.h"

namespace {

void withinLimits(const QImage& image)
{
    if (qint64(image.width()) * image.height() > PictureFile::MaximumPixels)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using PictureFile::ReadOptions;
    // The same bytes under the extensions the program meets, so each reader gets its turn. The content
    // decides how a photo is read, so one of them is enough there (a metafile is drawn in a process of its own).
    const char* const names[] = {"Images/2008-Gouda.jpg", "Supplementen/Gouda.bmp", "Images/foto.png",
                                 "Images/foto.gif", "Images/foto.wmf"};
    for (const char* name : names) {
        const QString path = Fuzz::put(QString::fromLatin1(name), data, size);
        PictureFile::storedSize(path);
        withinLimits(readSheetlet(path));
        withinLimits(PictureFile::read(path, ReadOptions::exactlyScaled(SheetletSize, QSize(100, 54))).image);
        if (name == names[0])
            withinLimits(PhotoLoader::load(path, QSize(75, 85)).image);
    }
    return 0;
}
