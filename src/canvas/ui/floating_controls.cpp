#include "canvas/ui/floating_controls.h"

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "widgets/arrow_steps.h"

#include <QShortcut>
#include <QWidget>

FloatingControls::FloatingControls(CanvasDocument& document, ApplicationState& state, StatusLine status,
                                   QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_state(state)
    , m_status(status)
{
    connect(&m_document, &CanvasDocument::floatingChanged, this, &FloatingControls::floatingChanged);
    connect(&m_state, &ApplicationState::tekstPlaatsenChanged, this, &FloatingControls::updateKeys);
    connect(&m_state, &ApplicationState::gereedschapChanged, this, [this] { m_document.fixFloating(); });
}

void FloatingControls::addView(QWidget* view)
{
    m_views.emplace_back(view);
    const auto key = [this, view](QKeySequence sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, view);
        connect(shortcut, &QShortcut::activated, this, action);
        m_keys.push_back(shortcut);
    };
    for (const auto& [arrow, step] : ArrowSteps) {
        key(QKeySequence(arrow), [this, step = step] { moveBy(step); });
        key(QKeySequence(Qt::SHIFT | arrow), [this, step = step] { moveBy(10 * step); });
    }
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        key(QKeySequence(enter), [this] { m_document.fixFloating(); });
    key(QKeySequence(Qt::Key_Escape), [this] { m_document.dropFloating(); });
    updateKeys();
}

void FloatingControls::updateKeys()
{
    // The keys of a text waiting to be placed are the same, and they come first.
    const bool on = m_document.floating() && !m_state.TekstPlaatsen();
    for (QShortcut* shortcut : m_keys)
        if (shortcut)
            shortcut->setEnabled(on);
}

void FloatingControls::floatingChanged(bool floating)
{
    m_drag.reset();
    updateKeys();
    if (!floating)
        return; // the hint of the tool comes back (CanvasTools)
    // The arrows move it at once, also after Plakken from the menu.
    for (QWidget* view : m_views)
        if (view && view->window()->isActiveWindow() && view->isVisible())
            view->setFocus(Qt::OtherFocusReason);
    const FloatingItem& item = *m_document.floating();
    const QString corners = !item.resizable         ? QString()
                            : item.keepsProportions ? QStringLiteral(", een hoek maakt het groter of kleiner "
                                                                     "(met Shift niet in verhouding)")
                                                    : QStringLiteral(", een hoek maakt het groter of kleiner "
                                                                     "(met Shift in verhouding)");
    m_status.ToonInfo(
        QStringLiteral("Verschuif met de muis of de pijltjestoetsen%1. Enter zet vast, Esc haalt weg.").arg(corners),
        0);
}

bool FloatingControls::press(QPointF at)
{
    if (!m_document.floating() || m_state.TekstPlaatsen())
        return false;
    m_pressTaken = true;
    const FloatingItem& item = *m_document.floating();
    const FloatingGrip::Grip grip = FloatingGrip::gripAt(item.rect, item.resizable, at);
    if (grip == FloatingGrip::Grip::None)
        m_document.fixFloating(); // a press beside it only fixes it, as in any paint program
    else
        m_drag = Drag{grip, item.rect, at.toPoint()};
    return true;
}

bool FloatingControls::move(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at)
{
    if (!m_pressTaken)
        return false;
    if (m_drag && m_document.floating() && (buttons & Qt::LeftButton)) {
        // Shift turns the item's own way of resizing round.
        const bool keep = m_document.floating()->keepsProportions != bool(modifiers & Qt::ShiftModifier);
        m_document.moveFloating(FloatingGrip::dragged(m_drag->start, m_drag->grip, at.toPoint() - m_drag->from, keep));
    }
    return true;
}

bool FloatingControls::release()
{
    const bool taken = std::exchange(m_pressTaken, false);
    m_drag.reset();
    return taken;
}

void FloatingControls::moveBy(QPoint step)
{
    if (const std::optional<FloatingItem>& item = m_document.floating())
        m_document.moveFloating(item->rect.translated(step));
}
