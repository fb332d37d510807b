#pragma once

// Runs velinor-cli (or the program) as a user would, for the tests of its command line.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun
{
    int status = -1;
    QString out, err;
    QByteArray outBytes; // stdout as written, for a file sent there
};

// Runs the program with the arguments and input on its stdin; extra variables are added to the environment.
CliRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& extra = {},
                  const QByteArray& input = {});

// The same for velinor-cli.
CliRun runCli(const QStringList& arguments, const QProcessEnvironment& extra = {}, const QByteArray& input = {});
