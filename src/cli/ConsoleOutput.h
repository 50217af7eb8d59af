#pragma once

#include <QString>

/// Writes UTF-8 text to the command line's output streams.
class ConsoleOutput {
public:
    static void Out(const QString& text);
    static void Err(const QString& text);
    /// "vypiska-cli: error: <message>" on stderr.
    static void Error(const QString& message);
};
