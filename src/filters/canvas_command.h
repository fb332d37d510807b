#pragma once

// The commands of the filter menus ("Tekenfilters", "Contrast", "Swap Colors",
// the flips and "Border") as values: which filter or pass an entry runs and
// with which parameter, and one routine that runs such a command on a picture.

#include "filters/filter_engine.h"

#include <QImage>

#include <optional>

class ProgramFolder;

enum class CanvasPass {
    Filter,      // a filter of the engine, through PasFilterToe
    Sepia,       // grayscale through PasFilterToe, then SepiaKleuren
    Transparant, // TransparantRaster in the draw colour
    FlipHorizontaal,
    FlipVertikaal,
    FlipRechts,
    FlipBoven,
    Border, // parameter = n, the menu index 1, 2, 5 or 10
};

struct CanvasCommand
{
    CanvasPass pass = CanvasPass::Filter;
    FilterKind filter = FilterKind::Grayscale;
    int parameter = 0;

    friend bool operator==(const CanvasCommand&, const CanvasCommand&) = default;
};

// What a command needs beside the picture.
struct CanvasContext
{
    FilterEngine& engine;
    int tekenR = 0, tekenG = 0, tekenB = 0; // the draw colour, for Transparant
    ProgressCallback voortgang;             // progress of the engine's filters (Voortgang)
    ProgressCallback progBar;               // progress of the passes (the progress-bar control)
    const ProgramFolder* folder = nullptr;  // for commands that read data files
};

// The entries of the menu arrays; nothing for an index that runs nothing
// (EditConvert 5 and 8 only open their submenus).
std::optional<CanvasCommand> EditConvertCommand(int index);
std::optional<CanvasCommand> EditContrastConvertCommand(int index);
std::optional<CanvasCommand> EditSwapCommand(int index);
std::optional<CanvasCommand> EditFlipConvertCommand(int index);
std::optional<CanvasCommand> EditBordersBreedteCommand(int index);

// Whether the command runs the engine (and so drives Voortgang), and whether it
// drives the progress-bar control instead.
bool usesEngine(const CanvasCommand& command);
bool usesProgBar(const CanvasCommand& command);

void runCanvasCommand(const CanvasCommand& command, QImage& picture, CanvasContext& context);
