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

    ownership = new QComboBox(this);
    ownership->setObjectName(QStringLiteral("Ownership"));
    ownership->addItems(MarksFile::ownershipCaptions());
    ownership->setCurrentIndex(int(mark.owned));
    count = new QSpinBox(this);
    count->setObjectName(QStringLiteral("Count"));
    count->setRange(0, MarksFile::MaxCount);
    count->setValue(mark.count);
    paid = new QLineEdit(mark.paidCents ? MarksFile::centsText(*mark.paidCents) : QString(), this);
    paid->setObjectName(QStringLiteral("Paid"));
    paid->setPlaceholderText(QStringLiteral("bijv. 12,50"));
    // What centsOf takes: whole euro and at most two decimals, a comma or a point.
    paid->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}([.,]\\d{0,2})?")), paid));
    note = new QLineEdit(mark.note, this);
    note->setObjectName(QStringLiteral("Note"));
    note->setMaxLength(MarksFile::MaxNoteLength);
    form->addRow(QStringLiteral("&In bezit:"), ownership);
    form->addRow(QStringLiteral("&Aantal:"), count);
    form->addRow(QStringLiteral("Aankoop&prijs (€):"), paid);
    form->addRow(QStringLiteral("&Notitie:"), note);

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
    connect(ownership, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index > 0 && count->value() == 0)
            count->setValue(1);
        else if (index == 0)
            count->setValue(0);
    });
}

Mark MarkDialog::mark() const
{
    Mark result{Ownership(ownership->currentIndex()), count->value(), MarksFile::centsOf(paid->text()),
                MarksFile::storableNote(note->text().trimmed())};
    result.count = result.isOwned() ? std::max(result.count, 1) : 0;
    return result;
}
