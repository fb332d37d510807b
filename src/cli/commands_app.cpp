// velinor-cli commands of the application frame.

#include "app/file_version.h"
#include "cli/cli_command.h"

#include <QFileInfo>

namespace {

const CliRegistration folderCommand({
    QStringLiteral("folder"),
    QString(),
    QStringLiteral("toon de programmamap en welke gegevensmappen er zijn"),
    [](const QStringList& arguments, CliContext& context) {
        if (!arguments.isEmpty()) {
            context.err << "Gebruik: velinor-cli folder\n";
            return CliUsageError;
        }
        context.out << "Programmamap: " << context.folder.root() << '\n';
        for (const QString& name : {QStringLiteral("Data"), QStringLiteral("Images"), QStringLiteral("Supplementen"),
                                    QStringLiteral("help")}) {
            const QString path = context.folder.path(name);
            context.out << "  " << name.leftJustified(14) << (QFileInfo(path).isDir() ? path : QStringLiteral("(ontbreekt)"))
                        << '\n';
        }
        return 0;
    },
});

} // namespace
