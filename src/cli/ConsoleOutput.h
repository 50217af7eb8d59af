#pragma once

#include <QString>

/// Writes UTF-8 text to the command line's output streams, and remembers whether everything
/// meant for standard output got there.
class ConsoleOutput {
public:
    /// Takes /dev/null in place of any of the three standard streams the process was started
    /// without, so that no file opened later takes its number and receives the output; a missing
    /// standard output counts as failed. Called first thing.
    static void HoldStandardStreams();
    /// Writes to standard output; false once any write to it has failed, and nothing more is
    /// written then.
    static bool Out(const QString& text);
    static void Err(const QString& text);
    /// "vypiska-cli: error: <message>" on stderr.
    static void Error(const QString& message);
    /// Flushes and closes standard output; false when that or any write before failed, after
    /// saying so on stderr.
    static bool CloseOut();
};
