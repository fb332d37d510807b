#pragma once

// Runs velinor-cli as a user would, for the tests of its commands.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun
{
    int status = -1;
    QString out, err;
};

// Runs velinor-cli with the arguments; extra variables are added to the environment.
CliRun runCli(const QStringList& arguments, const QProcessEnvironment& extra = {});
