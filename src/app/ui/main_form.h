#pragma once

// The main window: the album page preview on the left, the editing area with
// the canvas, tools and text panel on the right, the status line and the
// catalogue panel below it, and the menus that lead to every other window. It
// builds the areas and the controllers of the menus and connects them; what
// an area or a menu does is theirs. Layout in main_form_layout.cpp, menus in
// main_form_menus.cpp, controllers in main_form_controllers.cpp.

#include "app/program_folder.h"
#include "widgets/main_menus.h"

#include <QMainWindow>

class ApplicationState;
class CataloguePanel;
class Interaction;
class PagePreview;
class PicEdit;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class SupplementCommands;
class PhotoMenu;
class SupplementModel;
class CollectionModel;
class RecentSupplements;
class LineWidth;
class TextPanel;
class ToolRow;

class Main : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize ClientSize{957, 574};

    // recent: the supplements last opened or saved, which File lists; collection: what the collector owns.
    Main(ApplicationState& state, SupplementModel& model, ProgramFolder folder, Interaction& interaction,
         RecentSupplements& recent, CollectionModel& collection, QWidget* parent = nullptr);
    ~Main() override;

    PicEdit* picEdit() const { return m_picEdit; }
    const MainMenus& menus() const { return m_menus; }

    // Shared routines of the main window.
    void ToonInfo(const QString& text, int warning);
    void ZetVensterKleur(int r, int g, int b);
    void ZetSupplementKleur(int r, int g, int b);

    QString settingsPath() const;

    // A file given to the program (its command line): a supplement, a sheetlet or another picture.
    void openFile(const QString& path);

public Q_SLOTS:
    void FileExit_Click();
    void KlokTimer_Timer();
    void BarTimer_Timer();
    void ConvertKnop_Click();
    // What may be chosen now: nothing that changes, saves or prints the canvas while a command runs on it.
    void updateActions();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A picture file dropped on the canvas becomes its background; a supplement dropped anywhere opens, as
    // does a picture dropped beside the canvas (as on the command line). Dropped picture data goes onto
    // the canvas.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // main_form.cpp
    void Form_Load();
    bool Form_Unload(); // true keeps the window open (the cancel flag)
    void paintBar();
    // The panel and page colours of the state on the window.
    void showColours();

    // main_form_layout.cpp
    void createPageArea();
    void createEditingArea();
    void createProgressArea(QWidget* area);
    void createStatusLine();
    QString startupHelpText() const;
    // The text panel takes the room of the catalogue panel below the editing area.
    void showTextPanel(bool open);

    // main_form_menus.cpp
    void createMenus();
    void createFileMenu(QMenuBar* bar);
    void createEditMenu(QMenuBar* bar);
    void createFormatMenu(QMenuBar* bar);
    QAction* addAction(QMenu* menu, const QString& objectName, const QString& caption);
    void connectSignals();

    // main_form_controllers.cpp: the controllers that own the menus and the editing area's mouse.
    void createControllers();

    ApplicationState& m_state;
    SupplementModel& m_model;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    RecentSupplements& m_recent;
    CollectionModel& m_collection;
    MainMenus m_menus;

    // The areas and the window's own controls.
    QFrame* m_frame1 = nullptr; // the supplement page
    QFrame* m_frame2 = nullptr; // the editing area
    QFrame* m_frame3 = nullptr; // the status line
    CataloguePanel* m_frame4 = nullptr;
    PagePreview* m_pic = nullptr;
    QToolButton* m_convertKnop = nullptr;
    QFrame* m_canvasFrame = nullptr;
    PicEdit* m_picEdit = nullptr;
    ToolRow* m_toolRow = nullptr;
    LineWidth* m_lineWidth = nullptr;
    TextPanel* m_textPanel = nullptr;
    QPushButton* m_openKnop = nullptr;
    QLabel* m_bar = nullptr;
    QProgressBar* m_progBar = nullptr;
    QLabel* m_coorLabel = nullptr;
    QLabel* m_infoLabel = nullptr;
    QLabel* m_klokLabel = nullptr;

    SupplementCommands* m_supplementCommands = nullptr; // asks before the program ends
    PhotoMenu* m_photoMenu = nullptr;                   // places dropped pictures
    QTimer* m_clockTimer = nullptr;
    QTimer* m_barTimer = nullptr;
    int m_barWidth = 0;
};
