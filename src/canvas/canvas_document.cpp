#include "canvas/canvas_document.h"

#include "canvas/picture_difference.h"

#include <QPainter>
#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace {

void paste(QImage& target, const QImage& part, QPoint at)
{
    for (int y = 0; y < part.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y)), part.width(),
                    reinterpret_cast<QRgb*>(target.scanLine(at.y() + y)) + at.x());
}

// One step of the history: the changed rectangle before and after the command.
class CanvasChangeCommand : public QUndoCommand
{
public:
    CanvasChangeCommand(CanvasDocument& document, QImage& picture, const QString& name, QRect rect,
                        const QImage& before)
        : QUndoCommand(name)
        , m_document(document)
        , m_picture(picture)
        , m_at(rect.topLeft())
        , m_before(before.copy(rect))
        , m_after(picture.copy(rect))
    {}

    void undo() override { restore(m_before); }
    void redo() override { restore(m_after); }

private:
    void restore(const QImage& part)
    {
        paste(m_picture, part, m_at);
        m_document.refresh();
    }

    CanvasDocument& m_document;
    QImage& m_picture;
    QPoint m_at;
    QImage m_before;
    QImage m_after;
};

} // namespace

CanvasDocument::CanvasDocument(QObject* parent)
    : QObject(parent)
    , m_image(Size, QImage::Format_RGB32)
    , m_surface(m_image)
{
    m_image.fill(Qt::white);
    m_recorded = m_image;
    m_undoStack.setUndoLimit(UndoLimit);
    m_surface.setDrawnHandler([this] {
        if (m_floating)
            compose();
        else
            Q_EMIT changed();
    });
}

QImage CanvasDocument::fitted(const QImage& picture)
{
    QImage converted = picture.convertToFormat(QImage::Format_RGB32);
    if (converted.size() == Size)
        return converted;
    QImage sized(Size, QImage::Format_RGB32);
    sized.fill(Qt::white);
    QPainter painter(&sized);
    painter.drawImage(0, 0, converted);
    return sized;
}

bool CanvasDocument::change(const QString& name, const std::function<void(QImage&)>& edit)
{
    // A long command lets events through while it runs; one started meanwhile, or an undo,
    // would be overwritten when the running one writes its result back, so none is accepted.
    if (m_busy)
        return false;
    fixFloating();
    endStroke();
    recordUnrecorded();
    setBusy(true);
    edit(m_image);
    setBusy(false);
    m_surface.resetState();
    if (m_image.size() != Size || m_image.format() != QImage::Format_RGB32)
        m_image = fitted(m_image);
    record(name);
    Q_EMIT changed();
    return true;
}

void CanvasDocument::setBusy(bool busy)
{
    m_busy = busy;
    Q_EMIT busyChanged(busy);
}

bool CanvasDocument::reset(const QImage& picture)
{
    if (m_busy)
        return false;
    m_strokeOpen = false;
    dropFloating();
    m_undoStack.clear();
    m_image = fitted(picture);
    m_recorded = m_image;
    m_surface.resetState();
    Q_EMIT changed();
    return true;
}

void CanvasDocument::beginStroke(const QString& name)
{
    fixFloating();
    endStroke();
    recordUnrecorded();
    m_strokeName = name;
    m_strokeOpen = true;
}

void CanvasDocument::endStroke()
{
    if (!m_strokeOpen)
        return;
    m_strokeOpen = false;
    record(m_strokeName);
}

void CanvasDocument::recordUnrecorded()
{
    if (!m_strokeOpen)
        record(QStringLiteral("Bewerking"));
}

void CanvasDocument::record(const QString& name)
{
    const QRect rect = changedRect(m_recorded, m_image);
    if (!rect.isEmpty())
        m_undoStack.push(new CanvasChangeCommand(*this, m_image, name, rect, m_recorded));
    m_recorded = m_image;
}

void CanvasDocument::undo()
{
    if (m_busy)
        return;
    fixFloating();
    endStroke();
    recordUnrecorded();
    m_undoStack.undo();
    m_recorded = m_image;
}

void CanvasDocument::redo()
{
    if (m_busy)
        return;
    fixFloating();
    endStroke();
    recordUnrecorded();
    m_undoStack.redo();
    m_recorded = m_image;
}

bool CanvasDocument::setFloating(FloatingItem item)
{
    if (m_busy || !fixFloating())
        return false;
    m_floating = std::move(item);
    compose();
    Q_EMIT floatingChanged(true);
    return true;
}

void CanvasDocument::moveFloating(const QRect& rect)
{
    if (!m_floating || rect.width() < 1 || rect.height() < 1)
        return;
    // A part of it stays on the canvas, where the mouse can take it again.
    const int keepX = std::min(rect.width(), FloatingKept), keepY = std::min(rect.height(), FloatingKept);
    const QRect kept(QPoint(std::clamp(rect.x(), keepX - rect.width(), Size.width() - keepX),
                            std::clamp(rect.y(), keepY - rect.height(), Size.height() - keepY)),
                     rect.size());
    if (kept == m_floating->rect)
        return;
    m_floating->rect = kept;
    compose();
}

bool CanvasDocument::fixFloating()
{
    if (!m_floating)
        return true;
    if (m_busy)
        return false;
    const FloatingItem item = *std::exchange(m_floating, std::nullopt);
    change(item.name, [&item](QImage& picture) { item.draw(picture, item.rect); });
    Q_EMIT floatingChanged(false);
    return true;
}

void CanvasDocument::dropFloating()
{
    if (!m_floating)
        return;
    m_floating.reset();
    Q_EMIT changed();
    Q_EMIT floatingChanged(false);
}

void CanvasDocument::compose()
{
    m_shown = m_image.copy();
    m_floating->draw(m_shown, m_floating->rect);
    Q_EMIT changed();
}
