#include "ValueFormatter.h"

#include "DatePattern.h"
#include "DateText.h"
#include "LocaleNumbers.h"
#include "PlainNumber.h"
#include "TextCleanup.h"

#include <QDateTime>
#include <algorithm>

namespace {

// A time of day alone stands on the first day of the date-time count.
const QDate kDayZero(1899, 12, 30);

void ReplaceNoCase(QString& text, const QString& piece, const QString& by)
{
    if (!piece.isEmpty())
        text.replace(piece, by, Qt::CaseInsensitive);
}

// A date holds two of the same separator; one "-" or "." belongs to a number such as -1.5.
bool HasDateSeparators(const QString& text)
{
    return text.count(QLatin1Char('-')) >= 2 || text.count(QLatin1Char('.')) >= 2;
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

} // namespace

ValueFormatter::ValueFormatter(const TemplateFormats& formats)
    : ValueFormatter(formats, LocaleNumbers::Symbols())
{
}

ValueFormatter::ValueFormatter(const TemplateFormats& formats, const NumberSymbols& symbols)
    : m_formats(formats), m_symbols(symbols)
{
}

QString ValueFormatter::Text(const QVariant& value) const
{
    switch (value.typeId()) {
    case QMetaType::QTime:
        return TextCleanup::TrimSpaces(
            DatePattern::Format(kDayZero, value.toTime(), m_formats.timePattern));
    case QMetaType::QDate:
        return TextCleanup::TrimSpaces(
            DatePattern::Format(value.toDate(), QTime(0, 0), m_formats.datePattern));
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return TextCleanup::TrimSpaces(
            DatePattern::Format(moment.date(), moment.time(), m_formats.datePattern));
    }
    default:
        return TextCleanup::TrimSpaces(PlainText(value.toString()));
    }
}

QString ValueFormatter::Text(const QString& value) const
{
    return TextCleanup::TrimSpaces(PlainText(value));
}

QString ValueFormatter::PlainText(const QString& value) const
{
    // Plain digits need no rule: they are a number that no replacement changes.
    if (AllDigits(value))
        return value;
    if (const std::optional<QDateTime> moment = DateOf(value))
        return DatePattern::Format(moment->date(), moment->time(), m_formats.datePattern);
    if (LocaleNumbers::IsNumber(value, m_symbols))
        return NumberText(value);
    // A text is written whole: what stands before a colon is as much a part of it as what follows.
    return value;
}

std::optional<QDateTime> ValueFormatter::DateOf(const QString& value)
{
    if (!HasDateSeparators(value))
        return std::nullopt;
    const std::optional<DateTimeValue> moment = DateText::Parse(value);
    if (!moment || !moment->date)
        return std::nullopt;
    // In UTC: a date of local time would ask the system for its time zone at every value.
    return QDateTime(*moment->date, moment->time.value_or(QTime(0, 0)), Qt::UTC);
}

QString ValueFormatter::NumberText(const QString& value) const
{
    // The currency goes first: the locale may write the same no-break space between digit groups
    // and before the currency sign, and removing it first would leave the sign behind.
    QString text = value;
    ReplaceNoCase(text, m_symbols.currency, QString());
    ReplaceNoCase(text, m_symbols.currencySign, QString());
    ReplaceNoCase(text, m_symbols.groupSeparator, QString());
    text.remove(QLatin1Char(' '));
    // A number that reads no one exact way ("1.2.3") is written as it stands, never changed.
    const std::optional<QString> plain = PlainNumber::Read(text);
    return plain ? QString(*plain).replace(QLatin1Char('.'), m_formats.decimalSeparator) : value;
}
