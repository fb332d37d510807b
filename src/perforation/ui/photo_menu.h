#pragma once

// Photo placement from the main window: FotoLaden for the photo rectangle and
// the background button, the "Foto's Invoegen" entries of the sheetlet and
// collector's block menus, pictures dropped on the canvas and the clipboard.
// Each placed photo is one undo step.

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
    // The file dialogs' choices of type: the one the program always offered first, then every readable kind.
    static QString photoFileFilter();
    static QString framePhotoFilter();

    // window parents the file dialog and this object. The "*.*" menu names the loaded picture.
    PhotoMenu(CanvasDocument& canvas, ApplicationState& state, Interaction& interaction, StatusLine status,
              const MainMenus& menus, QWidget* window);

public Q_SLOTS:
    // Asks for a picture and stretches it into (x1, y1)-(x2, y2); afterwards no tool is selected. A picture
    // pasted while the photo rectangle was the tool goes there instead, without asking.
    void FotoLaden(double x1, double y1, double x2, double y2);
    // The background picture over the whole canvas.
    void placeBackground();
    // The same from a picture given by its path (the command line, a drop), without asking.
    void placeBackgroundFile(const QString& path);
    // A picture file or picture dropped on the canvas at a canvas point: into the photo frame there when the
    // canvas has the five frames of a sheetlet or block, else over the whole canvas.
    void dropFile(const QString& path, QPoint at);
    void dropPicture(const QImage& picture, QPoint at);
    // The canvas now has the five frames of this layout (perforated, or photos put in).
    void setFrameLayout(PhotoLayout layout);
    // Bewerken › "Kopiëren": the canvas picture to the clipboard.
    void copyCanvas();
    // Bewerken › "Plakken": a picture from the clipboard as the background, or, while the photo rectangle is
    // the tool, into the rectangle dragged next.
    void paste();
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
    // A picture itself (pasted or dropped) stretched into the target, as one undo step of that name; one
    // larger than the file readers take is refused with their message.
    void placePicture(const QImage& picture, const QString& stepName, QRect target);
    // The frame for a large photo at the canvas point, or the whole canvas when there is none.
    QRect dropTarget(QPoint at) const;

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    Interaction& m_interaction;
    StatusLine m_status;
    QWidget* m_window;
    std::optional<PhotoLayout> m_frameLayout;
    QImage m_pastedPicture; // pasted while the photo rectangle is the tool, waiting for its rectangle
};
