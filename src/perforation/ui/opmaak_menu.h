#pragma once

// The perforation and barcode entries of the "Opmaak" menu.

#include "app/program_folder.h"

#include <QObject>

#include <array>
#include <functional>

class CanvasDocument;
class QAction;

struct OpmaakControls
{
    std::array<QAction*, 3> PerforatieKleurVel{};  // 1 Zwart, 2 Wit
    std::array<QAction*, 3> PerforatieKleurBlok{}; // 1 Zwart, 2 Wit
    std::array<QAction*, 4> PerforatieBarcode{};   // 1..3
};

class OpmaakMenu : public QObject
{
    Q_OBJECT
public:
    // lineWidth is the width the canvas draws with again after a perforation (the slider's).
    OpmaakMenu(CanvasDocument& canvas, ProgramFolder folder, const OpmaakControls& controls,
               std::function<int()> lineWidth, QObject* parent);

    // Seconds between the holes of Perfin.cor, so that they appear one after the other.
    void setHolePause(float seconds) { m_holePause = seconds; }

public Q_SLOTS:
    void PerforatieKleurVel_Click(int index);
    void PerforatieKleurBlok_Click(int index);
    void PerforatieBarcode_Click(int index);

private:
    void perforate(int index, bool block);

    CanvasDocument& m_canvas;
    ProgramFolder m_folder;
    std::function<int()> m_lineWidth;
    float m_holePause = 0.001f;
};
