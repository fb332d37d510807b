#pragma once

// The main window: the album page preview on the left, the editing area with
// the canvas, tools and text panel on the right, the status line and the
// catalogue panel below it, and the menus that lead to every other window.
// Layout in main_form_layout.cpp, menus in main_form_menus.cpp.

#include "app/program_folder.h"
#include "app/ui/main_controls.h"
#include "app/ui/main_menus.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

struct ApplicationState;
class Interaction;
class SupplementCommands;
class SupplementModel;
class PicEdit;
class QAction;
class QMenu;
class QMenuBar;
class QTimer;

class Main : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize ClientSize{957, 574};

    Main(ApplicationState& state, SupplementModel& model, ProgramFolder folder, Interaction& interaction,
         QWidget* parent = nullptr);
    ~Main() override;

    ApplicationState& state() { return m_state; }
    SupplementModel& model() { return m_model; }
    const ProgramFolder& folder() const { return m_folder; }
    Interaction& interaction() { return m_interaction; }
    PicEdit* picEdit() const { return m_controls.PicEdit; }
    const MainMenus& menus() const { return m_menus; }
    const MainControls& controls() const { return m_controls; }

    // Shared routines of the main window.
    void ToonInfo(const QString& text, int warning);
    void ZetVensterKleur(int r, int g, int b);
    void ZetSupplementKleur(int r, int g, int b);
    // The panel and page colours of the state on the window.
    void showColours();

    QString settingsPath() const;
    // The width in pixels of the progress bar's blue box (100 percent is 240 pixels).
    int barWidth() const { return m_barWidth; }

public Q_SLOTS:
    void FileExit_Click();
    void KlokTimer_Timer();
    void BarTimer_Timer();
    // Filters set Voortgang while they run; the bar follows it until it reaches 100.
    void startBarTimer();
    void ConvertKnop_Click();
    // What may be chosen now: nothing that changes the canvas while a command runs on it.
    void updateActions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // main_form.cpp
    void Form_Load();
    bool Form_Unload();   // true keeps the window open (the cancel flag)
    void paintBar();
    void showCatalogue();

    // main_form_layout.cpp
    void createPageArea();
    void createEditingArea();
    void createToolRow(QWidget* area);
    void createProgressArea(QWidget* area);
    void createColourSwatches(QWidget* area);
    void createTextPanel(QWidget* area);
    void createDirectionPad(QWidget* panel);
    void createStatusLine();
    void createCataloguePanel();
    QString startupHelpText() const;

    // main_form_menus.cpp
    void createMenus();
    void createFileMenu(QMenuBar* bar);
    void createEditMenu(QMenuBar* bar);
    void createFormatMenu(QMenuBar* bar);
    QAction* addAction(QMenu* menu, const QString& objectName, const QString& caption);
    void connectSignals();

    // main_form_controllers.cpp: the controllers that own the other menus and areas.
    void createControllers();
    void showTextPanel(bool open);

    ApplicationState& m_state;
    SupplementModel& m_model;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    MainMenus m_menus;

    MainControls m_controls;
    SupplementCommands* m_supplementCommands = nullptr; // asks before the program ends

    QTimer* m_clockTimer = nullptr;
    QTimer* m_barTimer = nullptr;
    int m_barWidth = 0;

};
