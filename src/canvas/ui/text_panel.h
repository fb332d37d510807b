#pragma once

// The text panel of the editing area: the text, its font, size and style, the
// halo, the direction pad, and the buttons that arm a placement and load a
// background picture; the button that opens and closes the panel; and the
// floating preview over the canvas that follows the pointer while a placement
// is armed. It places horizontal or rotated text (with an optional halo) on
// the canvas, where it floats until it is fixed as one undo step.

#include "canvas/canvas_surface.h"
#include "widgets/status_line.h"

#include <QWidget>

#include <array>
#include <optional>

class ApplicationState;
class CanvasDocument;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TextPanel : public QWidget
{
    Q_OBJECT
public:
    // TekstHoek of direction button 0..8, in tenths of a degree counter-clockwise.
    static constexpr std::array<int, 9> Richtingen{1350, 900, 450, 1800, 0, 0, 2250, 2700, 3150};

    // The panel lies below the editing area's own controls in area, hidden until opened; its opening
    // button stands among those controls; the preview lies over canvas.
    TextPanel(CanvasDocument& document, ApplicationState& state, StatusLine status, QWidget* area, QWidget* canvas);

    // Horizontal text Cs with its top-left corner at (cX, cY), with the panel's font and halo, floating over the
    // canvas; false when the size box holds no number (nothing is drawn then).
    bool MaakTekst(double cX, int cY, const QString& Cs);

Q_SIGNALS:
    // The panel opened (no drawing tool answers while it is open) or closed (no tool is selected).
    void panelToggled(bool open);
    // The background button: a picture over the whole canvas.
    void backgroundRequested();

public Q_SLOTS:
    void TekstKnop_Click();
    void CheckVer_Click();
    void AngleKnop_Click(int index);
    void PlaatsKnop_Click();
    void AchtergrondKnop_Click();
    // The buttons that place text and a background answer only while the drawing buttons are on.
    void setButtonsEnabled(bool on);
    // The armed text's preview follows the pointer over the canvas, up and to the left of it.
    void movePreview(QPointF at);
    // The click on the canvas that places the armed text.
    void place(Qt::MouseButton button, QPointF at);

private:
    void createControls();
    void createDirectionPad();
    // While a text waits to be placed, the keyboard moves it: the arrows a pixel (with Shift ten), Return
    // places it, Escape lets it go.
    void createPlacementKeys(QWidget* canvas);
    void cancelPlacement();
    // The panel's font; empty when the size is not a number (the size box then shows the last good size).
    std::optional<TextFont> panelFont();
    bool drawText(QPointF at, const QString& text, std::optional<int> angleTenths);

    CanvasDocument& m_document;
    ApplicationState& m_state;
    StatusLine m_status;
    double m_lastSize = 16;
    bool m_open = false;
    QPointF m_placeAt{250, 130}; // where the waiting text goes: the pointer's last place on the canvas

    QToolButton* m_tekstKnop = nullptr;
    QLabel* m_label19 = nullptr;
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
};
