#pragma once

// Photo placement from the main window: FotoLaden for the photo rectangle and
// the background button, the "Foto's Invoegen" entries of the sheetlet and
// collector's block menus, pictures dropped on the canvas and the clipboard.
// Each placed photo is one undo step. One in a rectangle of its own, a pasted
// one, and a background that leaves some of the canvas uncovered float over
// the canvas first, where they can still be moved and resized.

#include "perforation/photo_frames.h"
#include "widgets/status_line.h"

#include <QObject>
#include <QString>

#include <optional>
#include <utility>

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
    // Asks for a picture and puts it into (x1, y1)-(x2, y2), where it floats; afterwards no tool is selected. A
    // picture pasted while the photo rectangle was the tool goes there instead, without asking.
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
    // Where a picture goes: a rectangle of its own (it floats), the background (it floats when it leaves some of
    // the canvas uncovered) or a stamp frame (it goes in at once).
    enum class Target { Rectangle, Background, Frame };

    void placeInFrames(PhotoLayout layout, int index);
    // Reads the photo and puts it in; afterwards no tool is selected.
    void stretchFile(const QString& path, QRect target, Target kind);
    // A picture itself (pasted or dropped), as one undo step of that name; one larger than the file readers take
    // is refused with their message.
    void placePicture(const QImage& picture, const QString& stepName, QRect target, Target kind);
    // The picture into the target as the chosen fit says: floating or at once, as the target's kind says.
    void put(const QString& stepName, const QImage& picture, QRect target, Target kind);
    static QRect canvasRect();
    // The frame for a large photo at the canvas point, or else the whole canvas as the background.
    std::pair<QRect, Target> dropTarget(QPoint at) const;

    CanvasDocument& m_canvas;
    ApplicationState& m_state;
    Interaction& m_interaction;
    StatusLine m_status;
    QWidget* m_window;
    std::optional<PhotoLayout> m_frameLayout;
    QImage m_pastedPicture; // pasted while the photo rectangle is the tool, waiting for its rectangle
};
