#include "app/ui/main_form.h"

#include "app/application_state.h"
#include "app/clock_text.h"
#include "app/colour.h"
#include "app/rounding.h"
#include "app/settings_file.h"
#include "app/wacht.h"
#include "canvas/ui/pic_edit.h"
#include "documents/supplement_model.h"
#include "documents/ui/catalogue_panel.h"
#include "documents/ui/page_preview.h"
#include "documents/ui/supplement_commands.h"
#include "perforation/ui/photo_menu.h"
#include "widgets/interaction.h"
#include "widgets/status_line.h"
#include "widgets/window_background.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

Main::Main(ApplicationState& state, SupplementModel& model, ProgramFolder folder, Interaction& interaction,
           RecentSupplements& recent, CollectionModel& collection, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_model(model)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_recent(recent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("Main"));
    setAcceptDrops(true);
    // The title marks a design that is not saved yet, as desktop programs do, and names the folder of a
    // supplement opened from elsewhere, where Save writes it.
    setWindowTitle(QStringLiteral("Velinor[*]"));
    connect(&m_model, &SupplementModel::outsideFolderChanged, this, [this](const QString& folder) {
        setWindowTitle(folder.isEmpty() ? QStringLiteral("Velinor[*]") : QStringLiteral("Velinor - %1[*]").arg(folder));
    });
    setCentralWidget(new QWidget(this));
    centralWidget()->setAccessibleName(QStringLiteral("Velinor"));
    createMenus();
    createPageArea();
    createStatusLine();
    createEditingArea();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("KlokTimer"));
    m_clockTimer->setInterval(1000);
    m_barTimer = new QTimer(this);
    m_barTimer->setObjectName(QStringLiteral("BarTimer"));
    m_barTimer->setInterval(1);

    connectSignals();
    createControllers();
    Form_Load();
    m_clockTimer->start();
}

Main::~Main() = default;

void Main::connectSignals()
{
    connect(m_menus.FileExit, &QAction::triggered, this, &Main::FileExit_Click);
    connect(m_clockTimer, &QTimer::timeout, this, &Main::KlokTimer_Timer);
    connect(m_barTimer, &QTimer::timeout, this, &Main::BarTimer_Timer);
    connect(m_convertKnop, &QToolButton::clicked, this, &Main::ConvertKnop_Click);
    connect(&m_model, &SupplementModel::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_model.canvas(), &CanvasDocument::busyChanged, this, &Main::updateActions);
    connect(&m_state, &ApplicationState::coloursChanged, this, &Main::showColours);
}

void Main::updateActions()
{
    const bool idle = !m_model.canvas().busy();
    const MainMenus& m = m_menus;
    for (QMenu* menu : {m.Bewerken, m.Perforaties, m.FileRecent})
        menu->menuAction()->setEnabled(idle);
    // Nothing is saved, exported or printed from a picture a command is still working on.
    for (QAction* action : {m.FileNew, m.FileOpen, m.FileSave, m.FileSaveAs[1], m.FileSaveAs[2], m.FileSavePdf[1],
                            m.FileSavePdf[2], m.FileSavePdf[3], m.FileSavePdf[4], m.FilePrint})
        action->setEnabled(idle);
    for (QWidget* button : {static_cast<QWidget*>(m_openKnop), static_cast<QWidget*>(m_convertKnop)})
        button->setEnabled(idle);
}

QString Main::settingsPath() const
{
    return m_folder.path(SettingsFile::FileName);
}

void Main::openFile(const QString& path)
{
    m_supplementCommands->openFile(path);
}

void Main::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    const QList<QUrl> urls = data->urls();
    if (data->hasImage() || (!urls.isEmpty() && urls.first().isLocalFile()))
        event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    const QList<QUrl> urls = data->urls();
    const QString path = urls.isEmpty() ? QString() : urls.first().toLocalFile();
    const QPoint onCanvas = m_picEdit->mapFrom(this, event->position().toPoint());
    if (!path.isEmpty() && m_picEdit->rect().contains(onCanvas) &&
        !path.endsWith(QLatin1String(".sup"), Qt::CaseInsensitive))
        m_photoMenu->dropFile(path, onCanvas);
    else if (!path.isEmpty())
        openFile(path);
    else if (data->hasImage())
        m_photoMenu->dropPicture(qvariant_cast<QImage>(data->imageData()), onCanvas);
    else
        return;
    event->acceptProposedAction();
}

void Main::Form_Load()
{
    // The client area is fixed; the menu bar comes on top of it.
    centralWidget()->setFixedSize(ClientSize);
    setFixedSize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    m_model.canvas().reset(QImage(QStringLiteral(":/pictures/titel.png")));
    m_model.setOmschrijving(startupHelpText(), {});
    m_model.markUnmodified();

    m_state.reset();
    SettingsFile::load(settingsPath(), m_state);
    showColours();
}

void Main::ZetVensterKleur(int r, int g, int b)
{
    const QColor colour = toQColor(r, g, b);
    // The window's own area, not the window: that would pass the colour on to the menu bar.
    setBackground(centralWidget(), colour);
    for (QWidget* widget : {static_cast<QWidget*>(m_frame1), static_cast<QWidget*>(m_frame2),
                            static_cast<QWidget*>(m_frame3), static_cast<QWidget*>(m_frame4)})
        setBackground(widget, colour);
    for (QCheckBox* box : m_frame2->findChildren<QCheckBox*>())
        setBackground(box, colour);
}

void Main::showColours()
{
    const ColourParts venster = m_state.VensterKleur(), supplement = m_state.SupplementKleur();
    ZetVensterKleur(venster.r, venster.g, venster.b);
    ZetSupplementKleur(supplement.r, supplement.g, supplement.b);
}

void Main::ZetSupplementKleur(int r, int g, int b)
{
    m_pic->setBackground(toQColor(r, g, b));
}

void Main::ToonInfo(const QString& text, int warning)
{
    StatusLine(m_infoLabel).ToonInfo(text, warning);
}

void Main::FileExit_Click()
{
    close();
}

void Main::closeEvent(QCloseEvent* event)
{
    if (Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    // A command still waiting between its steps stops now, so the program really ends.
    endWaiting();
    QCoreApplication::quit();
}

bool Main::Form_Unload()
{
    if (!m_supplementCommands->mayExit())
        return true;
    // A folder that cannot be written must not keep the program from ending, but the user hears of it.
    if (const SafeFile::Result written = SettingsFile::write(settingsPath(), m_state); !written)
        m_interaction.message(this,
                              QStringLiteral("De kleuren konden niet worden bewaard in %1: %2. "
                                             "Bij de volgende start gelden de vorige kleuren.")
                                  .arg(SettingsFile::FileName, written.reason),
                              QStringLiteral(" Exit"), Interaction::Icon::Warning);
    return false;
}

void Main::KlokTimer_Timer()
{
    m_klokLabel->setText(clockText(QDateTime::currentDateTime()));
}

void Main::BarTimer_Timer()
{
    if (m_state.Voortgang() == 100) {
        m_barWidth = 0;
        m_bar->clear();
        m_barTimer->stop();
        return;
    }
    m_barWidth = int(RondAf(m_state.Voortgang() * 2.4));
    paintBar();
}

void Main::paintBar()
{
    QPixmap picture(m_bar->contentsRect().size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, m_barWidth, 16), QColor(0, 0, 160));
    painter.end();
    m_bar->setPixmap(picture);
}

void Main::ConvertKnop_Click()
{
    m_model.transferPicture();
}
