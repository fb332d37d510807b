// The main window hands each menu and area beyond its own frame to a
// controller of that subsystem; this is the one place they are created.
// Each controller is a child of the window and connects itself to the
// controls and menu entries it owns.

#include "app/ui/main_form.h"

#include "app/ui/help_menu.h"
#include "canvas/ui/canvas_tools.h"
#include "config/ui/config_menu.h"
#include "documents/ui/supplement_commands.h"
#include "filters/ui/filter_menu.h"
#include "geography/ui/geography_menu.h"
#include "perforation/ui/opmaak_menu.h"
#include "printing/ui/print_controller.h"

#include <QPushButton>

void Main::createControllers()
{
    new CanvasTools(*this);
    new HelpMenu(*this);
    new ConfigMenu(*this);
    SupplementControls supplement;
    supplement.FileNew = m_menus.FileNew;
    supplement.FileOpen = m_menus.FileOpen;
    supplement.FileSave = m_menus.FileSave;
    supplement.FileSaveAs = m_menus.FileSaveAs;
    supplement.BerekenTotaal = m_menus.BerekenTotaal;
    supplement.OpenKnop = m_controls.OpenKnop;
    supplement.Pic = m_controls.Pic;
    new SupplementCommands(m_model, m_state, m_folder, m_interaction, supplement, this);
    new FilterMenu(*this);
    new GeographyMenu(*this);
    new OpmaakMenu(*this);
    new PrintController(*this);
}
