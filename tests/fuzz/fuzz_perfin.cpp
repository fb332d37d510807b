// Data/Perfin.cor read and drawn on a canvas, for a sheetlet and a block.

#include "fuzz_support.h"
#include "perforation/perforation.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Fuzz::put(QStringLiteral("Data/Perfin.cor"), data, size);
    static QImage canvas(500, 260, QImage::Format_RGB32);
    Perfins::PerforeerUitBestand(canvas, path, 0, Perfins::PerfinKind::Sheetlet);
    Perfins::PerforeerUitBestand(canvas, path, 255, Perfins::PerfinKind::Block);
    return 0;
}
