// The perforation and barcode commands by name for velinor-cli filter: the
// frames and extension holes with the holes of the program folder's
// Data/Perfin.cor (without the pauses of the window), and the three barcodes.

#include "app/program_folder.h"
#include "filters/canvas_operations.h"
#include "perforation/barcode.h"
#include "perforation/perforation.h"

namespace {

NamedCanvasOperation perforation(const QString& name, bool block, std::uint8_t grey)
{
    return {name, false, [block, grey](QImage& picture, CanvasContext& context) {
                if (block)
                    Perfins::PerforeerBlok(picture, grey);
                else
                    Perfins::PerforeerVel(picture, grey);
                if (context.folder)
                    Perfins::PerforeerUitBestand(picture, context.folder->path(QStringLiteral("Data/Perfin.cor")), grey,
                                                 block ? Perfins::PerfinKind::Block : Perfins::PerfinKind::Sheetlet);
            }};
}

NamedCanvasOperation barcode(int index)
{
    return {QStringLiteral("barcode-%1").arg(index), false, [index](QImage& picture, CanvasContext&) {
                Barcode::placeBarcode(picture, static_cast<Barcode::Position>(index));
            }};
}

const CanvasOperationsRegistration perforationOperations({
    perforation(QStringLiteral("perforate-sheet-black"), false, 0),
    perforation(QStringLiteral("perforate-sheet-white"), false, 255),
    perforation(QStringLiteral("perforate-block-black"), true, 0),
    perforation(QStringLiteral("perforate-block-white"), true, 255),
    barcode(1),
    barcode(2),
    barcode(3),
});

} // namespace
