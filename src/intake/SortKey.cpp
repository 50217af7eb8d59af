#include "SortKey.h"

#include "DateText.h"

#include <QList>

namespace {

struct Decimal {
    bool negative = false;
    QString integer;
    QString fraction;
};

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

// The text without currency symbols, blanks and the locale's own grouping character.
QString Undecorated(const QString& text, const QLocale& locale)
{
    QString rest = text;
    for (const QString& symbol : {locale.currencySymbol(QLocale::CurrencySymbol),
                                  locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        if (!symbol.isEmpty())
            rest.remove(symbol);
    }
    const QString group = locale.groupSeparator();
    const bool removeGroup = group.size() == 1 && !IsSeparator(group[0]);
    rest.removeIf([&](QChar c) { return c.isSpace() || (removeGroup && c == group[0]); });
    return rest;
}

// Takes a leading or trailing sign, or enclosing parentheses, off the text.
bool TakeSign(QString& text)
{
    if (text.size() > 2 && text.front() == QLatin1Char('(') && text.back() == QLatin1Char(')')) {
        text = text.mid(1, text.size() - 2);
        return true;
    }
    auto isSign = [](QChar c) {
        return c == QLatin1Char('-') || c == QLatin1Char('+') || c == QChar(0x2212);
    };
    if (!text.isEmpty() && isSign(text.front())) {
        const bool negative = text.front() != QLatin1Char('+');
        text.remove(0, 1);
        return negative;
    }
    if (!text.isEmpty() && isSign(text.back())) {
        const bool negative = text.back() != QLatin1Char('+');
        text.chop(1);
        return negative;
    }
    return false;
}

// Grouping separators must stand between groups of three digits; the first group has one to three.
bool GroupsValid(const QList<QStringView>& groups)
{
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3)
            return false;
    }
    return true;
}

// Where the decimal separator stands (-1 when there is none), or nothing when the separators do
// not make a number: one separator is the decimal one; with several, only the last may differ from
// the others, which must stand between groups of three digits.
std::optional<qsizetype> DecimalSeparator(const QString& body, const QList<qsizetype>& separators)
{
    if (separators.size() <= 1)
        return separators.isEmpty() ? -1 : separators.back();
    const qsizetype last = separators.back();
    const QChar group = body[separators.front()];
    const bool lastDiffers = body[last] != group;
    QList<QStringView> groups;
    qsizetype start = 0;
    for (const qsizetype at : separators) {
        if (at == last && lastDiffers)
            break;
        if (body[at] != group)
            return std::nullopt;
        groups.append(QStringView(body).mid(start, at - start));
        start = at + 1;
    }
    groups.append(QStringView(body).mid(start, (lastDiffers ? last : body.size()) - start));
    if (!GroupsValid(groups))
        return std::nullopt;
    return lastDiffers ? last : -1;
}

std::optional<Decimal> ReadNumber(const QString& text, const QLocale& locale)
{
    QString body = Undecorated(text, locale);
    Decimal number;
    number.negative = TakeSign(body);
    QList<qsizetype> separators;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (IsSeparator(body[i]))
            separators.append(i);
        else if (body[i].unicode() < u'0' || body[i].unicode() > u'9')
            return std::nullopt;
    }
    if (separators.size() == body.size())
        return std::nullopt;
    const std::optional<qsizetype> decimal = DecimalSeparator(body, separators);
    if (!decimal)
        return std::nullopt;
    QString integer = *decimal < 0 ? body : body.left(*decimal);
    integer.removeIf(IsSeparator);
    number.fraction = *decimal < 0 ? QString() : body.mid(*decimal + 1);
    while (integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    while (number.fraction.endsWith(QLatin1Char('0')))
        number.fraction.chop(1);
    number.integer = integer;
    if (number.integer.isEmpty() && number.fraction.isEmpty())
        number.negative = false;
    return number;
}

// Milliseconds from the start of the calendar; a time alone counts from 30.12.1899, the day
// that stands for "no date" in date-time values.
qint64 MomentOf(const DateTimeValue& value)
{
    const QDate date = value.date.value_or(QDate(1899, 12, 30));
    const qint64 msecs = value.time ? value.time->msecsSinceStartOfDay() : 0;
    return date.toJulianDay() * 86400000 + msecs;
}

} // namespace

SortKind SortKey::KindOf(const QString& sample, const QLocale& locale)
{
    if (sample.trimmed().isEmpty())
        return SortKind::Text;
    if (ReadNumber(sample, locale))
        return SortKind::Number;
    if (DateText::Parse(sample, locale))
        return SortKind::Date;
    return SortKind::Text;
}

SortKey::SortKey(const QString& text, SortKind kind, const QCollator& collator,
                 const QLocale& locale)
    : m_kind(kind)
{
    if (kind == SortKind::Number) {
        if (const std::optional<Decimal> number = ReadNumber(text, locale)) {
            m_matches = true;
            m_negative = number->negative;
            m_integer = number->integer;
            m_fraction = number->fraction;
        }
    } else if (kind == SortKind::Date) {
        if (const std::optional<DateTimeValue> value = DateText::Parse(text, locale)) {
            m_matches = true;
            m_moment = MomentOf(*value);
        }
    }
    if (!m_matches)
        m_text = collator.sortKey(text);
}

int SortKey::Compare(const SortKey& other) const
{
    if (m_matches != other.m_matches)
        return m_matches ? 1 : -1;
    if (!m_matches)
        return m_text->compare(*other.m_text);
    if (m_kind == SortKind::Date)
        return m_moment < other.m_moment ? -1 : (m_moment > other.m_moment ? 1 : 0);
    return CompareNumbers(other);
}

int SortKey::CompareNumbers(const SortKey& other) const
{
    if (m_negative != other.m_negative)
        return m_negative ? -1 : 1;
    int magnitude = 0;
    if (m_integer.size() != other.m_integer.size())
        magnitude = m_integer.size() < other.m_integer.size() ? -1 : 1;
    else
        magnitude = m_integer.compare(other.m_integer);
    if (magnitude == 0)
        magnitude = m_fraction.compare(other.m_fraction);
    const int sign = magnitude < 0 ? -1 : (magnitude > 0 ? 1 : 0);
    return m_negative ? -sign : sign;
}
