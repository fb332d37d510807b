#include "widgets/qt_interaction.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::Icon toQt(Interaction::Icon icon)
{
    switch (icon) {
    case Interaction::Icon::None:
        return QMessageBox::NoIcon;
    case Interaction::Icon::Information:
        return QMessageBox::Information;
    case Interaction::Icon::Warning:
        return QMessageBox::Warning;
    case Interaction::Icon::Stop:
        return QMessageBox::Critical;
    case Interaction::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtInteraction::message(QWidget* parent, const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtInteraction::askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon, Default preferred)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(preferred == Default::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Interaction::SaveChoice QtInteraction::askSaveFirst(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Bewaren"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Niet bewaren"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

QString QtInteraction::openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtInteraction::saveFileName(QWidget* parent, const QString& title, const QString& suggestion,
                                    const QString& filter)
{
    // The callers ask their own overwrite question, with their own wording.
    return QFileDialog::getSaveFileName(parent, title, suggestion, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

bool QtInteraction::choosePrinter(QWidget* parent, QPrinter& printer)
{
    // Qt's dialog prints; here it only chooses the printer, and says so.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer kiezen"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("Kiezen"));
    }
    // The copies and the pages are chosen in the print dialog of each job; here they would be ignored.
    if (auto* copies = dialog.findChild<QWidget*>(QStringLiteral("copies")))
        copies->parentWidget()->hide();
    if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
        range->hide();
    return dialog.exec() == QDialog::Accepted;
}

int QtInteraction::showModal(QDialog& dialog)
{
    return dialog.exec();
}
