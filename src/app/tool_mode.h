#pragma once

// The mode byte Gereedschap and its three owners: the drawing tool chosen with
// the tool buttons (1 to 12), the list the open dialog shows (13, 14) and the
// text panel being open (15), and the field the field entry edits (21 to 24).
// The values are the ones the program has always used.

#include <cstdint>

enum class ToolMode : std::uint8_t {
    None = 0,
    Curve = 1,
    Line,
    Rectangle,
    FilledRectangle,
    Ellipse,
    FilledEllipse,
    Fill,
    Spray,
    Eraser,
    ColourPicker,
    Circles,
    PhotoRectangle,
    OpenSheetlet = 13,
    OpenSupplement = 14,
    TextPanel = 15,
    FieldPlaatsnaam = 21,
    FieldCatalogusNr,
    FieldJaartal,
    FieldPaginaNr,
};

inline constexpr int DrawingToolCount = 12;

constexpr bool isDrawingTool(ToolMode mode)
{
    return mode >= ToolMode::Curve && mode <= ToolMode::PhotoRectangle;
}
