#include "canvas/ui/colorkeuze.h"

#include "canvas/palette.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

PaletteView::PaletteView(QWidget* parent)
    : QWidget(parent)
    , m_palette(Palette::build())
{
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Kleurenpalet"));
    setFixedSize(m_palette.size());
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void PaletteView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_palette);
}

void PaletteView::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT pointed(event->position().toPoint());
}

void PaletteView::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(event->position().toPoint());
}

ColorKeuze::ColorKeuze(ColourParts start, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_keuze(start)
{
    setObjectName(QStringLiteral("ColorKeuze"));
    setWindowTitle(QStringLiteral(" Kleurenpalet"));
    setFixedSize(106, 214);

    m_knopBack = new QPushButton(this);
    m_knopBack->setObjectName(QStringLiteral("KnopBack"));
    m_knopBack->setGeometry(rect());
    m_knopBack->setFocusPolicy(Qt::NoFocus);
    m_knopBack->setAccessibleName(QStringLiteral("Kleurenpalet"));
    m_picture2 = new QFrame(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setFrameShape(QFrame::Panel);
    m_picture2->setFrameShadow(QFrame::Sunken);
    m_picture2->setGeometry(6, 6, 93, 201);
    m_picture2->setAccessibleName(QStringLiteral("Kleurenpalet"));
    m_picture1 = new PaletteView(m_picture2);
    m_picture1->move(4, 4);

    connect(m_picture1, &PaletteView::pointed, this, &ColorKeuze::Picture1_MouseMove);
    connect(m_picture1, &PaletteView::pressed, this, &ColorKeuze::Picture1_MouseDown);
}

bool ColorKeuze::readColour(QPoint at)
{
    const QImage& palette = m_picture1->palette();
    if (!palette.rect().contains(at))
        return false;
    const QRgb c = palette.pixel(at);
    m_keuze = splitColourValue(colourValue(qRed(c), qGreen(c), qBlue(c)));
    return true;
}

void ColorKeuze::Picture1_MouseMove(QPoint at)
{
    if (!readColour(at))
        return;
    const ColourParts& k = m_keuze;
    m_picture1->setToolTip(QStringLiteral(" %1,%2,%3 / #%4 ").arg(k.r).arg(k.g).arg(k.b).arg(KleurHex(k.r, k.g, k.b)));
}

void ColorKeuze::Picture1_MouseDown(QPoint at)
{
    if (readColour(at))
        accept();
}
