#pragma once

// The canvas picture (500 x 260, Format_RGB32) with its drawing surface and
// its undo history. Every command that changes the picture goes through
// change() (or a stroke for the mouse tools), so each user action becomes one
// undo step whatever subsystem it comes from:
//
//     document.change(QStringLiteral("Negative"), [](QImage& picture) { ... });
//
// Only the rectangle that actually changed is kept, so a small stroke costs
// little; the history holds UndoLimit steps. Drawing done on the surface
// outside these calls is not lost either: it becomes one step of its own
// ("Bewerking") at the next command, stroke, undo or redo. Whatever draws on
// the surface, and every command, tells the views (changed()).
//
// A placement can float over the picture before it becomes part of it
// (floating_item.h): the views show it, it can be moved and resized, and it
// becomes one step of its own name when it is fixed: by the user, or by the
// next command, stroke, undo or redo, which then works on the picture with it.

#include "canvas/canvas_surface.h"
#include "canvas/floating_item.h"

#include <QImage>
#include <QObject>
#include <QUndoStack>

#include <functional>
#include <optional>

class CanvasDocument : public QObject
{
    Q_OBJECT
public:
    static constexpr QSize Size{500, 260};
    static constexpr int UndoLimit = 64;
    static constexpr int FloatingKept = 8;

    explicit CanvasDocument(QObject* parent = nullptr);

    const QImage& image() const { return m_image; }
    // The drawing model over the picture; what is drawn on it shows at once. Inside change() or a
    // stroke it is part of that step.
    CanvasSurface& surface() { return m_surface; }

    // One undoable command: edit changes the picture in place (its size and format
    // must stay). Nothing is recorded when the picture did not change. Leaves the
    // surface in its resting state. Refused (false) while another command runs.
    bool change(const QString& name, const std::function<void(QImage&)>& edit);
    // A command is running: change, reset, undo and redo are refused until it ends.
    bool busy() const { return m_busy; }
    // A new picture, fitted to 500 x 260, that starts a new history: the picture at start-up, an opened
    // sheetlet or supplement, "Nieuw". Undo never reaches back into another document.
    bool reset(const QImage& picture);

    // A mouse stroke: everything drawn on surface() between begin and end is one step.
    void beginStroke(const QString& name);
    void endStroke();
    bool inStroke() const { return m_strokeOpen; }

    QUndoStack& undoStack() { return m_undoStack; }
    const QUndoStack& undoStack() const { return m_undoStack; }
    void undo();
    void redo();

    // The placement floating over the picture: it is fixed first when another is given. Refused (false) while a
    // command runs.
    bool setFloating(FloatingItem item);
    const std::optional<FloatingItem>& floating() const { return m_floating; }
    // Moves or resizes it (at least a pixel wide and high), keeping at least FloatingKept pixels each way (all of a
    // smaller one) on the canvas; nothing while none floats.
    void moveFloating(const QRect& rect);
    // Makes it part of the picture where it lies, as one undo step; false while a command runs.
    bool fixFloating();
    // Lets it go: the picture stays as it was.
    void dropFloating();
    // What the views show: the picture, with the floating placement over it.
    const QImage& shown() const { return m_floating ? m_shown : m_image; }

    // Shows a long command's picture as it stands, between its steps (the holes of a perforation
    // appearing one by one): the command works on the picture itself, not through the surface.
    void refresh() { Q_EMIT changed(); }

    // The picture converted to the canvas format; other sizes are drawn at the top left on white.
    static QImage fitted(const QImage& picture);

Q_SIGNALS:
    void changed();
    void busyChanged(bool busy);
    // A placement started or stopped floating.
    void floatingChanged(bool floating);

private:
    // Pushes the difference between the picture as last recorded and now as one step.
    void record(const QString& name);
    void recordUnrecorded();
    void setBusy(bool busy);
    void compose();

    QImage m_image;
    QImage m_recorded; // the picture as the history last left it
    std::optional<FloatingItem> m_floating;
    QImage m_shown; // the picture with the floating placement drawn over it
    CanvasSurface m_surface;
    QUndoStack m_undoStack;
    QString m_strokeName;
    bool m_strokeOpen = false;
    bool m_busy = false;
};
