#pragma once

#include <QProcess>
#include <QStringList>
#include <functional>

/// What a run of vypiska-cli printed and how it ended.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

/// How vypiska-cli runs: with a TEMP of its own, with variables "NAME=value" added to its
/// environment, with its standard output in a file, and with what the child does before it starts.
struct CliSetup {
    QString temp = {};
    QStringList variables = {};
    QString outputFile = {};
    std::function<void()> inChild = {};
};

/// Starts vypiska-cli in the process.
inline void StartCli(QProcess& process, const QStringList& arguments, const CliSetup& setup = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!setup.temp.isEmpty())
        environment.insert(QStringLiteral("TEMP"), setup.temp);
    for (const QString& variable : setup.variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    if (!setup.outputFile.isEmpty())
        process.setStandardOutputFile(setup.outputFile);
    if (setup.inChild)
        process.setChildProcessModifier(setup.inChild);
    process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), arguments);
}

/// Runs vypiska-cli to its end.
inline CliRun Cli(const QStringList& arguments, const CliSetup& setup = {})
{
    QProcess process;
    StartCli(process, arguments, setup);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
