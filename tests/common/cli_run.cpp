#include "common/cli_run.h"

#include <QProcess>

CliRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& extra,
                  const QByteArray& input)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : extra.keys()) {
        // An empty value takes the variable away, as for a machine without a display.
        if (extra.value(name).isEmpty())
            environment.remove(name);
        else
            environment.insert(name, extra.value(name));
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    // Closed even when empty, so a program that reads stdin sees its end instead of waiting.
    process.closeWriteChannel();
    process.waitForFinished(120000);
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()), out};
}

CliRun runCli(const QStringList& arguments, const QProcessEnvironment& extra, const QByteArray& input)
{
    return runProgram(QStringLiteral(VELINOR_CLI), arguments, extra, input);
}
