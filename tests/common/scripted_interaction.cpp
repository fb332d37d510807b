#include "common/scripted_interaction.h"

void ScriptedInteraction::message(QWidget*, const QString& text, const QString& title, Icon icon)
{
    shown.append({QStringLiteral("message"), text, title, icon});
}

bool ScriptedInteraction::askYesNo(QWidget*, const QString& text, const QString& title, Icon icon, Default preferred)
{
    shown.append({QStringLiteral("question"), text, title, icon, preferred});
    return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
}

Interaction::SaveChoice ScriptedInteraction::askSaveFirst(QWidget*, const QString& text, const QString& title)
{
    shown.append({QStringLiteral("savefirst"), text, title, Icon::Warning});
    return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.dequeue();
}

QString ScriptedInteraction::openFileName(QWidget*, const QString& title, const QString& folder, const QString&)
{
    shown.append({QStringLiteral("open"), folder, title});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedInteraction::saveFileName(QWidget*, const QString& title, const QString& suggestion, const QString&)
{
    shown.append({QStringLiteral("save"), suggestion, title});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

bool ScriptedInteraction::choosePrinter(QWidget*, QPrinter&)
{
    shown.append({QStringLiteral("printer"), QString(), QString()});
    return !printerAnswers.isEmpty() && printerAnswers.dequeue();
}

int ScriptedInteraction::showModal(QDialog& dialog)
{
    shown.append({QStringLiteral("modal"), dialog.objectName(), dialog.windowTitle()});
    if (modalScripts.isEmpty())
        return QDialog::Rejected;
    return modalScripts.dequeue()(dialog);
}

QStringList ScriptedInteraction::texts(const QString& kind) const
{
    QStringList result;
    for (const Shown& s : shown)
        if (s.kind == kind)
            result.append(s.text);
    return result;
}
