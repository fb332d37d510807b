#pragma once

// The perforation and barcode entries of the "Opmaak" menu.

#include "app/program_folder.h"
#include "perforation/photo_frames.h"

#include <QObject>

class ApplicationState;
class CanvasDocument;
struct MainMenus;

class OpmaakMenu : public QObject
{
    Q_OBJECT
public:
    // After a perforation the canvas draws with the state's line width again.
    OpmaakMenu(CanvasDocument& canvas, const ApplicationState& state, ProgramFolder folder, const MainMenus& menus,
               QObject* parent);

    // Seconds between the holes of Perfin.cor, so that they appear one after the other.
    void setHolePause(float seconds) { m_holePause = seconds; }

public Q_SLOTS:
    void PerforatieKleurVel_Click(int index);
    void PerforatieKleurBlok_Click(int index);
    void PerforatieBarcode_Click(int index);

Q_SIGNALS:
    // The canvas has the five stamp frames of this layout now.
    void framesMade(PhotoLayout layout);

private:
    void perforate(int index, bool block);

    CanvasDocument& m_canvas;
    const ApplicationState& m_state;
    ProgramFolder m_folder;
    float m_holePause = 0.001f;
};
