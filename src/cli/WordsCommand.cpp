#include "WordsCommand.h"

#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "TextCoder.h"
#include "Usage.h"

#include <QRegularExpression>
#include <limits>

std::optional<qint64> ParseWordsAmount(const QString& text)
{
    static const QRegularExpression kAmount(QStringLiteral("^([0-9]+)(?:[.,]([0-9]+))?$"));
    const QRegularExpressionMatch match = kAmount.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = (match.captured(2) + QStringLiteral("0000")).left(4);
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 units = 0;
    for (const QChar c : match.captured(1) + fraction) {
        const int digit = c.unicode() - '0';
        if (units > (kMax - digit) / 10)
            return std::nullopt;
        units = units * 10 + digit;
    }
    return units;
}

int WordsCommand(const QStringList& arguments)
{
    CommandLine line;
    if (!line.Parse(arguments, {}))
        return UsageError(line.errorString());
    if (line.Positionals().size() != 1)
        return UsageError(QStringLiteral("words takes exactly one AMOUNT"));
    const QString text = line.Positionals().first();
    const std::optional<qint64> amount = ParseWordsAmount(text);
    if (!amount) {
        ConsoleOutput::Error(QStringLiteral("'%1' is not an amount: expected digits with '.' or "
                                            "',' before the fraction, at most %2")
                                 .arg(text, QStringLiteral("922337203685477.5807")));
        return 2;
    }
    ConsoleOutput::Out(TextCoder::Shared().StringSumm(*amount) + QLatin1Char('\n'));
    return 0;
}
