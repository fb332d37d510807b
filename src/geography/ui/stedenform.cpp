#include "geography/ui/stedenform.h"

#include "app/web_lookups.h"
#include "app/ui/web_address.h"
#include "geography/place_names.h"

#include <QComboBox>
#include <QLabel>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace {

// The window's own background: a sky over the flat land.
QPixmap background(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(38, 82, 140));
    sky.setColorAt(0.75, QColor(150, 186, 220));
    sky.setColorAt(0.75001, QColor(92, 146, 78));
    sky.setColorAt(1.0, QColor(60, 110, 52));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 6, size.width(), 20), Qt::AlignCenter, QStringLiteral("Plaatsnamen"));
    return picture;
}

} // namespace

StedenForm::StedenForm(ProgramFolder folder, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("StedenForm"));
    setWindowTitle(QStringLiteral("Velinor - Plaatsnamen"));
    setFixedSize(246, 345);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_exitKnop = new QPushButton(QStringLiteral("Exit"), this);
    m_exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    m_exitKnop->setAutoDefault(false);

    Form_Load();

    connect(m_combo1, &QComboBox::activated, this, &StedenForm::Combo1_Click);
    connect(m_list1, &QListWidget::itemDoubleClicked, this, &StedenForm::List1_DblClick);
    m_list1->installEventFilter(this);
    connect(m_exitKnop, &QPushButton::clicked, this, &StedenForm::ExitKnop_Click);
}

void StedenForm::Form_Load()
{
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, background(size()));
    setPalette(palette);
    setAutoFillBackground(true);

    m_list1->setGeometry(14, 32, 221, 264);
    m_list1->setToolTip(QStringLiteral(" Dubbelklik is Google Maps "));
    m_list1->addItems({QString(), QStringLiteral("   Kies een letter A..Z")});
    m_combo1->setGeometry(14, 315, 48, 22);
    m_combo1->addItems(PlaceNames::letters());
    m_combo1->setCurrentIndex(-1);
    m_label2->setGeometry(70, 320, 100, 16);
    m_label2->setText(QStringLiteral("0 Plaatsnamen"));
    m_label2->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    // A frame around the button.
    m_label1->setGeometry(176, 314, 60, 25);
    m_label1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_exitKnop->setGeometry(178, 316, 56, 21);
}

void StedenForm::Combo1_Click()
{
    const QString letter = m_combo1->currentText();
    m_list1->clear();
    m_list1->addItems(PlaceNames::forLetter(m_folder.path(PlaceNames::FileName), letter));
    m_label2->setText(QString::number(m_list1->count()) + QStringLiteral(" Plaatsnamen"));
}

void StedenForm::List1_DblClick()
{
    const QListWidgetItem* item = m_list1->currentItem();
    if (const std::optional<QString> address = WebLookups::mapAddress(item ? item->text() : QString()))
        OpenWebAdres(*address);
}

bool StedenForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        List1_DblClick();
        return true;
    }
    const QString letter = key->text().toUpper();
    if (key->modifiers() == Qt::NoModifier && PlaceNames::letters().contains(letter)) {
        m_combo1->setCurrentText(letter);
        Combo1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StedenForm::ExitKnop_Click()
{
    accept();
}
