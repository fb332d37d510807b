// velinor-cli: batch access to the program's core without a display.

#include "app/file_version.h"
#include "cli/cli_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>

namespace {

const QCommandLineOption HomeOption(QStringLiteral("home"), QString(), QStringLiteral("MAP"));
const QCommandLineOption HelpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption VersionOption(QStringLiteral("version"));

// Numbers in Dutch whatever the terminal's language, and the parser's own
// messages ("Onbekende optie") from Qt's Dutch translation.
void useDutch(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Dutch), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

// Qt's own warnings (a missing runtime folder, a font substituted) are meant for developers and
// would mix English into the tool's messages; what stops the work is still said.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "velinor-cli: " << message << '\n';
}

int globalUsageError(QTextStream& err, const QString& problem)
{
    err << "velinor-cli: " << problem << "\nMeer uitleg: velinor-cli --help\n";
    return CliUsageError;
}

const CliCommand* findCommand(const QString& name)
{
    const auto& commands = CliCommands();
    const auto found = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

// Parses the command's own arguments (after its name) and runs it.
int runCommand(const CliCommand& command, const QStringList& arguments, const QString& globalHome, QTextStream& out,
               QTextStream& err)
{
    QCommandLineParser parser;
    parser.addOptions(command.options);
    parser.addOption(HomeOption);
    parser.addOption(HelpOption);
    const bool parsed = parser.parse(QStringList{QStringLiteral("velinor-cli")} + arguments);
    if (parsed && parser.isSet(HelpOption)) {
        out << commandHelp(command);
        return 0;
    }
    if (!parsed)
        return commandUsageError(command, err, parser.errorText());
    const qsizetype count = parser.positionalArguments().size();
    if (count < command.minArguments || (command.maxArguments >= 0 && count > command.maxArguments))
        return commandUsageError(command, err, QStringLiteral("Verkeerd aantal argumenten."));
    const QString home = parser.isSet(HomeOption) ? parser.value(HomeOption) : globalHome;
    CliContext context(command, ProgramFolder::choose(home, QCoreApplication::applicationDirPath()), out, err);
    if (const QString problem = context.folder.problem(); !problem.isEmpty())
        return context.fail(problem, CliUsageError);
    if (const QString told = context.folder.dataMessage(); !told.isEmpty())
        err << told << '\n';
    return command.run(parser, context);
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessage);
    QGuiApplication app(argc, argv);
    useDutch(app);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Global options stand before the command; everything from the command on is the command's.
    QCommandLineParser global;
    global.addOptions({HomeOption, HelpOption, VersionOption});
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!global.parse(QCoreApplication::arguments()))
        return globalUsageError(err, global.errorText());
    if (global.isSet(VersionOption)) {
        out << "velinor-cli " << ProgramVersion() << '\n';
        return 0;
    }
    const QStringList rest = global.positionalArguments();
    if (global.isSet(HelpOption)) {
        out << overviewHelp();
        return 0;
    }
    if (rest.isEmpty())
        return globalUsageError(err, QStringLiteral("Geef een opdracht."));
    const CliCommand* command = findCommand(rest.first());
    if (!command)
        return globalUsageError(err, QStringLiteral("Onbekende opdracht: %1").arg(rest.first()));
    const int status = runCommand(*command, rest.mid(1), global.value(HomeOption), out, err);
    out.flush();
    err.flush();
    return status;
}
