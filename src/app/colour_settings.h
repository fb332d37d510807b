#pragma once

// How the colour windows change the application state: the colour
// configuration sets the panel and page colours one component at a time or
// back to their defaults; the colour chooser's pick becomes the draw or fill
// colour one step inside the palette's extremes.

#include "app/colour.h"

class ApplicationState;

enum class ColourArea { Window, Page };

// Component 1, 2 or 3 (red, green, blue) of the panel or page colour; other indexes change nothing.
void setColourComponent(ApplicationState& state, ColourArea area, int index, int value);
void resetColours(ApplicationState& state);
ColourParts colourOf(const ApplicationState& state, ColourArea area);

// The chooser's pick kept one step inside the palette: 0 becomes 1 and 255 becomes 254.
void applyPickedColour(ApplicationState& state, const ColourParts& pick, bool drawColour);
