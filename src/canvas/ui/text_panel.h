#pragma once

// The text panel of the main window: opening and closing it, the direction
// buttons, arming a placement with the floating preview Label19, and placing
// horizontal or rotated text (with an optional halo) on the canvas.

#include "canvas/canvas_surface.h"

#include <QObject>

#include <array>
#include <optional>

class Main;
class PhotoMenu;

class TextPanel : public QObject
{
    Q_OBJECT
public:
    static constexpr int ClosedHeight = 437;
    static constexpr int OpenHeight = 535;
    // TekstHoek of direction button 0..8, in tenths of a degree counter-clockwise.
    static constexpr std::array<int, 9> Richtingen{1350, 900, 450, 1800, 0, 0, 2250, 2700, 3150};

    TextPanel(Main& main, PhotoMenu& photos);

    bool isOpen() const;
    // Horizontal text Cs with its top-left corner at (cX, cY), with the panel's font and halo;
    // false when the size box holds no number (nothing is drawn then).
    bool MaakTekst(double cX, int cY, const QString& Cs);
    // The placement branch of the canvas mouse-up: the armed text goes on the canvas.
    void place(Qt::MouseButton button, QPointF at);

Q_SIGNALS:
    // The panel opened (no drawing tool answers while it is open) or closed (no tool is selected).
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

    Main& m_main;
    PhotoMenu& m_photos;
    double m_lastSize = 16;
};
