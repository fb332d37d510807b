#include "app/colour_settings.h"

#include "app/application_state.h"

#include <cstdlib>

void setColourComponent(ApplicationState& state, ColourArea area, int index, int value)
{
    const bool window = area == ColourArea::Window;
    switch (index) {
    case 1: (window ? state.VensterR : state.SupplementR) = value; break;
    case 2: (window ? state.VensterG : state.SupplementG) = value; break;
    case 3: (window ? state.VensterB : state.SupplementB) = std::uint8_t(value); break;
    default: break;
    }
}

void resetColours(ApplicationState& state)
{
    const ApplicationState defaults;
    state.VensterR = defaults.VensterR;
    state.VensterG = defaults.VensterG;
    state.VensterB = defaults.VensterB;
    state.SupplementR = defaults.SupplementR;
    state.SupplementG = defaults.SupplementG;
    state.SupplementB = defaults.SupplementB;
}

ColourParts colourOf(const ApplicationState& state, ColourArea area)
{
    if (area == ColourArea::Window)
        return {state.VensterR, state.VensterG, state.VensterB};
    return {state.SupplementR, state.SupplementG, state.SupplementB};
}

void applyPickedColour(ApplicationState& state, const ColourParts& pick, bool drawColour)
{
    state.KeuzeR = pick.r;
    state.KeuzeG = pick.g;
    state.KeuzeB = pick.b;
    const int r = std::abs(pick.r - 1), g = std::abs(pick.g - 1), b = std::abs(pick.b - 1);
    if (drawColour) {
        state.TekenR = r, state.TekenG = g, state.TekenB = std::uint8_t(b);
    } else {
        state.VulR = r, state.VulG = g, state.VulB = std::uint8_t(b);
    }
}
