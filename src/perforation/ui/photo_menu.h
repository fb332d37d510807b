#pragma once

// Photo placement from the main window: FotoLaden for the photo rectangle and
// the background button, and the "Foto's Invoegen" entries of the sheetlet
// and collector's block menus. Each placed photo is one undo step.

#include "perforation/photo_frames.h"

#include <QObject>
#include <QString>

#include <optional>

class Main;

class PhotoMenu : public QObject
{
    Q_OBJECT
public:
    static const QString FotoFilter;
    static const QString FramePhotoFilter;

    explicit PhotoMenu(Main& main);

    // Asks for a picture and stretches it into (x1, y1)-(x2, y2); afterwards no tool is selected.
    void FotoLaden(double x1, double y1, double x2, double y2);

Q_SIGNALS:
    // A photo was stretched into a rectangle; afterwards no tool is selected.
    void photoPlaced();

public Q_SLOTS:
    void PerforatieVelFotos_Click(int index);
    void PerforatieBlokFotos_Click(int index);

private:
    // The file dialog, the reading and the loaded-picture state; empty when cancelled or unreadable.
    std::optional<QImage> askPicture(const QString& filter);
    void placeInFrames(PhotoLayout layout, int index);

    Main& m_main;
};
