// The canvas document's undo history: one step per change or stroke, exact
// pixels back and forth, nothing recorded for no change, a bounded history,
// and a new history on reset.

#include "canvas/canvas_document.h"

#include <QSignalSpy>
#include <QtTest>

class TestCanvasDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changeUndoRedoExactPixels()
    {
        CanvasDocument document;
        QCOMPARE(document.image().size(), QSize(500, 260));
        QCOMPARE(document.image().format(), QImage::Format_RGB32);
        const QImage start = document.image().copy();
        document.change(QStringLiteral("Negatief"), [](QImage& image) { image.invertPixels(); });
        const QImage after = document.image().copy();
        QCOMPARE(after.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(document.undoStack().count(), 1);
        QCOMPARE(document.undoStack().undoText(), QStringLiteral("Negatief"));
        document.undo();
        QCOMPARE(document.image(), start);
        document.redo();
        QCOMPARE(document.image(), after);
    }

    void partialChangeKeepsTheRest()
    {
        CanvasDocument document;
        document.change(QStringLiteral("a"), [](QImage& image) { image.setPixel(10, 10, qRgb(1, 2, 3)); });
        document.change(QStringLiteral("b"), [](QImage& image) {
            image.setPixel(400, 200, qRgb(4, 5, 6));
            image.setPixel(20, 30, qRgb(7, 8, 9));
        });
        document.undo();
        QCOMPARE(document.image().pixel(10, 10), qRgb(1, 2, 3));
        QCOMPARE(document.image().pixel(400, 200), qRgb(255, 255, 255));
        QCOMPARE(document.image().pixel(20, 30), qRgb(255, 255, 255));
        document.undo();
        QCOMPARE(document.image().pixel(10, 10), qRgb(255, 255, 255));
        QVERIFY(!document.undoStack().canUndo());
    }

    void noChangeNoStep()
    {
        CanvasDocument document;
        QSignalSpy changed(&document, &CanvasDocument::changed);
        document.change(QStringLiteral("niets"), [](QImage&) {});
        QCOMPARE(document.undoStack().count(), 0);
        QCOMPARE(changed.count(), 1);
        document.beginStroke(QStringLiteral("klik"));
        document.endStroke();
        QCOMPARE(document.undoStack().count(), 0);
    }

    void strokeIsOneStep()
    {
        CanvasDocument document;
        document.beginStroke(QStringLiteral("Tekenen"));
        for (int x = 0; x < 100; ++x)
            document.surface().pset(QPointF(x, 50), Qt::black);
        QVERIFY(document.inStroke());
        // A command in the middle of a stroke closes the stroke first.
        document.change(QStringLiteral("Foto"), [](QImage& image) { image.setPixel(0, 0, qRgb(9, 9, 9)); });
        QVERIFY(!document.inStroke());
        QCOMPARE(document.undoStack().count(), 2);
        document.undo();
        document.undo();
        QCOMPARE(document.image().pixel(50, 50), qRgb(255, 255, 255));
        document.redo();
        QCOMPARE(document.image().pixel(99, 50), qRgb(0, 0, 0));
        QCOMPARE(document.image().pixel(0, 0), qRgb(255, 255, 255));
    }

    void undoClosesAnOpenStroke()
    {
        CanvasDocument document;
        document.beginStroke(QStringLiteral("Spray"));
        document.surface().pset(QPointF(3, 3), Qt::black);
        document.undo();
        QCOMPARE(document.image().pixel(3, 3), qRgb(255, 255, 255));
        QVERIFY(document.undoStack().canRedo());
    }

    void replaceFitsAndReset()
    {
        CanvasDocument document;
        QImage small(10, 10, QImage::Format_ARGB32);
        small.fill(QColor(0, 0, 255));
        document.replace(QStringLiteral("Open Velletje"), small);
        QCOMPARE(document.image().size(), QSize(500, 260));
        QCOMPARE(document.image().format(), QImage::Format_RGB32);
        QCOMPARE(document.image().pixel(9, 9), qRgb(0, 0, 255));
        QCOMPARE(document.image().pixel(10, 9), qRgb(255, 255, 255));
        // An edit that swaps in a picture of another size still leaves a 500 x 260 canvas.
        document.change(QStringLiteral("x"), [](QImage& image) { image = QImage(3, 3, QImage::Format_Mono); });
        QCOMPARE(document.image().size(), QSize(500, 260));
        document.undo();
        document.undo();
        QCOMPARE(document.image().pixel(0, 0), qRgb(255, 255, 255));

        QImage title(500, 260, QImage::Format_RGB32);
        title.fill(Qt::green);
        document.reset(title);
        QVERIFY(!document.undoStack().canUndo());
        QVERIFY(!document.undoStack().canRedo());
        QCOMPARE(document.image().pixel(0, 0), qRgb(0, 255, 0));
    }

    void historyIsBounded()
    {
        CanvasDocument document;
        for (int i = 0; i < CanvasDocument::UndoLimit + 20; ++i)
            document.change(QStringLiteral("stap"), [i](QImage& image) { image.setPixel(i, 0, qRgb(0, 0, 0)); });
        QCOMPARE(document.undoStack().count(), CanvasDocument::UndoLimit);
        QVERIFY(CanvasDocument::UndoLimit >= 50);
        while (document.undoStack().canUndo())
            document.undo();
        // The oldest twenty steps are gone for good; the rest came undone.
        QCOMPARE(document.image().pixel(19, 0), qRgb(0, 0, 0));
        QCOMPARE(document.image().pixel(20, 0), qRgb(255, 255, 255));
    }

    void directDrawingIsNotLostByUndo()
    {
        CanvasDocument document;
        document.change(QStringLiteral("a"), [](QImage& image) { image.setPixel(1, 1, qRgb(0, 0, 0)); });
        // Drawing straight on the picture, outside any command.
        document.surface().image().setPixel(2, 2, qRgb(0, 0, 255));
        document.undo();
        QCOMPARE(document.undoStack().undoText(), QStringLiteral("a"));
        QCOMPARE(document.image().pixel(2, 2), qRgb(255, 255, 255));
        QCOMPARE(document.image().pixel(1, 1), qRgb(0, 0, 0));
        document.undo();
        QCOMPARE(document.image().pixel(1, 1), qRgb(255, 255, 255));
        document.redo();
        document.redo();
        QCOMPARE(document.image().pixel(2, 2), qRgb(0, 0, 255));
        QCOMPARE(document.undoStack().count(), 2);
    }

    void changeLeavesRestingState()
    {
        CanvasDocument document;
        document.change(QStringLiteral("dik"), [&](QImage&) {
            document.surface().setDrawWidth(5);
            document.surface().setDrawMode(CanvasSurface::DrawMode::Invert);
            document.surface().line(QPointF(0, 0), QPointF(10, 10), Qt::black);
        });
        QCOMPARE(document.surface().drawWidth(), 1);
        QCOMPARE(document.surface().drawMode(), CanvasSurface::DrawMode::CopyPen);
    }
};

QTEST_MAIN(TestCanvasDocument)
#include "test_canvas_document.moc"
