#pragma once

// The mouse and the keys on a floating placement. A press on it takes it (a
// corner's handle resizes a picture), a press beside it fixes it; the arrows
// move it a pixel (with Shift ten), Return or Enter fixes it, Escape lets it
// go. Choosing another tool fixes it too. The status line says all this while
// it floats.

#include "canvas/floating_item.h"
#include "widgets/status_line.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <optional>
#include <vector>

class ApplicationState;
class CanvasDocument;
class QShortcut;
class QWidget;

class FloatingControls : public QObject
{
    Q_OBJECT
public:
    FloatingControls(CanvasDocument& document, ApplicationState& state, StatusLine status, QObject* parent);

    // The keys answer in this view of the canvas while it has the focus; a placement that starts to float takes
    // the focus to the view in the active window.
    void addView(QWidget* view);

    // The mouse of a view, in canvas pixels; true when the placement took the event, so no tool sees it. While
    // a text waits to be placed, the mouse belongs to the text panel.
    bool press(QPointF at);
    bool move(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at);
    bool release();

private:
    void moveBy(QPoint step);
    void floatingChanged(bool floating);
    void updateKeys();

    struct Drag
    {
        FloatingGrip::Grip grip;
        QRect start;
        QPoint from;
    };

    CanvasDocument& m_document;
    ApplicationState& m_state;
    StatusLine m_status;
    std::optional<Drag> m_drag;
    bool m_pressTaken = false; // from a press to its release, the mouse is the placement's
    std::vector<QPointer<QWidget>> m_views;
    std::vector<QPointer<QShortcut>> m_keys; // a view may go before this object does
};
