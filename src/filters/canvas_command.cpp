#include "filters/canvas_command.h"

#include "app/colour.h"
#include "filters/canvas_passes.h"

namespace {

CanvasCommand filter(FilterKind kind, int parameter = 0)
{
    return {CanvasPass::Filter, kind, parameter};
}

CanvasCommand pass(CanvasPass pass, int parameter = 0)
{
    return {pass, FilterKind::Grayscale, parameter};
}

} // namespace

std::optional<CanvasCommand> EditConvertCommand(int index)
{
    switch (index) {
    case 0:
        return filter(FilterKind::Grayscale);
    case 1:
        return filter(FilterKind::Negative);
    case 2:
        return filter(FilterKind::Brightness, 20);
    case 3:
        return filter(FilterKind::Brightness, -20);
    case 4:
        return filter(FilterKind::Sharpen, 5);
    case 6:
        return filter(FilterKind::Pixelize, 3);
    case 7:
        return filter(FilterKind::Relief);
    case 9:
        return filter(FilterKind::Scattered, 15);
    case 10:
        return filter(FilterKind::Blur);
    case 11:
        return filter(FilterKind::Aquarel);
    case 12:
        return filter(FilterKind::Defuse, 6);
    case 13:
        return filter(FilterKind::Noise, 50);
    case 14:
        return filter(FilterKind::Edge, 1);
    case 15:
        return filter(FilterKind::Contour, int(colourValue(255, 255, 255)));
    case 16:
        return pass(CanvasPass::Sepia);
    case 17:
        return pass(CanvasPass::Transparant);
    default:
        return std::nullopt; // 5 "Contrast" and 8 "Swap Colors" are submenus
    }
}

std::optional<CanvasCommand> EditContrastConvertCommand(int index)
{
    switch (index) {
    case 1:
        return filter(FilterKind::Contrast, 10);
    case 2:
        return filter(FilterKind::Contrast, -10);
    default:
        return std::nullopt;
    }
}

std::optional<CanvasCommand> EditSwapCommand(int index)
{
    if (index < 1 || index > 5)
        return std::nullopt;
    return filter(FilterKind::ColourSwap, index);
}

std::optional<CanvasCommand> EditFlipConvertCommand(int index)
{
    switch (index) {
    case 0:
        return pass(CanvasPass::FlipHorizontaal);
    case 1:
        return pass(CanvasPass::FlipVertikaal);
    case 2:
        return pass(CanvasPass::FlipRechts);
    case 3:
        return pass(CanvasPass::FlipBoven);
    default:
        return std::nullopt;
    }
}

std::optional<CanvasCommand> EditBordersBreedteCommand(int index)
{
    switch (index) {
    case 1:
    case 2:
    case 5:
    case 10:
        return pass(CanvasPass::Border, index);
    default:
        return std::nullopt;
    }
}

bool usesEngine(const CanvasCommand& command)
{
    return command.pass == CanvasPass::Filter || command.pass == CanvasPass::Sepia;
}

bool usesProgBar(const CanvasCommand& command)
{
    switch (command.pass) {
    case CanvasPass::Sepia:
    case CanvasPass::Transparant:
    case CanvasPass::FlipRechts:
    case CanvasPass::FlipBoven:
        return true;
    default:
        return false;
    }
}

void runCanvasCommand(const CanvasCommand& command, QImage& picture, CanvasContext& context)
{
    switch (command.pass) {
    case CanvasPass::Filter:
        context.engine.PasFilterToe(command.filter, picture, command.parameter, context.voortgang);
        break;
    case CanvasPass::Sepia:
        context.engine.PasFilterToe(FilterKind::Grayscale, picture, 0, context.voortgang);
        SepiaKleuren(picture, context.progBar);
        break;
    case CanvasPass::Transparant:
        TransparantRaster(picture, context.progBar, context.tekenR, context.tekenG, context.tekenB);
        break;
    case CanvasPass::FlipHorizontaal:
        FlipHorizontaal(picture);
        break;
    case CanvasPass::FlipVertikaal:
        FlipVertikaal(picture);
        break;
    case CanvasPass::FlipRechts:
        FlipRechts(picture, context.progBar);
        break;
    case CanvasPass::FlipBoven:
        FlipBoven(picture, context.progBar);
        break;
    case CanvasPass::Border:
        drawWhiteBorder(picture, command.parameter);
        break;
    }
}
