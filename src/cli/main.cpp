// velinor-cli: batch access to the program's core without a display.

#include "app/command_line.h"
#include "app/file_version.h"
#include "cli/cli_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

namespace {

void printUsage(QTextStream& stream)
{
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    stream << "Gebruik: velinor-cli [--home MAP] OPDRACHT [ARGUMENTEN]\n"
              "        velinor-cli --help | --version\n\n"
              "Opties:\n"
              "  --home MAP   gebruik MAP als programmamap (anders VELINOR_HOME of de map van het programma)\n"
              "  --help       toon deze hulptekst\n"
              "  --version    toon het versienummer\n\n"
              "Opdrachten:\n";
    for (const CliCommand& command : commands) {
        const QString head = command.name + QLatin1Char(' ') + command.arguments;
        stream << "  " << head.leftJustified(40) << ' ' << command.summary << '\n';
    }
    if (commands.empty())
        stream << "  (nog geen)\n";
    stream.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Global options stand before the command; everything after it belongs to the command.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    qsizetype commandAt = 0;
    while (commandAt < arguments.size() && arguments.at(commandAt).startsWith(QLatin1Char('-')))
        commandAt += arguments.at(commandAt) == QLatin1String("--home") ? 2 : 1;
    const CommandLine line = ParseCommandLine(arguments.mid(0, commandAt), {});
    const QStringList rest = arguments.mid(commandAt);
    if (!line.error.isEmpty()) {
        err << line.error << "\n\n";
        printUsage(err);
        return CliUsageError;
    }
    if (line.version) {
        out << "velinor-cli " << ProgramVersion() << '\n';
        return 0;
    }
    if (line.help || rest.isEmpty()) {
        printUsage(line.help ? out : err);
        return line.help ? 0 : CliUsageError;
    }

    const QString name = rest.first();
    const auto& commands = CliCommands();
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.name == name; });
    if (command == commands.end()) {
        err << "Onbekende opdracht: " << name << "\n\n";
        printUsage(err);
        return CliUsageError;
    }
    CliContext context{ProgramFolder::choose(line.home, QCoreApplication::applicationDirPath()), out, err};
    if (const QString problem = context.folder.problem(); !problem.isEmpty()) {
        err << problem << '\n';
        return CliUsageError;
    }
    const int status = command->run(rest.mid(1), context);
    out.flush();
    err.flush();
    return status;
}
