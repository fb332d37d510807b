#pragma once

// The main window: the album page preview on the left, the editing area with
// the canvas, tools and text panel on the right, the status line and the
// catalogue panel below it, and the menus that lead to every other window.
// Layout in main_form_layout.cpp, menus in main_form_menus.cpp.

#include "app/program_folder.h"
#include "app/ui/main_menus.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

struct ApplicationState;
class Interaction;
class DoubleClickLabel;
class PagePreview;
class PicEdit;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

class Main : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize ClientSize{957, 574};

    Main(ApplicationState& state, ProgramFolder folder, Interaction& interaction, QWidget* parent = nullptr);
    ~Main() override;

    ApplicationState& state() { return m_state; }
    const ProgramFolder& folder() const { return m_folder; }
    Interaction& interaction() { return m_interaction; }
    PicEdit* picEdit() const { return m_picEdit; }
    const MainMenus& menus() const { return m_menus; }

    // Shared routines of the main window.
    void ToonInfo(const QString& text, int warning);
    void ZetVensterKleur(int r, int g, int b);
    void ZetSupplementKleur(int r, int g, int b);

    QString settingsPath() const;
    // The width in pixels of the progress bar's blue box (100 percent is 240 pixels).
    int barWidth() const { return m_barWidth; }

public Q_SLOTS:
    void FileExit_Click();
    void KlokTimer_Timer();
    void BarTimer_Timer();
    void ConvertKnop_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // main_form.cpp
    void Form_Load();
    bool Form_Unload();   // true keeps the window open (the cancel flag)
    void paintBar();

    // main_form_layout.cpp
    void createPageArea();
    void createEditingArea();
    void createToolRow(QWidget* area);
    void createTextPanel(QWidget* area);
    void createStatusLine();
    void createCataloguePanel();
    QString startupHelpText() const;

    // main_form_menus.cpp
    void createMenus();
    QAction* addAction(QMenu* menu, const QString& objectName, const QString& caption);
    void connectSignals();

    ApplicationState& m_state;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    MainMenus m_menus;

    // Areas.
    QFrame* m_frame1 = nullptr;   // the supplement page
    QFrame* m_frame2 = nullptr;   // the editing area
    QFrame* m_frame3 = nullptr;   // the status line
    QFrame* m_frame4 = nullptr;   // the catalogue panel
    QWidget* m_frame2Lower = nullptr; // the text panel part of the editing area

    // The page.
    PagePreview* m_pic = nullptr;
    DoubleClickLabel* m_plaatsLabel = nullptr;
    DoubleClickLabel* m_catalogusLabel = nullptr;
    DoubleClickLabel* m_jaartalLabel = nullptr;
    DoubleClickLabel* m_pagLabel = nullptr;
    QLabel* m_picImage = nullptr;
    QPlainTextEdit* m_omschrijfLabel = nullptr;
    QToolButton* m_convertKnop = nullptr;

    // The editing area.
    PicEdit* m_picEdit = nullptr;
    std::array<QToolButton*, 13> m_knop{};   // index 1..12
    QLabel* m_knopPijl = nullptr;
    QLabel* m_bar = nullptr;
    QProgressBar* m_progBar = nullptr;
    QLabel* m_coorLabel = nullptr;
    QScrollBar* m_slider1 = nullptr;
    QLabel* m_label12 = nullptr;
    DoubleClickLabel* m_tekenLabel = nullptr;
    DoubleClickLabel* m_vulLabel = nullptr;
    QPushButton* m_openKnop = nullptr;
    QToolButton* m_tekstKnop = nullptr;

    // The text panel.
    QLineEdit* m_text1 = nullptr;
    QComboBox* m_listFonts = nullptr;
    QComboBox* m_comboSize = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_checkBold = nullptr;
    QCheckBox* m_checkItalic = nullptr;
    QCheckBox* m_checkOnderstreept = nullptr;
    QCheckBox* m_checkVer = nullptr;
    std::array<QToolButton*, 9> m_angleKnop{};
    QLabel* m_angleLabel = nullptr;
    QLabel* m_angleImg = nullptr;
    QFrame* m_line1 = nullptr;
    QFrame* m_line2 = nullptr;
    QPushButton* m_plaatsKnop = nullptr;
    QToolButton* m_achtergrondKnop = nullptr;
    QLabel* m_label19 = nullptr;

    // Status line and catalogue panel.
    QLabel* m_infoLabel = nullptr;
    QLabel* m_klokLabel = nullptr;
    std::array<QLabel*, 9> m_infolab{};

    QTimer* m_klokTimer = nullptr;
    QTimer* m_barTimer = nullptr;
    int m_barWidth = 0;

    std::array<QCheckBox*, 5> panelCheckBoxes() const;
};
