#include "config/ui/config.h"

#include "app/application_state.h"
#include "app/colour.h"
#include "app/colour_settings.h"
#include "widgets/window_background.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {

// A bar for one component, with its letter before it.
QScrollBar* colourBar(QWidget* parent, int x, int top, const QString& letter)
{
    auto* label = new QLabel(letter, parent);
    label->setGeometry(x, top, 14, 16);
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(x + 16, top, 120, 16);
    bar->setRange(0, 255);
    bar->setPageStep(16);
    return bar;
}

QLabel* swatch(QWidget* parent, int x)
{
    auto* label = new QLabel(parent);
    label->setGeometry(x, 88, 40, 16);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    return label;
}

// The decoration beside the buttons: a little fan of colour swatches.
QPixmap decoration()
{
    QPixmap picture(40, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor colours[3] = {QColor(200, 60, 50), QColor(60, 150, 70), QColor(50, 90, 190)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(colours[i]);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(2 + 12 * i, 4, 10, 16);
    }
    return picture;
}

} // namespace

Config::Config(ApplicationState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(QStringLiteral(" Kleuren"));
    setFixedSize(320, 150);

    auto* label3 = new QLabel(QStringLiteral("Kleur achtergrond Frame's"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->move(12, 8);
    auto* label6 = new QLabel(QStringLiteral("Kleur achtergrond Supplement"), this);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->move(164, 8);
    // The headings are long for the narrow window; a point smaller keeps them whole.
    for (QLabel* heading : {label3, label6}) {
        QFont font = heading->font();
        font.setPointSizeF(font.pointSizeF() - 1);
        heading->setFont(font);
    }
    const int tops[4] = {0, 28, 47, 66};
    const QString letters[4] = {QString(), QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const QString channels[4] = {QString(), QStringLiteral("rood"), QStringLiteral("groen"), QStringLiteral("blauw")};
    for (int i = 1; i <= 3; ++i) {
        m_hScroll[i] = colourBar(this, 12, tops[i], letters[i]);
        m_hScroll[i]->setObjectName(QStringLiteral("HScroll%1").arg(i));
        m_hScroll[i]->setAccessibleName(QStringLiteral("Frame's %1").arg(channels[i]));
        m_hScroll1[i] = colourBar(this, 168, tops[i], letters[i]);
        m_hScroll1[i]->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        m_hScroll1[i]->setAccessibleName(QStringLiteral("Supplement %1").arg(channels[i]));
    }
    m_label7 = new QLabel(this);
    m_label7->setObjectName(QStringLiteral("Label7"));
    m_label7->setGeometry(12, 88, 136, 16);
    m_label8 = new QLabel(this);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setGeometry(168, 88, 136, 16);
    m_swatch7 = swatch(this, 108);
    m_swatch7->setObjectName(QStringLiteral("Kleur7"));
    m_swatch7->setAccessibleName(QStringLiteral("Kleur achtergrond Frame's"));
    m_swatch8 = swatch(this, 264);
    m_swatch8->setObjectName(QStringLiteral("Kleur8"));
    m_swatch8->setAccessibleName(QStringLiteral("Kleur achtergrond Supplement"));

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(decoration());
    image1->setAccessibleName(QStringLiteral("Versiering"));
    image1->setGeometry(12, 114, 40, 24);
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    reset->setObjectName(QStringLiteral("ResetKnop"));
    reset->setToolTip(QStringLiteral(" Reset achtergrondkleur "));
    reset->setGeometry(150, 114, 75, 26);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkKnop"));
    ok->setGeometry(232, 114, 75, 26);
    ok->setDefault(true);

    Form_Load();
    for (int i = 1; i <= 3; ++i) {
        connect(m_hScroll[i], &QScrollBar::valueChanged, this, [this, i] { HScroll_Change(i); });
        connect(m_hScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    }
    connect(&m_state, &ApplicationState::coloursChanged, this, &Config::showHex);
    connect(reset, &QPushButton::clicked, this, &Config::ResetKnop_Click);
    connect(ok, &QPushButton::clicked, this, &Config::OkKnop_Click);
}

void Config::Form_Load()
{
    const ColourParts window = colourOf(m_state, ColourArea::Window);
    const ColourParts supplement = colourOf(m_state, ColourArea::Page);
    const int values[2][3] = {{window.r, window.g, window.b}, {supplement.r, supplement.g, supplement.b}};
    for (int i = 1; i <= 3; ++i) {
        m_hScroll[i]->setValue(values[0][i - 1]);
        m_hScroll1[i]->setValue(values[1][i - 1]);
        // A value the settings file held beyond 0..255 is what the bar shows now.
        setColourComponent(m_state, ColourArea::Window, i, m_hScroll[i]->value());
        setColourComponent(m_state, ColourArea::Page, i, m_hScroll1[i]->value());
    }
    showHex();
}

void Config::showHex()
{
    const ColourParts window = colourOf(m_state, ColourArea::Window), page = colourOf(m_state, ColourArea::Page);
    m_label7->setText(QStringLiteral("Hex. ") + KleurHex(window.r, window.g, window.b));
    m_label8->setText(QStringLiteral("Hex. ") + KleurHex(page.r, page.g, page.b));
    setBackground(m_swatch7, toQColor(window.r, window.g, window.b));
    setBackground(m_swatch8, toQColor(page.r, page.g, page.b));
}

void Config::HScroll_Change(int index)
{
    setColourComponent(m_state, ColourArea::Window, index, m_hScroll[index]->value());
}

void Config::HScroll1_Change(int index)
{
    setColourComponent(m_state, ColourArea::Page, index, m_hScroll1[index]->value());
}

void Config::ResetKnop_Click()
{
    resetColours(m_state);
    Form_Load();
}

void Config::OkKnop_Click()
{
    accept();
}
