#include "DateText.h"

namespace {

// One run of digits taken from the front of the text.
struct Digits {
    int value = 0;
    int count = 0;
};

Digits TakeDigits(QStringView& text)
{
    Digits digits;
    while (!text.isEmpty() && text.front().isDigit() && text.front().unicode() < 0x80 &&
           digits.count < 9) {
        digits.value = digits.value * 10 + (text.front().unicode() - '0');
        ++digits.count;
        text = text.mid(1);
    }
    return digits;
}

bool IsDateSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char('-');
}

// The order of day, month and year in the locale's short date: "dmy", "mdy" or "ymd".
QString FieldOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString order;
    for (const QChar c : format) {
        const QChar field = c.toLower();
        if ((field == QLatin1Char('d') || field == QLatin1Char('m') || field == QLatin1Char('y')) &&
            !order.contains(field))
            order.append(field);
    }
    return order.size() == 3 ? order : QStringLiteral("dmy");
}

int FullYear(const Digits& year)
{
    if (year.count == 4)
        return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

std::optional<QDate> TakeDate(QStringView& text, const QLocale& locale)
{
    const Digits first = TakeDigits(text);
    if (first.count == 0 || text.isEmpty() || !IsDateSeparator(text.front()))
        return std::nullopt;
    const QChar separator = text.front();
    text = text.mid(1);
    const Digits second = TakeDigits(text);
    if (second.count == 0 || text.isEmpty() || text.front() != separator)
        return std::nullopt;
    text = text.mid(1);
    const Digits third = TakeDigits(text);
    const QString order = first.count == 4 ? QStringLiteral("ymd") : FieldOrder(locale);
    const Digits parts[3] = {first, second, third};
    const Digits day = parts[order.indexOf(QLatin1Char('d'))];
    const Digits month = parts[order.indexOf(QLatin1Char('m'))];
    const Digits year = parts[order.indexOf(QLatin1Char('y'))];
    if (day.count > 2 || month.count > 2 || (year.count != 2 && year.count != 4))
        return std::nullopt;
    const QDate date(FullYear(year), month.value, day.value);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> TakeTime(QStringView& text)
{
    const Digits hours = TakeDigits(text);
    if (hours.count == 0 || hours.count > 2 || text.isEmpty() || text.front() != QLatin1Char(':'))
        return std::nullopt;
    text = text.mid(1);
    const Digits minutes = TakeDigits(text);
    Digits seconds;
    if (!text.isEmpty() && text.front() == QLatin1Char(':')) {
        text = text.mid(1);
        seconds = TakeDigits(text);
        if (seconds.count != 2)
            return std::nullopt;
        if (!text.isEmpty() && (text.front() == QLatin1Char('.') || text.front() == QLatin1Char(','))) {
            text = text.mid(1);
            // Fractions of a second are accepted but not kept: no form shows them.
            if (TakeDigits(text).count == 0)
                return std::nullopt;
            while (!text.isEmpty() && text.front().isDigit())
                text = text.mid(1);
        }
    }
    if (minutes.count != 2)
        return std::nullopt;
    const QTime time(hours.value, minutes.value, seconds.value);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

QString LongTimeFormat(const QLocale& locale)
{
    // The time-zone token has no counterpart in the values documents carry.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

} // namespace

std::optional<DateTimeValue> DateText::Parse(QStringView text, const QLocale& locale)
{
    QStringView rest = text.trimmed();
    if (rest.isEmpty() || !rest.front().isDigit())
        return std::nullopt;
    DateTimeValue value;
    QStringView attempt = rest;
    value.date = TakeDate(attempt, locale);
    if (value.date) {
        rest = attempt;
        if (rest.isEmpty())
            return value;
        if (rest.front() != QLatin1Char(' ') && rest.front() != QLatin1Char('T'))
            return std::nullopt;
        rest = rest.mid(1).trimmed();
    }
    value.time = TakeTime(rest);
    if (!value.time || !rest.isEmpty())
        return std::nullopt;
    return value;
}

QString DateText::GeneralForm(const DateTimeValue& value, const QLocale& locale)
{
    const QString time = value.time ? locale.toString(*value.time, LongTimeFormat(locale)) : QString();
    if (!value.date)
        return time;
    const QString date = locale.toString(*value.date, QLocale::ShortFormat);
    if (!value.time || *value.time == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + time;
}
