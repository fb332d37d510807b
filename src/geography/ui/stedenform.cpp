#include "geography/ui/stedenform.h"

#include "app/web_lookups.h"
#include "geography/place_names.h"
#include "widgets/fitted_text.h"
#include "widgets/scroll_bar_names.h"
#include "widgets/web_address.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
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
    // Short: the window is narrow, and a longer title is cut in its frame.
    setWindowTitle(QStringLiteral("Plaatsnamen"));
    setFixedSize(246, 345);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(QStringLiteral("Plaatsnamen"));
    nameScrollBars(*m_list1);
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Beginletter"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAccessibleName(QStringLiteral("Kader"));
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
    m_label2->move(70, 320);
    showCount(0);
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
    showCount(m_list1->count());
}

void StedenForm::showCount(int count)
{
    // As wide as there is room before the Exit button's frame; a long count is set smaller.
    constexpr int Room = 104;
    setFittedText(m_label2, QString::number(count) + QStringLiteral(" Plaatsnamen"), Room, font());
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
    // A word typed quickly finds the first name that starts with it (the list's own search); its first letter
    // chooses the list. A key like Return or an arrow ends the word.
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        m_typing.invalidate();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        List1_DblClick();
        return true;
    }
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return QDialog::eventFilter(watched, event);
    const bool continues = m_typing.isValid() && m_typing.elapsed() < QApplication::keyboardInputInterval();
    m_typing.start();
    if (continues)
        return QDialog::eventFilter(watched, event);
    m_list1->keyboardSearch(QString()); // a new word: the list's own search starts afresh
    const QString letter = typed.toUpper();
    if (key->modifiers() == Qt::NoModifier && PlaceNames::letters().contains(letter) &&
        letter != m_combo1->currentText()) {
        m_combo1->setCurrentText(letter);
        Combo1_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void StedenForm::ExitKnop_Click()
{
    accept();
}
