#include "CommandLine.h"

bool CommandLine::Parse(const QStringList& arguments, const QStringList& optionsWithValue)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            m_positionals.append(word);
            continue;
        }
        QString name = word.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (!optionsWithValue.contains(name)) {
            m_error = QStringLiteral("unknown option '--%1'").arg(name);
            return false;
        }
        if (equals < 0) {
            if (++i >= arguments.size()) {
                m_error = QStringLiteral("option '--%1' needs a value").arg(name);
                return false;
            }
            value = arguments[i];
        }
        m_options.insert(name, value);
    }
    return true;
}

QString CommandLine::Option(const QString& name, const QString& fallback) const
{
    return m_options.value(name, fallback);
}
