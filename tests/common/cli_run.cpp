#include "common/cli_run.h"

#include <QProcess>

CliRun runCli(const QStringList& arguments, const QProcessEnvironment& extra)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELINOR_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
