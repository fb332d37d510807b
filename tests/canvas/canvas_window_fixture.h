#pragma once

// The real main window offscreen with a white canvas, and the mouse on its
// canvas as a user drives it.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "canvas/ui/canvas_tools.h"
#include "canvas/ui/pic_edit.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"

#include <QMouseEvent>
#include <QtTest>

#include <memory>

struct CanvasWindow
{
    TestFolder folder;
    ScriptedInteraction interaction;
    ApplicationState state;
    std::unique_ptr<Main> main;
    PicEdit* canvas = nullptr;
    CanvasTools* tools = nullptr;

    CanvasWindow()
    {
        main = std::make_unique<Main>(state, folder.folder(), interaction);
        canvas = main->picEdit();
        tools = main->findChild<CanvasTools*>(QStringLiteral("CanvasTools"));
        QImage white(500, 260, QImage::Format_RGB32);
        white.fill(Qt::white);
        canvas->setImage(white);
    }

    template <typename T> T* child(const QString& name) const { return main->findChild<T*>(name); }
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

    // The smallest rectangle holding every pixel that differs from the picture given.
    static QRect changed(const QImage& before, const QImage& after)
    {
        QRect r;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    r |= QRect(x, y, 1, 1);
        return r;
    }
};
