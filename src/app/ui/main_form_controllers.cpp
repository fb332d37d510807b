// The main window hands each menu, and the mouse of the canvas, to a
// controller of its subsystem; this is the one place they are created and
// joined. Each gets what it uses: the model or the state, the program folder,
// the interaction seam, the status line, its menu entries and its controls.
// No controller holds another: where one hands work on, it announces it, and
// the connection is made here.

#include "app/ui/main_form.h"

#include "app/ui/help_menu.h"
#include "canvas/ui/canvas_tools.h"
#include "canvas/ui/line_width.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/text_panel.h"
#include "canvas/ui/tool_row.h"
#include "canvas/ui/zoom_view.h"
#include "canvas/ui/zoom_window.h"
#include "collection/ui/collection_commands.h"
#include "config/ui/config_menu.h"
#include "documents/supplement_model.h"
#include "documents/ui/page_preview.h"
#include "documents/ui/supplement_commands.h"
#include "filters/ui/filter_menu.h"
#include "geography/ui/geography_menu.h"
#include "perforation/ui/opmaak_menu.h"
#include "perforation/ui/photo_menu.h"
#include "printing/ui/print_controller.h"
#include "widgets/status_line.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void Main::createControllers()
{
    const MainMenus& m = m_menus;
    CanvasDocument& canvas = m_model.canvas();
    const StatusLine status(m_infoLabel);

    auto* photos = m_photoMenu = new PhotoMenu(canvas, m_state, m_interaction, status, m, this);
    auto* tools = new CanvasTools(canvas, m_state, status, *m_picEdit, *m_coorLabel, m, this);
    connect(tools, &CanvasTools::photoRectangleChosen, photos, &PhotoMenu::FotoLaden);
    connect(tools, &CanvasTools::textPlacementClicked, m_textPanel, &TextPanel::place);
    connect(tools, &CanvasTools::pointerMoved, m_textPanel, &TextPanel::movePreview);
    connect(tools, &CanvasTools::drawingButtonsSwitched, m_toolRow, &ToolRow::setButtonsEnabled);
    connect(tools, &CanvasTools::drawingButtonsSwitched, m_lineWidth, &LineWidth::setSliderEnabled);
    connect(tools, &CanvasTools::drawingButtonsSwitched, m_textPanel, &TextPanel::setButtonsEnabled);
    connect(m_textPanel, &TextPanel::backgroundRequested, photos, &PhotoMenu::placeBackground);
    // The enlargement draws with the same tools, so the same pixels and the same undo steps.
    auto* zoom = new ZoomWindow(canvas, this);
    connect(m.EditVergroting, &QAction::triggered, zoom, &QWidget::show);
    connect(m.EditZoomIn, &QAction::triggered, zoom, &ZoomWindow::zoomIn);
    connect(m.EditZoomOut, &QAction::triggered, zoom, &ZoomWindow::zoomOut);
    connect(zoom->view(), &ZoomView::mousePressed, tools, &CanvasTools::PicEdit_MouseDown);
    connect(zoom->view(), &ZoomView::mouseMoved, tools, &CanvasTools::PicEdit_MouseMove);
    connect(zoom->view(), &ZoomView::mouseReleased, tools, &CanvasTools::PicEdit_MouseUp);
    tools->addView(zoom->view());

    new HelpMenu(m_model, m_folder, status, m, *m_canvasFrame, this);
    new ConfigMenu(m_state, m_interaction, m.ConfiguratieInstellingen, this);
    m_supplementCommands = new SupplementCommands(m_model, m_state, m_folder, m_interaction, m_recent, m_collection, m,
                                                  *m_openKnop, *m_pic, this);
    new CollectionCommands(m_collection, m_folder, m_interaction, m, this);
    connect(m_supplementCommands, &SupplementCommands::backgroundFileGiven, photos, &PhotoMenu::placeBackgroundFile);
    auto* filters = new FilterMenu(canvas, m_state, m_folder, m, *m_progBar, this);
    // The bar follows Voortgang from then until it reaches 100.
    connect(filters, &FilterMenu::barStarted, m_barTimer, qOverload<>(&QTimer::start));
    new GeographyMenu(m_folder, m_interaction, m.ToolsGeografie, m.GeografieStedenlijst, this);
    auto* layout = new OpmaakMenu(canvas, m_state, m_folder, m, this);
    connect(layout, &OpmaakMenu::framesMade, photos, &PhotoMenu::setFrameLayout);
    new PrintController(m_model, m_collection, m_folder, m_interaction, m.FilePrint, m.FileSetupPrinter, m.FileSavePdf,
                        this);
}
