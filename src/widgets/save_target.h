#pragma once

// The file a "save as" writes: the name the user chose with the type's
// extension added when it was typed without one, and never a file that exists
// unless the user agreed to replace it (Enter says No); otherwise another name
// is asked.

#include <QString>
#include <QStringList>

#include <optional>

class Interaction;
class QWidget;

struct SaveTarget
{
    QString title;          // of the file dialog
    QString questionTitle;  // of the question before an existing file is replaced
    QString filter;         // "PDF (*.pdf)"
    QStringList extensions; // the first is added to a name without any of them

    // Every "Opslaan als PDF" of the program.
    static SaveTarget pdf()
    {
        return {QStringLiteral("Opslaan als PDF"),
                QStringLiteral(" Opslaan als PDF"),
                QStringLiteral("PDF (*.pdf)"),
                {QStringLiteral("pdf")}};
    }
};

// Asks for a file, starting from suggestion; nothing when cancelled.
std::optional<QString> askSaveTarget(Interaction& interaction, QWidget* parent, const SaveTarget& target,
                                     const QString& suggestion);

// A name chosen elsewhere (the printer's output file) on the same terms: asks for another when it may not be used.
std::optional<QString> confirmSaveTarget(Interaction& interaction, QWidget* parent, const SaveTarget& target,
                                         QString path);
