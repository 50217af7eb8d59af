#pragma once

#include <QProcess>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

/// What a run of vypiska-cli printed and how it ended.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

/// Runs vypiska-cli, with TEMP of its own when given; a limited run may write files of at most
/// 4096 bytes, so that a larger write fails halfway the way it does on a full disk.
inline CliRun Cli(const QStringList& arguments, const QString& temp = {}, bool limited = false)
{
    QProcess process;
    if (!temp.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TEMP"), temp);
        process.setProcessEnvironment(environment);
    }
    if (limited) {
        process.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

/// Runs vypiska-cli with these variables, "NAME=value" each, added to its environment.
inline CliRun CliWithEnvironment(const QStringList& arguments, const QStringList& variables)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
