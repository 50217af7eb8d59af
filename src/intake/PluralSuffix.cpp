#include "PluralSuffix.h"

namespace {

// The count that decides the ending: 11 to 14 end like 5 whatever comes before them.
qint64 ReducedCount(qint64 count)
{
    const qint64 lastTwo = count % 100;
    if (lastTwo >= 11 && lastTwo <= 14)
        return lastTwo;
    return count % 10;
}

} // namespace

QString PluralSuffix(const QString& word, qint64 count, int kind)
{
    const qint64 d = ReducedCount(count < 0 ? -count : count);
    if (d == 1)
        return word;
    const bool few = d >= 2 && d <= 4;
    switch (kind) {
    case 0:
        return word + QStringLiteral("о");
    case 1:
        return word + (few ? QStringLiteral("а") : QStringLiteral("ы"));
    default:
        return word + (few ? QStringLiteral("а") : QStringLiteral("ов"));
    }
}
