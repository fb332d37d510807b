#include "app/command_line.h"

CommandLine ParseCommandLine(const QStringList& arguments, const QStringList& acceptedFlags)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--version")) {
            line.version = true;
        } else if (argument == QLatin1String("--home")) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("Bij --home hoort een map.");
                return line;
            }
            line.home = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--home="))) {
            line.home = argument.mid(7);
        } else if (acceptedFlags.contains(argument)) {
            line.flags.append(argument);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            line.error = QStringLiteral("Onbekende optie: %1").arg(argument);
            return line;
        } else {
            line.positional.append(argument);
        }
    }
    return line;
}
