#pragma once

// The entries of the main window's menu bar, under the names the handlers use.
// Arrays are indexed by the entry's index; unused indexes stay empty. The
// main window makes them; each controller connects the entries it answers to.

#include <array>

class QAction;
class QMenu;

struct MainMenus
{
    // File
    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileSave = nullptr;
    QMenu* FileRecent = nullptr;   // the supplements last opened or saved
    QAction* FileFolder = nullptr; // the supplements folder in the file manager
    QMenu* FileSaveAls = nullptr;
    std::array<QAction*, 3> FileSaveAs{};    // 1 Bmp, 2 Jpg
    std::array<QAction*, 5> FileSavePdf{};   // 1 Supplement, 2 Velletjes, 3 Lijst gegevens, 4 Nog te verzamelen
    QAction* FileCollectionExport = nullptr; // the catalogue with the collection's marks as a spreadsheet
    QAction* FileCollectionImport = nullptr; // marks from a spreadsheet
    QAction* FilePrint = nullptr;
    QAction* FileSetupPrinter = nullptr;
    QAction* FileExit = nullptr;

    // Geografie
    QAction* ToolsGeografie = nullptr;
    QAction* ToolsGoogleMaps = nullptr;
    QAction* GeografieStedenlijst = nullptr;

    // Bewerken
    QMenu* Bewerken = nullptr; // the undo entries are added at its end
    QAction* EditKnoppen = nullptr;
    QAction* EditKopieren = nullptr;   // the canvas picture to the clipboard
    QAction* EditPlakken = nullptr;    // a picture from the clipboard as the background
    QAction* EditVergroting = nullptr; // the enlarged canvas in a window of its own
    QAction* EditZoomIn = nullptr;
    QAction* EditZoomOut = nullptr;
    // The page's fields and description, as the supplement model numbers them (Plaatsnaam first).
    std::array<QAction*, 5> EditVeld{};
    QMenu* EditBewerken = nullptr;
    std::array<QAction*, 18> EditConvert{};        // 5 and 8 are submenus
    std::array<QAction*, 3> EditContrastConvert{}; // 1 Positive, 2 Negative
    std::array<QAction*, 6> EditSwap{};            // 1..5
    std::array<QAction*, 4> EditFlipConvert{};     // 0..3
    std::array<QAction*, 11> EditBordersBreedte{}; // 1, 2, 5, 10

    // Opmaak
    QMenu* Perforaties = nullptr;
    std::array<QAction*, 3> PerforatieKleurVel{};
    std::array<QAction*, 3> PerforatieVelFotos{};
    std::array<QAction*, 3> PerforatieKleurBlok{};
    std::array<QAction*, 3> PerforatieBlokFotos{};
    std::array<QAction*, 4> PerforatieBarcode{}; // 1..3
    std::array<QAction*, 3> OpmaakFotoPassen{};  // how photos go into their targets, in PhotoFit's order

    // Kleuren, Berekeningen
    QAction* ConfiguratieInstellingen = nullptr;
    std::array<QAction*, 4> BerekenTotaal{}; // 1, 2, and 3 the collection's owned totals

    // Help
    QAction* HelpHelp = nullptr;
    QAction* HelpGeschiedenis = nullptr;
    QAction* HelpZegora = nullptr;
    QAction* HelpMeerSoftware = nullptr;
    QAction* HelpInfo = nullptr;
    QAction* HelpGoogleSearch = nullptr;
    QAction* HelpWikipedia = nullptr;

    QMenu* TussenLas = nullptr;
    QMenu* Bestandsnaam = nullptr;
};
