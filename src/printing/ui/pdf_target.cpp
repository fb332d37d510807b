#include "printing/ui/pdf_target.h"

#include "app/ui/interaction.h"

#include <QFileInfo>

std::optional<QString> confirmPdfPath(Interaction& interaction, QWidget* parent, QString path)
{
    while (!path.isEmpty() && QFileInfo::exists(path)) {
        if (interaction.askYesNo(parent, QStringLiteral("Het bestand %1 bestaat al. Overschrijven?").arg(path),
                                 QStringLiteral(" Opslaan als PDF"), Interaction::Icon::Question))
            return path;
        path = interaction.saveFileName(parent, QStringLiteral("Opslaan als PDF"), path, QStringLiteral("PDF (*.pdf)"));
    }
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
