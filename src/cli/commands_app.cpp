// velinor-cli commands of the application frame.

#include "cli/cli_command.h"

#include <QFileInfo>

namespace {

const CliRegistration folderCommand({
    .name = QStringLiteral("folder"),
    .usage = {QString()},
    .summary = QStringLiteral("toon de programmamap en welke gegevensmappen er zijn"),
    .run =
        [](const QCommandLineParser&, CliContext& context) {
            context.out << "Programmamap: " << context.folder.root() << '\n';
            for (const QString& name : {QStringLiteral("Data"), QStringLiteral("Images"),
                                        QStringLiteral("Supplementen"), QStringLiteral("help")}) {
                const QString path = context.folder.path(name);
                context.out << "  " << name.leftJustified(14)
                            << (QFileInfo(path).isDir() ? path : QStringLiteral("(ontbreekt)")) << '\n';
            }
            return 0;
        },
});

} // namespace
