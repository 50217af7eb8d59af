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

/// How vypiska-cli runs: its TEMP, variables "NAME=value" added to its environment, a file for
/// its standard output, and what the child does before the program starts.
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
    for (const QString& variable : setup.variables + QStringList("TEMP=" + setup.temp))
        if (!variable.endsWith('='))
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(environment);
    if (!setup.outputFile.isEmpty())
        process.setStandardOutputFile(setup.outputFile);
    process.setChildProcessModifier(setup.inChild ? setup.inChild : [] {});
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
