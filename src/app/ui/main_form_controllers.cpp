// The main window hands each menu and area beyond its own frame to a
// controller of that subsystem; this is the one place they are created. Each
// gets what it uses: the model or the state, the program folder, the
// interaction seam, the status line, and its own entries and controls.

#include "app/ui/main_form.h"

#include "app/ui/help_menu.h"
#include "canvas/ui/canvas_tools.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/text_panel.h"
#include "config/ui/config_menu.h"
#include "documents/supplement_model.h"
#include "documents/ui/supplement_commands.h"
#include "filters/ui/filter_menu.h"
#include "geography/ui/geography_menu.h"
#include "perforation/ui/opmaak_menu.h"
#include "perforation/ui/photo_menu.h"
#include "printing/ui/print_controller.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

void Main::createControllers()
{
    const MainMenus& m = m_menus;
    const MainControls& c = m_controls;
    CanvasDocument& canvas = m_model.canvas();
    const StatusLine status(c.InfoLabel);

    auto* photos = new PhotoMenu(canvas, m_state, m_interaction, status,
                                 {m.PerforatieVelFotos, m.PerforatieBlokFotos, m.Bestandsnaam}, this);
    const TextPanelControls text{.TekstKnop = c.TekstKnop,
                                 .Text1 = c.Text1,
                                 .ListFonts = c.ListFonts,
                                 .ComboSize = c.ComboSize,
                                 .Check1 = c.Check1,
                                 .CheckBold = c.CheckBold,
                                 .CheckItalic = c.CheckItalic,
                                 .CheckOnderstreept = c.CheckOnderstreept,
                                 .CheckVer = c.CheckVer,
                                 .AngleKnop = c.AngleKnop,
                                 .AngleLabel = c.AngleLabel,
                                 .AngleImg = c.AngleImg,
                                 .Line1 = c.Line1,
                                 .Line2 = c.Line2,
                                 .PlaatsKnop = c.PlaatsKnop,
                                 .AchtergrondKnop = c.AchtergrondKnop,
                                 .Label19 = c.Label19};
    auto* textPanel = new TextPanel(canvas, m_state, status, text, *photos, this);
    connect(textPanel, &TextPanel::panelToggled, this, &Main::showTextPanel);

    const CanvasControls tools{.PicEdit = c.PicEdit,
                               .Knop = c.Knop,
                               .KnopPijl = c.KnopPijl,
                               .Slider1 = c.Slider1,
                               .Label12 = c.Label12,
                               .CoorLabel = c.CoorLabel,
                               .TekenLabel = c.TekenLabel,
                               .VulLabel = c.VulLabel,
                               .EditKnoppen = m.EditKnoppen,
                               .Bewerken = findChild<QMenu*>(QStringLiteral("Bewerken"))};
    auto* canvasTools = new CanvasTools(canvas, m_state, m_interaction, status, tools, *textPanel, *photos, this);

    new HelpMenu(m_model, m_folder, status,
                 {m.HelpHelp, m.HelpGeschiedenis, m.HelpGoogleSearch, m.HelpWikipedia, m.ToolsGoogleMaps, m.HelpInfo,
                  m.HelpMeerSoftware, m.HelpZegora},
                 c.Frame2, this);
    new ConfigMenu(m_state, m_interaction, m.ConfiguratieInstellingen, [this] { showColours(); }, this);

    const SupplementControls supplement{.FileNew = m.FileNew,
                                        .FileOpen = m.FileOpen,
                                        .FileSave = m.FileSave,
                                        .FileSaveAs = m.FileSaveAs,
                                        .BerekenTotaal = m.BerekenTotaal,
                                        .OpenKnop = c.OpenKnop,
                                        .Pic = c.Pic};
    m_supplementCommands = new SupplementCommands(m_model, m_state, m_folder, m_interaction, supplement, this);
    // The open dialog and the field entry take the mode byte; the tool marker and hint follow.
    connect(m_supplementCommands, &SupplementCommands::modeChanged, canvasTools, &CanvasTools::selectTool);

    new FilterMenu(canvas, m_state, m_folder,
                   {m.EditConvert, m.EditContrastConvert, m.EditSwap, m.EditFlipConvert, m.EditBordersBreedte,
                    c.ProgBar},
                   [this] { startBarTimer(); }, this);
    new GeographyMenu(m_folder, m_interaction, m.ToolsGeografie, m.GeografieStedenlijst, this);
    new OpmaakMenu(canvas, m_folder, {m.PerforatieKleurVel, m.PerforatieKleurBlok, m.PerforatieBarcode},
                   [slider = c.Slider1] { return slider->value(); }, this);
    new PrintController(m_model, m_folder, m_interaction, m.FilePrint, m.FileSetupPrinter, m.FileSavePdf, this);
}

// The text panel takes the room of the catalogue panel below the editing area.
void Main::showTextPanel(bool open)
{
    const MainControls& c = m_controls;
    c.Frame2->resize(c.Frame2->width(), open ? TextPanel::OpenHeight : TextPanel::ClosedHeight);
    c.Frame3->move(c.Frame3->x(), open ? 537 : 438);
    c.Frame4->setVisible(!open);
    // Hidden, not only covered: a closed panel's controls take no keys and are not in the Tab chain.
    c.TextPanelArea->setVisible(open);
}
