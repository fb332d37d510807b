#pragma once

// The interaction seam for tests: answers come from a script, every text the
// program shows is recorded, and nothing ever blocks.

#include "widgets/interaction.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>

#include <functional>

class ScriptedInteraction final : public Interaction
{
public:
    struct Shown
    {
        QString kind; // "message", "question", "savefirst", "open", "save", "printer", "modal"
        QString text;
        QString title;
        Icon icon = Icon::None;
        Default preferred = Default::Yes;
    };

    // Answers, used in order; a question without a scripted answer gets No,
    // a file dialog gets an empty name (cancelled), a modal window gets Rejected.
    QQueue<bool> yesNoAnswers;
    QQueue<SaveChoice> saveChoices; // none left: Cancel
    QQueue<QString> fileAnswers;
    QQueue<bool> printerAnswers;
    // Each runs against the dialog while it is "shown" and returns its result code.
    QQueue<std::function<int(QDialog&)>> modalScripts;

    QList<Shown> shown;

    void message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon,
                  Default preferred = Default::Yes) override;
    SaveChoice askSaveFirst(QWidget* parent, const QString& text, const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggestion,
                         const QString& filter) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    int showModal(QDialog& dialog) override;

    QStringList texts(const QString& kind) const;
};
