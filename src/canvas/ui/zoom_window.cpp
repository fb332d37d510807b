#include "canvas/ui/zoom_window.h"

#include "canvas/ui/zoom_view.h"
#include "widgets/scroll_bar_names.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

ZoomWindow::ZoomWindow(CanvasDocument& document, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Vergroting"));
    setWindowTitle(QStringLiteral(" Vergroting"));
    setModal(false);
    m_view = new ZoomView(document, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAccessibleName(QStringLiteral("Vergroting"));
    nameScrollBars(*m_scroll);
    m_factors = new QComboBox(this);
    m_factors->setObjectName(QStringLiteral("Factor"));
    m_factors->setAccessibleName(QStringLiteral("Vergroting in procenten"));
    for (int factor = ZoomView::MinimumFactor; factor <= ZoomView::MaximumFactor; ++factor)
        m_factors->addItem(QStringLiteral("%1 %").arg(factor * 100), factor);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("Positie"));
    m_position->setAccessibleName(QStringLiteral("Positie op het tekenvlak"));
    m_position->setMinimumWidth(m_position->fontMetrics().horizontalAdvance(QStringLiteral("X = 500, Y = 260")));

    auto* bar = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Vergroting:"), this);
    caption->setBuddy(m_factors);
    bar->addWidget(caption);
    bar->addWidget(m_factors);
    bar->addStretch();
    bar->addWidget(m_position);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);
    resize(720, 480);

    connect(m_factors, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_view->setFactor(m_factors->itemData(index).toInt()); });
    connect(m_view, &ZoomView::factorChanged, this,
            [this](int factor) { m_factors->setCurrentIndex(m_factors->findData(factor)); });
    connect(m_view, &ZoomView::mouseMoved, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF at) {
        m_position->setText(QStringLiteral("X = %1, Y = %2").arg(at.x()).arg(at.y()));
    });
    m_factors->setCurrentIndex(m_factors->findData(4)); // 400 %: the pixels and their grid at once
}

void ZoomWindow::zoomIn()
{
    zoomBy(1);
}

void ZoomWindow::zoomOut()
{
    zoomBy(-1);
}

void ZoomWindow::zoomBy(int step)
{
    // The first press opens the window as it was; later ones change the enlargement.
    if (isVisible())
        m_view->setFactor(m_view->factor() + step);
    show();
    raise();
    activateWindow();
}
