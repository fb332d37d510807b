#pragma once

// The controls of the main window under the names the handlers use, so that
// the controllers of each menu and area reach them typed. Arrays are indexed
// like the control arrays they stand for.

#include <array>

class DoubleClickLabel;
class PagePreview;
class PicEdit;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QToolButton;
class QWidget;

struct MainControls
{
    // Areas.
    QFrame* Frame1 = nullptr;   // the supplement page
    QFrame* Frame2 = nullptr;   // the editing area
    QFrame* Frame3 = nullptr;   // the status line
    QFrame* Frame4 = nullptr;   // the catalogue panel
    QWidget* TextPanelArea = nullptr; // the text panel part of the editing area, shown when Frame2 grows

    // The page.
    PagePreview* Pic = nullptr;
    DoubleClickLabel* PlaatsLabel = nullptr;
    DoubleClickLabel* CatalogusLabel = nullptr;
    DoubleClickLabel* JaartalLabel = nullptr;
    DoubleClickLabel* PagLabel = nullptr;
    QLabel* PicImage = nullptr;
    QPlainTextEdit* OmschrijfLabel = nullptr;
    QToolButton* ConvertKnop = nullptr;

    // The editing area.
    ::PicEdit* PicEdit = nullptr;
    std::array<QToolButton*, 13> Knop{};   // index 1..12
    QLabel* KnopPijl = nullptr;
    QLabel* Bar = nullptr;
    QProgressBar* ProgBar = nullptr;
    QLabel* CoorLabel = nullptr;
    QScrollBar* Slider1 = nullptr;
    QLabel* Label12 = nullptr;
    DoubleClickLabel* TekenLabel = nullptr;
    DoubleClickLabel* VulLabel = nullptr;
    QPushButton* OpenKnop = nullptr;
    QToolButton* TekstKnop = nullptr;

    // The text panel.
    QLineEdit* Text1 = nullptr;
    QComboBox* ListFonts = nullptr;
    QComboBox* ComboSize = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* CheckBold = nullptr;
    QCheckBox* CheckItalic = nullptr;
    QCheckBox* CheckOnderstreept = nullptr;
    QCheckBox* CheckVer = nullptr;
    std::array<QToolButton*, 9> AngleKnop{};
    QLabel* AngleLabel = nullptr;
    QLabel* AngleImg = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QPushButton* PlaatsKnop = nullptr;
    QToolButton* AchtergrondKnop = nullptr;
    QLabel* Label19 = nullptr;

    // Status line and catalogue panel.
    QLabel* InfoLabel = nullptr;
    QLabel* KlokLabel = nullptr;
    std::array<QLabel*, 9> Infolab{};
};
