#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

/// The words after a command: its positional arguments and its "--name value" (or
/// "--name=value") options, checked against the options the command accepts.
class CommandLine {
public:
    /// Splits arguments (without the program name); false with errorString() on a malformed line.
    bool Parse(const QStringList& arguments, const QStringList& optionsWithValue);

    const QStringList& Positionals() const { return m_positionals; }
    QString Option(const QString& name, const QString& fallback = {}) const;
    bool HasOption(const QString& name) const { return m_options.contains(name); }
    QString errorString() const { return m_error; }

private:
    QStringList m_positionals;
    QMap<QString, QString> m_options;
    QString m_error;
};
