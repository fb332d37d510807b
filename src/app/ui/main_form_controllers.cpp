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
    TextPanelControls text;
    text.TekstKnop = c.TekstKnop;
    text.Text1 = c.Text1;
    text.ListFonts = c.ListFonts;
    text.ComboSize = c.ComboSize;
    text.Check1 = c.Check1;
    text.CheckBold = c.CheckBold;
    text.CheckItalic = c.CheckItalic;
    text.CheckOnderstreept = c.CheckOnderstreept;
    text.CheckVer = c.CheckVer;
    text.AngleKnop = c.AngleKnop;
    text.AngleLabel = c.AngleLabel;
    text.AngleImg = c.AngleImg;
    text.Line1 = c.Line1;
    text.Line2 = c.Line2;
    text.PlaatsKnop = c.PlaatsKnop;
    text.AchtergrondKnop = c.AchtergrondKnop;
    text.Label19 = c.Label19;
    auto* textPanel = new TextPanel(canvas, m_state, status, text, *photos, this);
    connect(textPanel, &TextPanel::panelToggled, this, &Main::showTextPanel);

    CanvasControls tools;
    tools.PicEdit = c.PicEdit;
    tools.Knop = c.Knop;
    tools.KnopPijl = c.KnopPijl;
    tools.Slider1 = c.Slider1;
    tools.Label12 = c.Label12;
    tools.CoorLabel = c.CoorLabel;
    tools.TekenLabel = c.TekenLabel;
    tools.VulLabel = c.VulLabel;
    tools.EditKnoppen = m.EditKnoppen;
    tools.Bewerken = findChild<QMenu*>(QStringLiteral("Bewerken"));
    new CanvasTools(canvas, m_state, m_interaction, status, tools, *textPanel, *photos, this);

    new HelpMenu(m_model, m_folder, status,
                 {m.HelpHelp, m.HelpGeschiedenis, m.HelpGoogleSearch, m.HelpWikipedia, m.ToolsGoogleMaps, m.HelpInfo,
                  m.HelpMeerSoftware, m.HelpZegora},
                 c.Frame2, this);
    new ConfigMenu(m_state, m_interaction, m.ConfiguratieInstellingen, [this] { showColours(); }, this);

    SupplementControls supplement;
    supplement.FileNew = m.FileNew;
    supplement.FileOpen = m.FileOpen;
    supplement.FileSave = m.FileSave;
    supplement.FileSaveAs = m.FileSaveAs;
    supplement.BerekenTotaal = m.BerekenTotaal;
    supplement.OpenKnop = c.OpenKnop;
    supplement.Pic = c.Pic;
    new SupplementCommands(m_model, m_state, m_folder, m_interaction, supplement, this);

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
}
