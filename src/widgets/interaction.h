#pragma once

// The one seam through which the windows talk to the user outside their own
// controls: message boxes, yes/no questions, file dialogs, the printer dialog
// and modal windows. The program uses QtInteraction; tests script the answers.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

class Interaction
{
public:
    enum class Icon { None, Information, Warning, Stop, Question };
    // The answer Enter gives: Yes, or No where Yes would replace or throw away something.
    enum class Default { Yes, No };
    // The answers to a design that is not saved yet.
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~Interaction() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text, const QString& title, Icon icon) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon,
                          Default preferred = Default::Yes) = 0;
    // "Bewaren", "Niet bewaren" or "Annuleren" for a design that is not saved; Enter saves, Escape cancels.
    virtual SaveChoice askSaveFirst(QWidget* parent, const QString& text, const QString& title) = 0;
    // File dialogs; an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggestion,
                                 const QString& filter) = 0;
    // The printer selection; true when the user confirmed a printer.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows one of the program's own windows modally; returns its result code.
    virtual int showModal(QDialog& dialog) = 0;
};
