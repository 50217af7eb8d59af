#include "DatePattern.h"

namespace {

QString Padded(int value, qsizetype width)
{
    return width > 1 ? QString::number(value).rightJustified(width, QLatin1Char('0'))
                     : QString::number(value);
}

// No token takes more than four letters of a run.
constexpr qsizetype kLongestToken = 4;

// How many times the letter at the front repeats, whatever its case, up to the longest token:
// counting a long run out for every token of it would take time by the square of its length.
qsizetype RunLength(QStringView pattern)
{
    const QChar letter = pattern.front().toLower();
    qsizetype n = 1;
    while (n < pattern.size() && n < kLongestToken && pattern[n].toLower() == letter)
        ++n;
    return n;
}

struct Token {
    QString text;
    qsizetype length = 1;
    bool isHour = false;
};

Token MonthOrMinute(qsizetype run, bool afterHour, const QDate& date, const QTime& time,
                    const QLocale& locale)
{
    if (run >= 4)
        return {locale.monthName(date.month(), QLocale::LongFormat), 4};
    if (run == 3)
        return {locale.monthName(date.month(), QLocale::ShortFormat), 3};
    return {Padded(afterHour ? time.minute() : date.month(), run), run};
}

Token Year(qsizetype run, const QDate& date)
{
    if (run >= 4)
        return {Padded(date.year(), 4), 4};
    if (run >= 2)
        return {Padded(date.year() % 100, 2), 2};
    return {QString::number(date.dayOfYear()), 1};
}

Token Day(qsizetype run, const QDate& date, const QLocale& locale)
{
    if (run >= 4)
        return {locale.dayName(date.dayOfWeek(), QLocale::LongFormat), 4};
    if (run == 3)
        return {locale.dayName(date.dayOfWeek(), QLocale::ShortFormat), 3};
    return {Padded(date.day(), run), run};
}

// The token at the front of the pattern, or an empty length-0 token for a copied character.
Token NextToken(QStringView pattern, bool afterHour, const QDate& date, const QTime& time,
                const QLocale& locale)
{
    const qsizetype run = RunLength(pattern);
    const qsizetype two = std::min<qsizetype>(run, 2);
    switch (pattern.front().toLower().unicode()) {
    case 'd':
        return Day(run, date, locale);
    case 'm':
        return MonthOrMinute(run, afterHour, date, time, locale);
    case 'y':
        return Year(run, date);
    case 'h':
        return {Padded(time.hour(), two), two, true};
    case 'n':
        return {Padded(time.minute(), two), two};
    case 's':
        return {Padded(time.second(), two), two};
    default:
        return {QString(), 0};
    }
}

} // namespace

QString DatePattern::Format(const QDate& date, const QTime& time, QStringView pattern,
                            const QLocale& locale)
{
    QString text;
    bool afterHour = false;
    while (!pattern.isEmpty()) {
        const Token token = NextToken(pattern, afterHour, date, time, locale);
        if (token.length == 0) {
            text += pattern.front();
            pattern = pattern.mid(1);
            continue;
        }
        text += token.text;
        afterHour = token.isHour;
        pattern = pattern.mid(token.length);
    }
    return text;
}
