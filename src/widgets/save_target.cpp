#include "widgets/save_target.h"

#include "app/save_path.h"
#include "widgets/interaction.h"

#include <QFileInfo>

std::optional<QString> confirmSaveTarget(Interaction& interaction, QWidget* parent, const SaveTarget& target,
                                         QString path)
{
    while (!path.isEmpty()) {
        path = SavePath::withExtension(path, target.extensions);
        if (!QFileInfo::exists(path))
            return path;
        if (interaction.askYesNo(parent, QStringLiteral("Het bestand %1 bestaat al. Overschrijven?").arg(path),
                                 target.questionTitle, Interaction::Icon::Question, Interaction::Default::No))
            return path;
        path = interaction.saveFileName(parent, target.title, path, target.filter);
    }
    return std::nullopt;
}

std::optional<QString> askSaveTarget(Interaction& interaction, QWidget* parent, const SaveTarget& target,
                                     const QString& suggestion)
{
    return confirmSaveTarget(interaction, parent, target,
                             interaction.saveFileName(parent, target.title, suggestion, target.filter));
}
