#include "app/ui/titel.h"

#include "app/clock_text.h"
#include "app/file_version.h"
#include "app/splash_info.h"
#include "app/splash_strip.h"
#include "app/wacht.h"
#include "widgets/busy_pointer.h"
#include "widgets/interaction.h"
#include "widgets/web_address.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

Titel::Titel(ProgramFolder folder, Interaction& interaction, QWidget* parent)
    : QWidget(parent)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("Titel"));
    setWindowTitle(QStringLiteral("Velinor"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(500, 320);
    setFocusPolicy(Qt::StrongFocus); // the keys of keyPressEvent

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(0, 0, 500, 320);
    m_image1->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    m_image1->setScaledContents(true);
    m_image1->setAccessibleName(QStringLiteral("Titelplaat"));
    m_image1->installEventFilter(this);

    auto makeLabel = [this](const QString& name, const QRect& geometry, const QString& style) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setStyleSheet(style);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    const QString light = QStringLiteral("color: white; background: transparent;");
    m_label3 =
        makeLabel(QStringLiteral("Label3"), QRect(20, 20, 210, 60), light + QStringLiteral("font: bold 8pt 'Arial';"));
    m_label4 = makeLabel(
        QStringLiteral("Label4"), QRect(66, 59, 200, 16),
        QStringLiteral(
            "color: rgb(255,240,120); background: transparent; text-decoration: underline; font: 8pt 'Arial';"));
    m_label4->setCursor(Qt::PointingHandCursor);
    m_label4->installEventFilter(this);
    // Wide enough for the longest line of the block, the rights with the web address.
    m_label1 =
        makeLabel(QStringLiteral("Label1"), QRect(20, 120, 460, 160), light + QStringLiteral("font: 7pt 'Arial';"));
    m_label1->installEventFilter(this);
    m_clockLabel =
        makeLabel(QStringLiteral("KlokLabel"), QRect(99, 250, 200, 14), light + QStringLiteral("font: 7pt 'Arial';"));
    m_clockLabel->setText(QStringLiteral("00:00:00"));
    makeLabel(QStringLiteral("Label2"), QRect(16, 284, 246, 22), QStringLiteral("background: white;"))
        ->setAccessibleName(QStringLiteral("Voortgang"));
    m_picture1 = makeLabel(QStringLiteral("Picture1"), QRect(19, 287, 240, 16), QString());
    m_picture1->setAccessibleName(QStringLiteral("Voortgang"));

    m_timer1 = new QTimer(this);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Titel::Timer1_Timer);
    m_timer1->start();

    Form_Load();
}

void Titel::setAnimationPause(float perColumn, float atEnd)
{
    m_columnPause = perColumn;
    m_endPause = atEnd;
}

void Titel::Form_Load()
{
    m_label3->setText(SplashInfo::MakerText());
    m_label4->setText(SplashInfo::MakerEmail);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int twipsPerPixel = SplashInfo::TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
    m_resolution = SplashInfo::Resolution(twipsPerPixel);
    m_label1->setText(informationBlock());
    placeClock();

    m_strip = SplashStrip::initial();
    showStrip();
}

// The clock stands on the block's last line, right after "Time / Date..... :".
void Titel::placeClock()
{
    m_label1->ensurePolished(); // its font comes from its style sheet
    QStringList lines = m_label1->text().split(QStringLiteral("\r\n"));
    const QString last = lines.takeLast();
    // The lines above the last one, laid out as the block lays them out, give its height.
    QLabel above(lines.join(QStringLiteral("\r\n")));
    above.setFont(m_label1->font());
    const int x = m_label1->x() + QFontMetrics(m_label1->font()).horizontalAdvance(last + QLatin1Char(' '));
    m_clockLabel->move(x, m_label1->y() + above.sizeHint().height());
}

QString Titel::informationBlock() const
{
    // The block describes the running program file, wherever the data folder is.
    const QString programFile = QCoreApplication::applicationFilePath();
    const QFileInfo info(programFile);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(0, 0);
    const int twipsPerPixel = 1440 / std::max(1, m_resolution);

    SplashInfo::Facts facts;
    facts.version = GetFileVersion(programFile);
    if (info.isReadable()) {
        facts.fileSize = info.size();
        facts.fileDate = info.lastModified();
    }
    facts.screenWidthTwips = double(pixels.width()) * twipsPerPixel;
    facts.screenHeightTwips = double(pixels.height()) * twipsPerPixel;
    facts.dpi = m_resolution;
    return SplashInfo::InformationBlock(facts, QLocale());
}

void Titel::showStrip()
{
    m_picture1->setPixmap(QPixmap::fromImage(m_strip));
}

void Titel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Titel::Form_Activate()
{
    // Once: the warning box hands activation back when it closes, which would show it again for ever.
    if (m_resolution == 96 || m_warningShown)
        return;
    m_warningShown = true;
    m_interaction.message(this, SplashInfo::DpiWarning(m_resolution), QStringLiteral(" Error"),
                          Interaction::Icon::Stop);
}

bool Titel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == m_image1)
                Image1_Click();
            else if (watched == m_label1)
                Label1_Click();
            else if (watched == m_label4)
                Label4_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Titel::Image1_Click()
{
    if (m_starting)
        return;
    m_starting = true;
    {
        const BusyPointer busy;
        for (int i = 0; i <= SplashStrip::LastColumn; ++i) {
            SplashStrip::paintColumn(m_strip, i);
            showStrip();
            Wacht(m_columnPause);
        }
        Wacht(m_endPause);
    }
    // The main window opens before this one closes, so the program never stands without a window.
    Q_EMIT started();
    close();
}

void Titel::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's way of clicking the photo.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        return Image1_Click();
    default:
        return QWidget::keyPressEvent(event);
    }
}

void Titel::Label1_Click()
{
    Image1_Click();
}

void Titel::Label4_Click()
{
    OpenWebAdres(QStringLiteral("mailto:") + SplashInfo::MakerEmail);
}

void Titel::Timer1_Timer()
{
    m_clockLabel->setText(clockText(QDateTime::currentDateTime()));
}
