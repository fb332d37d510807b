#pragma once

// The commands of velinor-cli. Each command registers itself from its own
// source file with a static CliRegistration, so adding a command touches no
// other file.

#include "app/program_folder.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

struct CliContext
{
    ProgramFolder folder;
    QTextStream& out;
    QTextStream& err;
};

struct CliCommand
{
    QString name;
    QString arguments;   // e.g. "INVOER.bmp UIT.bmp"
    QString summary;     // one Dutch line for --help
    // Runs the command with the arguments after its name; returns the exit status.
    std::function<int(const QStringList& arguments, CliContext& context)> run;
};

std::vector<CliCommand>& CliCommands();

struct CliRegistration
{
    explicit CliRegistration(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Exit status for wrong arguments (the usage text has been written to context.err).
constexpr int CliUsageError = 2;
