#include "documents/ui/invoer.h"

#include "documents/field_entry.h"
#include "widgets/interaction.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

Invoer::Invoer(std::uint8_t gereedschap, const QString& value, Interaction& interaction, QWidget* parent)
    : QDialog(parent)
    , m_interaction(interaction)
    , m_mode(gereedschap)
{
    setObjectName(QStringLiteral("Invoer"));
    setWindowTitle(QStringLiteral(" Invoer"));
    setFixedSize(320, 120);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(16, 14, 240, 19);
    Text1->setAccessibleName(QStringLiteral("Invoerbalk"));
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, QColor(200, 230, 200));
    Text1->setPalette(palette);

    Label1 = new QLabel(QStringLiteral("Geef in bovenstaande invoerbalk de gegevens in."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 40, 240, 32);
    Label1->setWordWrap(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setGeometry(272, 10, 32, 32);
    icon->setAccessibleName(QStringLiteral("Informatie"));

    CancelKnop = new QPushButton(QStringLiteral("Cancel"), this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setGeometry(150, 84, 75, 25);
    OkKnop = new QPushButton(QStringLiteral("Ok"), this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setGeometry(233, 84, 75, 25);
    OkKnop->setDefault(true);

    connect(OkKnop, &QPushButton::clicked, this, &Invoer::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Invoer::CancelKnop_Click);
    Form_Load(value);
}

void Invoer::Form_Load(const QString& value)
{
    const auto field = InvoerVeldVan(m_mode);
    if (!field)
        return;
    Label1->setText(InvoerPrompt(*field));
    Text1->setMaxLength(fieldMaxLength(*field));
    Text1->setText(value);
    Text1->selectAll();
}

QString Invoer::text() const
{
    return Text1->text();
}

void Invoer::OkKnop_Click()
{
    const auto field = InvoerVeldVan(m_mode);
    if (const QString fout = field ? fieldEntryError(*field, text()) : QString(); !fout.isEmpty()) {
        m_interaction.message(this, fout, QStringLiteral("Velinor"), Interaction::Icon::Information);
        return;
    }
    accept();
}

void Invoer::CancelKnop_Click()
{
    reject();
}
