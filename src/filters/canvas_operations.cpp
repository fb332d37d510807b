#include "filters/canvas_operations.h"

#include <algorithm>

std::vector<NamedCanvasOperation>& NamedCanvasOperations()
{
    static std::vector<NamedCanvasOperation> operations;
    return operations;
}

const NamedCanvasOperation* findCanvasOperation(const QString& name)
{
    const auto& operations = NamedCanvasOperations();
    const auto found =
        std::find_if(operations.begin(), operations.end(), [&](const auto& o) { return o.name == name; });
    return found == operations.end() ? nullptr : &*found;
}

CanvasOperationsRegistration::CanvasOperationsRegistration(std::vector<NamedCanvasOperation> operations)
{
    auto& all = NamedCanvasOperations();
    all.insert(all.end(), std::make_move_iterator(operations.begin()), std::make_move_iterator(operations.end()));
}

namespace {

NamedCanvasOperation named(const QString& name, const std::optional<CanvasCommand>& command)
{
    Q_ASSERT(command);
    const CanvasCommand c = *command;
    return {name, c.pass == CanvasPass::Filter,
            [c](QImage& picture, CanvasContext& context) { runCanvasCommand(c, picture, context); }};
}

} // namespace

std::vector<NamedCanvasOperation> filterOperations()
{
    return {
        named(QStringLiteral("grayscale"), EditConvertCommand(0)),
        named(QStringLiteral("negative"), EditConvertCommand(1)),
        named(QStringLiteral("light"), EditConvertCommand(2)),
        named(QStringLiteral("dark"), EditConvertCommand(3)),
        named(QStringLiteral("contrast-positive"), EditContrastConvertCommand(1)),
        named(QStringLiteral("contrast-negative"), EditContrastConvertCommand(2)),
        named(QStringLiteral("swap-brg"), EditSwapCommand(1)),
        named(QStringLiteral("swap-gbr"), EditSwapCommand(2)),
        named(QStringLiteral("swap-rbg"), EditSwapCommand(3)),
        named(QStringLiteral("swap-bgr"), EditSwapCommand(4)),
        named(QStringLiteral("swap-grb"), EditSwapCommand(5)),
        named(QStringLiteral("sharpen"), EditConvertCommand(4)),
        named(QStringLiteral("edge"), EditConvertCommand(14)),
        named(QStringLiteral("blur"), EditConvertCommand(10)),
        named(QStringLiteral("contour"), EditConvertCommand(15)),
        named(QStringLiteral("relief"), EditConvertCommand(7)),
        named(QStringLiteral("pixelize"), EditConvertCommand(6)),
        named(QStringLiteral("defuse"), EditConvertCommand(12)),
        named(QStringLiteral("scattered"), EditConvertCommand(9)),
        named(QStringLiteral("aquarel"), EditConvertCommand(11)),
        named(QStringLiteral("noise"), EditConvertCommand(13)),
        named(QStringLiteral("sepia"), EditConvertCommand(16)),
        named(QStringLiteral("transparant"), EditConvertCommand(17)),
        named(QStringLiteral("flip-horizontal"), EditFlipConvertCommand(0)),
        named(QStringLiteral("flip-vertical"), EditFlipConvertCommand(1)),
        named(QStringLiteral("flip-right"), EditFlipConvertCommand(2)),
        named(QStringLiteral("flip-top"), EditFlipConvertCommand(3)),
        named(QStringLiteral("border-1"), EditBordersBreedteCommand(1)),
        named(QStringLiteral("border-2"), EditBordersBreedteCommand(2)),
        named(QStringLiteral("border-5"), EditBordersBreedteCommand(5)),
        named(QStringLiteral("border-10"), EditBordersBreedteCommand(10)),
    };
}
