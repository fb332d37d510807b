#pragma once

// Photo placement from the main window: FotoLaden for the photo rectangle and
// the background button, and the "Foto's Invoegen" entries of the sheetlet
// and collector's block menus. Each placed photo is one undo step.

#include "perforation/photo_frames.h"
#include "widgets/status_line.h"

#include <QObject>
#include <QString>

#include <optional>

class ApplicationState;
class CanvasDocument;
class Interaction;
struct MainMenus;

class PhotoMenu : public QObject
{
    Q_OBJECT
public:
    static const QString PhotoFileFilter;
    static const QString FramePhotoFilter;

    // window parents the file dialog and this object. The "*.*" menu names the loaded picture.
    PhotoMenu(CanvasDocument& canvas, ApplicationState& state, Interaction& interaction, StatusLine status,
              const MainMenus& menus, QWidget* window);

public Q_SLOTS:
    // Asks for a picture and stretches it into (x1, y1)-(x2, y2); afterwards no tool is selected.
    void FotoLaden(double x1, double y1, double x2, double y2);
    // The background picture over the whole canvas.
    void placeBackground();
    // The same from a picture given by its path (the command line, a drop), without asking.
    void placeBackgroundFile(const QString& path);
    // The same from a picture itself (pasted or dropped), as one undo step of that name; one larger than
    // the file readers take is refused with their message.
    void placeBackgroundPicture(const QImage& picture, const QString& stepName);
    // Bewerken › "Kopiëren": the canvas picture to the clipboard.
    void copyCanvas();
    // Bewerken › "Plakken": a picture from the clipboard as the background.
    void pasteBackground();
    void PerforatieVelFotos_Click(int index);
    void PerforatieBlokFotos_Click(int index);

private:
    // The file dialog; empty when cancelled.
    QString askPath(const QString& filter);
    // The reading, on a thread of its own while the window answers, and the loaded-picture state; empty when
    // unreadable. The photo is decoded no larger than it must be to cover the target it will be stretched to.
    std::optional<QImage> load(const QString& path, QSize target);
    void placeInFrames(PhotoLayout layout, int index);
    void stretchFile(const QString& path, double x1, double y1, double x2, double y2);

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    Interaction& m_interaction;
    StatusLine m_status;
    QWidget* m_window;
};
