#pragma once

// The text panel of the main window: opening and closing it, the direction
// buttons, arming a placement with the floating preview Label19, and placing
// horizontal or rotated text (with an optional halo) on the canvas.

#include "app/ui/status_line.h"
#include "canvas/canvas_surface.h"

#include <QObject>

#include <array>
#include <optional>

struct ApplicationState;
class CanvasDocument;
class PhotoMenu;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The panel's controls, the button that opens it and the floating preview over the canvas.
struct TextPanelControls
{
    QToolButton* TekstKnop = nullptr;
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
};

class TextPanel : public QObject
{
    Q_OBJECT
public:
    static constexpr int ClosedHeight = 437;
    static constexpr int OpenHeight = 535;
    // TekstHoek of direction button 0..8, in tenths of a degree counter-clockwise.
    static constexpr std::array<int, 9> Richtingen{1350, 900, 450, 1800, 0, 0, 2250, 2700, 3150};

    TextPanel(CanvasDocument& canvas, ApplicationState& state, StatusLine status, const TextPanelControls& controls,
              PhotoMenu& photos, QObject* parent);

    bool isOpen() const { return m_open; }
    // The buttons that place text and a background answer only while the drawing buttons are on.
    void setButtonsEnabled(bool on);
    // The armed text's preview follows the pointer over the canvas, up and to the left of it.
    void movePreview(QPointF at);
    // Horizontal text Cs with its top-left corner at (cX, cY), with the panel's font and halo;
    // false when the size box holds no number (nothing is drawn then).
    bool MaakTekst(double cX, int cY, const QString& Cs);
    // The placement branch of the canvas mouse-up: the armed text goes on the canvas.
    void place(Qt::MouseButton button, QPointF at);

Q_SIGNALS:
    // The panel opened (no drawing tool answers while it is open) or closed (no tool is selected);
    // the main window makes room for it.
    void panelToggled(bool open);

public Q_SLOTS:
    void TekstKnop_Click();
    void CheckVer_Click();
    void AngleKnop_Click(int index);
    void PlaatsKnop_Click();
    void AchtergrondKnop_Click();

private:
    // The panel's font; empty when the size is not a number (the size box then shows the last good size).
    std::optional<TextFont> panelFont();
    bool drawText(QPointF at, const QString& text, std::optional<int> angleTenths);

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    StatusLine m_status;
    TextPanelControls m_controls;
    PhotoMenu& m_photos;
    double m_lastSize = 16;
    bool m_open = false;
};
