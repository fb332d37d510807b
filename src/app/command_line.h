#pragma once

// The options both executables share: --home DIR, --help, --version, and the
// program's own flags. Anything unknown is an error that the caller reports
// with its Dutch usage text and exit status 2.

#include <QString>
#include <QStringList>

struct CommandLine
{
    QString home;           // --home DIR or --home=DIR
    QStringList flags;      // the accepted flags that were given, e.g. "--no-splash"
    QStringList positional; // everything that is not an option
    bool help = false;
    bool version = false;
    QString error; // the first problem found; empty when the line is fine

    bool has(const QString& flag) const { return flags.contains(flag); }
};

// Parses the arguments after the program name. acceptedFlags are the flags
// without a value this program knows besides --help and --version.
CommandLine ParseCommandLine(const QStringList& arguments, const QStringList& acceptedFlags);
