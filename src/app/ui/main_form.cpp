#include "app/ui/main_form.h"

#include "app/application_state.h"
#include "app/clock_text.h"
#include "app/colour.h"
#include "app/rounding.h"
#include "app/settings_file.h"
#include "app/ui/double_click_label.h"
#include "app/ui/interaction.h"
#include "app/ui/page_preview.h"
#include "app/ui/status_line.h"
#include "app/ui/window_background.h"
#include "app/wacht.h"
#include "canvas/ui/pic_edit.h"
#include "documents/supplement_model.h"
#include "documents/ui/supplement_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

Main::Main(ApplicationState& state, SupplementModel& model, ProgramFolder folder, Interaction& interaction,
           QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_model(model)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("Main"));
    // The title marks a design that is not saved yet, as desktop programs do.
    setWindowTitle(QStringLiteral("Velinor[*]"));
    setCentralWidget(new QWidget(this));
    createMenus();
    createPageArea();
    createEditingArea();
    createStatusLine();
    createCataloguePanel();

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
    connect(m_controls.ConvertKnop, &QToolButton::clicked, this, &Main::ConvertKnop_Click);
    connect(&m_model, &SupplementModel::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_model.canvas(), &CanvasDocument::busyChanged, this, &Main::updateActions);
    connect(&m_model, &SupplementModel::changed, this, [this](SupplementModel::Field field) {
        if (field == SupplementModel::Field::CatalogueRecord)
            showCatalogue();
    });
}

void Main::updateActions()
{
    const bool idle = !m_model.canvas().busy();
    for (const char* menu : {"Bewerken", "Perforaties"})
        findChild<QMenu*>(QString::fromLatin1(menu))->menuAction()->setEnabled(idle);
    // Nothing is saved, exported or printed from a picture a command is still working on.
    const MainMenus& m = m_menus;
    for (QAction* action : {m.FileNew, m.FileOpen, m.FileSave, m.FileSaveAs[1], m.FileSaveAs[2], m.FileSavePdf[1],
                            m.FileSavePdf[2], m.FileSavePdf[3], m.FilePrint})
        action->setEnabled(idle);
    m_controls.OpenKnop->setEnabled(idle);
    m_controls.ConvertKnop->setEnabled(idle);
}

// The catalogue panel and the status line show the record of the supplement's sheetlet.
void Main::showCatalogue()
{
    for (int i = 0; i < int(m_controls.Infolab.size()); ++i)
        m_controls.Infolab[i]->setText(m_model.catalogueRecord().Infolab[std::size_t(i)]);
    ToonInfo(m_model.catalogueKey().isEmpty() ? QStringLiteral("Informatie") : m_model.catalogueKey(), 0);
}

QString Main::settingsPath() const
{
    return m_folder.path(SettingsFile::FileName);
}

void Main::Form_Load()
{
    // The client area is fixed; the menu bar comes on top of it.
    centralWidget()->setFixedSize(ClientSize);
    setFixedSize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    m_model.canvas().reset(QImage(QStringLiteral(":/pictures/titel.png")));
    m_model.setOmschrijving(startupHelpText(), {});
    m_model.markUnmodified();

    m_state = ApplicationState{};
    SettingsFile::load(settingsPath(), m_state);

    setBackground(m_controls.TekenLabel, toQColor(m_state.TekenR, m_state.TekenG, m_state.TekenB));
    setBackground(m_controls.VulLabel, toQColor(m_state.VulR, m_state.VulG, m_state.VulB));
    showColours();
}

void Main::ZetVensterKleur(int r, int g, int b)
{
    const QColor colour = toQColor(r, g, b);
    // The window's own area, not the window: that would pass the colour on to the menu bar.
    setBackground(centralWidget(), colour);
    for (QWidget* widget : {static_cast<QWidget*>(m_controls.Frame1), static_cast<QWidget*>(m_controls.Frame2),
                            static_cast<QWidget*>(m_controls.Frame3), static_cast<QWidget*>(m_controls.Frame4)})
        setBackground(widget, colour);
    const MainControls& c = m_controls;
    for (QCheckBox* box : {c.Check1, c.CheckBold, c.CheckItalic, c.CheckOnderstreept, c.CheckVer})
        setBackground(box, colour);
}

void Main::showColours()
{
    ZetVensterKleur(m_state.VensterR, m_state.VensterG, m_state.VensterB);
    ZetSupplementKleur(m_state.SupplementR, m_state.SupplementG, m_state.SupplementB);
}

void Main::ZetSupplementKleur(int r, int g, int b)
{
    m_controls.Pic->setBackground(toQColor(r, g, b));
}

void Main::ToonInfo(const QString& text, int warning)
{
    StatusLine(m_controls.InfoLabel).ToonInfo(text, warning);
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
    m_controls.KlokLabel->setText(clockText(QDateTime::currentDateTime()));
}

void Main::BarTimer_Timer()
{
    if (m_state.Voortgang == 100) {
        m_barWidth = 0;
        m_controls.Bar->clear();
        m_barTimer->stop();
        return;
    }
    m_barWidth = int(RondAf(m_state.Voortgang * 2.4));
    paintBar();
}

void Main::startBarTimer()
{
    m_barTimer->start();
}

void Main::paintBar()
{
    QPixmap picture(m_controls.Bar->contentsRect().size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, m_barWidth, 16), QColor(0, 0, 160));
    painter.end();
    m_controls.Bar->setPixmap(picture);
}

void Main::ConvertKnop_Click()
{
    m_model.transferPicture();
}
