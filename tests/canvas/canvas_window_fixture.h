#pragma once

// The real main window offscreen with a white canvas, and the mouse on its
// canvas as a user drives it.

#include "canvas/ui/canvas_tools.h"
#include "common/main_window_fixture.h"
#include "common/pixels.h"

#include <QMouseEvent>
#include <QtTest>

struct CanvasWindow : MainWindowFixture
{
    PicEdit* canvas = nullptr;
    CanvasTools* tools = nullptr;

    CanvasWindow()
    {
        canvas = main->picEdit();
        tools = main->findChild<CanvasTools*>(QStringLiteral("CanvasTools"));
        QImage white(500, 260, QImage::Format_RGB32);
        white.fill(Qt::white);
        canvas->setImage(white);
    }

    const QImage& image() const { return canvas->image(); }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(canvas, button, {}, at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(canvas, button, {}, at); }
    // A move with the buttons QTest holds down.
    void drag(QPoint at) { QTest::mouseMove(canvas, at); }
    // A move with no button held.
    void hover(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    }
    void stroke(QPoint from, const QList<QPoint>& moves, Qt::MouseButton button = Qt::LeftButton)
    {
        press(from, button);
        for (QPoint p : moves)
            drag(p);
        release(moves.isEmpty() ? from : moves.last(), button);
    }

};
