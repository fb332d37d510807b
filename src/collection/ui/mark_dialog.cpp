#include "collection/ui/mark_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

MarkDialog::MarkDialog(const QString& key, const Mark& mark, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MarkDialog"));
    setWindowTitle(QStringLiteral(" In bezit - %1").arg(key));
    auto* form = new QFormLayout(this);

    Staat = new QComboBox(this);
    Staat->setObjectName(QStringLiteral("Staat"));
    Staat->addItems(MarksFile::ownershipCaptions());
    Staat->setCurrentIndex(int(mark.owned));
    Aantal = new QSpinBox(this);
    Aantal->setObjectName(QStringLiteral("Aantal"));
    Aantal->setRange(0, MarksFile::MaxCount);
    Aantal->setValue(mark.count);
    Prijs = new QLineEdit(mark.paidCents ? MarksFile::centsText(*mark.paidCents) : QString(), this);
    Prijs->setObjectName(QStringLiteral("Prijs"));
    Prijs->setPlaceholderText(QStringLiteral("bijv. 12,50"));
    // What centsOf takes: whole euro and at most two decimals, a comma or a point.
    Prijs->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}([.,]\\d{0,2})?")), Prijs));
    Notitie = new QLineEdit(mark.note, this);
    Notitie->setObjectName(QStringLiteral("Notitie"));
    Notitie->setMaxLength(MarksFile::MaxNoteLength);
    form->addRow(QStringLiteral("&In bezit:"), Staat);
    form->addRow(QStringLiteral("&Aantal:"), Aantal);
    form->addRow(QStringLiteral("Aankoop&prijs (€):"), Prijs);
    form->addRow(QStringLiteral("&Notitie:"), Notitie);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setAccessibleName(QStringLiteral("Knoppen"));
    OkKnop = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setDefault(true);
    CancelKnop = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Choosing a state of ownership for a sheetlet with no count makes it one copy; none makes it none.
    connect(Staat, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index > 0 && Aantal->value() == 0)
            Aantal->setValue(1);
        else if (index == 0)
            Aantal->setValue(0);
    });
}

Mark MarkDialog::mark() const
{
    Mark result{Ownership(Staat->currentIndex()), Aantal->value(), MarksFile::centsOf(Prijs->text()),
                MarksFile::storableNote(Notitie->text().trimmed())};
    result.count = result.isOwned() ? std::max(result.count, 1) : 0;
    return result;
}
