#pragma once

// The commands of velinor-cli. Each command registers itself from its own
// source file with a static CliRegistration, so adding a command touches no
// other file. main.cpp parses a command's options with QCommandLineParser,
// answers --help from the fields below and hands the rest to run().

#include "app/program_folder.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

// Exit status for wrong arguments; failures while working give 1.
constexpr int CliUsageError = 2;

struct CliCommand;

// What a command works with: the program folder and the terminal. Every
// message starts with "velinor-cli:", so it can be told from a file's data.
class CliContext
{
public:
    CliContext(const CliCommand& command, ProgramFolder folder, QTextStream& out, QTextStream& err);

    const ProgramFolder folder;
    QTextStream& out; // the command's data lines

    // A line about what was done: to stdout, or to stderr once stdout carries a file.
    void note(const QString& text);
    // Writes "velinor-cli: text" to stderr and returns the status.
    int fail(const QString& text, int status = 1);
    // The problem, the command's usage and where to read more; returns CliUsageError.
    int usageError(const QString& text);

    // Called before a file goes to stdout: the notes then go to stderr.
    void stdoutCarriesData();

private:
    const CliCommand& m_command;
    QTextStream& m_err;
    bool m_stdoutTaken = false;
};

struct CliCommand
{
    QString name;
    QStringList usage;                   // the forms after the name, e.g. "NAAM INVOER UITVOER"
    QString summary;                     // one Dutch line for the overview
    QList<QCommandLineOption> options{}; // besides --help and --home
    int minArguments = 0;                // positional arguments; maxArguments -1 is any number
    int maxArguments = 0;
    QString notes{}; // more lines for the command's --help
    // Runs the command with its parsed arguments; returns the exit status.
    std::function<int(const QCommandLineParser& call, CliContext& context)> run;
};

std::vector<CliCommand>& CliCommands();

struct CliRegistration
{
    explicit CliRegistration(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Writes the problem, the command's usage and where to read more; returns CliUsageError.
int commandUsageError(const CliCommand& command, QTextStream& err, const QString& text);

// The Dutch text of --help for one command, and the overview of them all.
QString commandHelp(const CliCommand& command);
QString overviewHelp();

// What the help of every command that reads and writes files says about - and --.
QString streamNotes();
