#include "geography/ui/landkaart.h"

#include "app/wacht.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/map_plotter.h"
#include "widgets/busy_pointer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

Landkaart::Landkaart(ProgramFolder folder, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_map(MapPicture::draw())
{
    setObjectName(QStringLiteral("Landkaart"));
    setWindowTitle(QStringLiteral("Velinor - Landkaart"));
    setFixedSize(MapPicture::Size);

    m_picture1 = new QLabel(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("Landkaart"));
    m_exitKnop = new QPushButton(QStringLiteral("Exit"), this);
    m_exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    m_exitKnop->setAutoDefault(false);
    m_label1 = new QLabel(QStringLiteral("Steden"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    connect(m_exitKnop, &QPushButton::clicked, this, &Landkaart::ExitKnop_Click);

    Form_Load();
}

void Landkaart::Form_Load()
{
    m_picture1->setGeometry(QRect(QPoint(0, 0), MapPicture::Size));
    m_picture1->setPixmap(QPixmap::fromImage(m_map));
    m_exitKnop->setGeometry(29, 422, 57, 25);
    // Closing is offered once the places are all on the map.
    m_exitKnop->setEnabled(false);
    m_label1->setGeometry(105, 427, 120, 16);
    m_label1->setFont(MapPlotter::font());
    m_label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
}

void Landkaart::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window is modal and nothing else of the program comes in front of it, so it
    // is activated exactly when the program shows it; the run starts once the window is
    // on screen. Coming back from the task bar is no new activation.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &Landkaart::Form_Activate);
}

void Landkaart::hideEvent(QHideEvent* event)
{
    // Closing the window through its frame during a run ends the run.
    m_stop = m_running;
    QDialog::hideEvent(event);
}

void Landkaart::Form_Activate()
{
    if (m_running)
        return;
    m_running = true;
    m_stop = false;
    MapPlotter plotter(m_map);
    plotter.start();
    {
        const BusyPointer busy;
        for (const MapPlace& place : MapPlaces::read(m_folder.path(MapPlaces::FileName))) {
            plotter.plot(place);
            m_picture1->setPixmap(QPixmap::fromImage(m_map));
            m_label1->setText(plotter.counterText());
            if (!Wacht(m_pause) || m_stop)
                break;
        }
    }
    // Without any place the counter still tells the result.
    m_label1->setText(plotter.counterText());
    m_exitKnop->setEnabled(true);
    // Enter closes the map once the run is over.
    m_exitKnop->setDefault(true);
    m_exitKnop->setFocus();
    m_running = false;
}

void Landkaart::ExitKnop_Click()
{
    accept();
}
