#include "app/colour_settings.h"

#include "app/application_state.h"

#include <cstdlib>

void setColourComponent(ApplicationState& state, ColourArea area, int index, int value)
{
    if (index < 1 || index > 3)
        return;
    ColourParts colour = colourOf(state, area);
    (index == 1 ? colour.r : index == 2 ? colour.g : colour.b) = value;
    if (area == ColourArea::Window)
        state.setVensterKleur(colour.r, colour.g, colour.b);
    else
        state.setSupplementKleur(colour.r, colour.g, colour.b);
}

void resetColours(ApplicationState& state)
{
    const ApplicationState defaults;
    const ColourParts venster = defaults.VensterKleur(), supplement = defaults.SupplementKleur();
    state.setVensterKleur(venster.r, venster.g, venster.b);
    state.setSupplementKleur(supplement.r, supplement.g, supplement.b);
}

ColourParts colourOf(const ApplicationState& state, ColourArea area)
{
    return area == ColourArea::Window ? state.VensterKleur() : state.SupplementKleur();
}

void applyPickedColour(ApplicationState& state, const ColourParts& pick, bool drawColour)
{
    state.setKeuzeKleur(pick.r, pick.g, pick.b);
    const int r = std::abs(pick.r - 1), g = std::abs(pick.g - 1), b = std::abs(pick.b - 1);
    if (drawColour)
        state.setTekenKleur(r, g, b);
    else
        state.setVulKleur(r, g, b);
}
