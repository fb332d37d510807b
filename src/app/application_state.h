#pragma once

// The application state: the values the windows share while the program runs,
// beside the supplement being designed (documents/supplement_model.h). One
// object, owned by the application and handed around by reference; the members
// carry the names the program's windows have always used for them.

#include "app/tool_mode.h"

#include <QString>

#include <cstdint>

struct ApplicationState
{
    // Colours: red and green are general whole numbers, blue is a byte.
    int TekenR = 0, TekenG = 0;
    std::uint8_t TekenB = 0;
    int VulR = 255, VulG = 255;
    std::uint8_t VulB = 0;
    int VensterR = 190, VensterG = 200;
    std::uint8_t VensterB = 240;
    int SupplementR = 220, SupplementG = 220;
    std::uint8_t SupplementB = 230;

    // The mode byte: the selected tool, the open dialog's list, the text panel, the field entry.
    ToolMode Gereedschap = ToolMode::None;
    bool TekstPlaatsen = false;
    int TekstHoek = 900;
    std::uint8_t GumMaat = 10;
    std::uint8_t CirkelStraal = 10;

    // Drawing state of the canvas tools.
    double StartX = 0, StartY = 0;
    double VorigX = 0, VorigY = 0;

    // Result of the colour chooser.
    int KeuzeR = 0, KeuzeG = 0, KeuzeB = 0;

    // The picture file last loaded for photo placement.
    QString BeeldBestand;
    int BeeldBreedte = 0, BeeldHoogte = 0;

    // Progress of a running filter, 0..100.
    int Voortgang = 0;
};
