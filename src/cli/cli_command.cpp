#include "cli/cli_command.h"

#include <algorithm>

QString streamNotes()
{
    return QStringLiteral(
        "Een - als invoerafbeelding leest de standaardinvoer, een - als uitvoerbestand schrijft naar de\n"
        "standaarduitvoer (een afbeelding als PNG). Na -- is geen argument meer een optie, ook als het met\n"
        "een - begint; - zelf blijft de standaardinvoer of -uitvoer (./- is een bestand met die naam).\n");
}

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

CliContext::CliContext(const CliCommand& command, ProgramFolder folder, QTextStream& out, QTextStream& err)
    : folder(std::move(folder))
    , out(out)
    , m_command(command)
    , m_err(err)
{}

void CliContext::note(const QString& text)
{
    if (m_stdoutTaken)
        m_err << "velinor-cli: " << text << '\n';
    else
        out << text << '\n';
}

int CliContext::fail(const QString& text, int status)
{
    m_err << "velinor-cli: " << text << '\n';
    m_err.flush();
    return status;
}

int CliContext::usageError(const QString& text)
{
    return commandUsageError(m_command, m_err, text);
}

void CliContext::stdoutCarriesData()
{
    out.flush();
    m_stdoutTaken = true;
}

namespace {

QString optionHead(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString head = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        head += QLatin1Char(' ') + option.valueName();
    return head;
}

QString optionLine(const QString& head, const QString& description)
{
    return QStringLiteral("  ") + head.leftJustified(20) + QLatin1Char(' ') + description + QLatin1Char('\n');
}

} // namespace

int commandUsageError(const CliCommand& command, QTextStream& err, const QString& text)
{
    err << "velinor-cli: " << text << '\n';
    for (const QString& form : command.usage)
        err << "Gebruik: velinor-cli " << command.name << (form.isEmpty() ? "" : " ") << form << '\n';
    err << "Meer uitleg: velinor-cli " << command.name << " --help\n";
    err.flush();
    return CliUsageError;
}

QString commandHelp(const CliCommand& command)
{
    QString text;
    for (qsizetype i = 0; i < command.usage.size(); ++i) {
        const QString& form = command.usage.at(i);
        text += (i == 0 ? QStringLiteral("Gebruik: ") : QStringLiteral("         ")) + QStringLiteral("velinor-cli ") +
                command.name + (form.isEmpty() ? QString() : QLatin1Char(' ') + form) + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + command.summary.left(1).toUpper() + command.summary.mid(1) +
            QStringLiteral(".\n\nOpties:\n");
    for (const QCommandLineOption& option : command.options)
        text += optionLine(optionHead(option), option.description());
    text += optionLine(QStringLiteral("--home MAP"), QStringLiteral("gebruik MAP als programmamap"));
    text += optionLine(QStringLiteral("-h, --help"), QStringLiteral("toon deze hulptekst"));
    if (!command.notes.isEmpty())
        text += QLatin1Char('\n') + command.notes;
    return text;
}

QString overviewHelp()
{
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    QString text = QStringLiteral("Gebruik: velinor-cli [--home MAP] OPDRACHT [ARGUMENTEN]\n"
                                  "         velinor-cli --help | --version\n\n"
                                  "Opties:\n");
    text +=
        optionLine(QStringLiteral("--home MAP"),
                   QStringLiteral("gebruik MAP als programmamap (anders VELINOR_HOME of de map van het programma)"));
    text += optionLine(QStringLiteral("-h, --help"), QStringLiteral("toon deze hulptekst"));
    text += optionLine(QStringLiteral("--version"), QStringLiteral("toon het versienummer"));
    text += QStringLiteral("\nOpdrachten:\n");
    for (const CliCommand& command : commands)
        text += QStringLiteral("  ") + command.name.leftJustified(14) + QLatin1Char(' ') + command.summary +
                QLatin1Char('\n');
    text += QStringLiteral("\n'velinor-cli OPDRACHT --help' toont de argumenten en opties van een opdracht.\n"
                           "De afsluitcode is 0 bij succes, 1 als het werk mislukte en 2 bij verkeerde argumenten.\n");
    return text;
}
