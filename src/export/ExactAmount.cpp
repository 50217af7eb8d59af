#include "ExactAmount.h"

#include "PlainNumber.h"

#include <algorithm>

namespace {

constexpr int kMaxScale = 18;
constexpr qsizetype kMaxDigits = 36;

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text without the locale's decoration: currency first, since a locale may put the same
// no-break space between digit groups and before its currency sign.
QString Undecorated(QStringView text, const NumberSymbols& symbols)
{
    QString rest = text.toString();
    for (const QString& piece : {symbols.currency, symbols.currencySign, symbols.groupSeparator}) {
        if (!piece.isEmpty())
            rest.remove(piece);
    }
    rest.removeIf(IsBlank);
    return rest;
}

} // namespace

std::optional<ExactAmount> ExactAmount::Read(QStringView text, const NumberSymbols& symbols)
{
    // Most amounts carry no decoration and are read where they stand.
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return IsDigit(c) || c == QLatin1Char('.') || c == QLatin1Char(',') ||
               c == QLatin1Char('-') || c == QLatin1Char('+');
    });
    return plain ? ReadPlain(text) : ReadPlain(Undecorated(text, symbols));
}

std::optional<ExactAmount> ExactAmount::ReadPlain(QStringView text)
{
    const std::optional<QString> plain = PlainNumber::Read(text);
    if (!plain)
        return std::nullopt;
    const QStringView rest(*plain);
    qsizetype at = 0;
    const bool negative = !rest.isEmpty() && rest[0] == QLatin1Char('-');
    if (!rest.isEmpty() && (rest[0] == QLatin1Char('-') || rest[0] == QLatin1Char('+')))
        ++at;
    Wide units = 0;
    int scale = -1;
    qsizetype digits = 0;
    for (; at < rest.size(); ++at) {
        const QChar c = rest[at];
        if (c == QLatin1Char('.') && scale < 0) {
            scale = 0;
            continue;
        }
        if (!IsDigit(c) || ++digits > kMaxDigits)
            return std::nullopt;
        units = units * 10 + (c.unicode() - '0');
        if (scale >= 0 && ++scale > kMaxScale)
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return ExactAmount(negative ? -units : units, std::max(scale, 0));
}

std::optional<ExactAmount::Wide> ExactAmount::Scaled(Wide units, int by)
{
    for (int i = 0; i < by; ++i) {
        if (__builtin_mul_overflow(units, Wide(10), &units))
            return std::nullopt;
    }
    return units;
}

std::optional<ExactAmount> ExactAmount::Plus(const ExactAmount& other) const
{
    const int scale = std::max(m_scale, other.m_scale);
    const std::optional<Wide> left = Scaled(m_units, scale - m_scale);
    const std::optional<Wide> right = Scaled(other.m_units, scale - other.m_scale);
    Wide sum = 0;
    if (!left || !right || __builtin_add_overflow(*left, *right, &sum))
        return std::nullopt;
    return ExactAmount(sum, scale);
}

std::optional<ExactAmount> ExactAmount::Minus(const ExactAmount& other) const
{
    return Plus(ExactAmount(-other.m_units, other.m_scale));
}

int ExactAmount::Compare(const ExactAmount& other) const
{
    const std::optional<ExactAmount> difference = Minus(other);
    if (difference)
        return difference->m_units < 0 ? -1 : difference->m_units > 0 ? 1 : 0;
    // Only amounts of opposite signs far apart overflow their difference.
    return m_units < other.m_units ? -1 : 1;
}

QString ExactAmount::Text(QStringView separator, int minDecimals) const
{
    __extension__ using Unsigned = unsigned __int128;
    Unsigned magnitude = m_units < 0 ? Unsigned(0) - Unsigned(m_units) : Unsigned(m_units);
    // The digits from the last one back, at least one before the decimals read.
    char16_t digits[48];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + int(magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0 || count <= m_scale);
    const int decimals = std::max(m_scale, minDecimals);
    QString text;
    text.reserve(count + decimals - m_scale + separator.size() + 1);
    if (m_units < 0)
        text += QLatin1Char('-');
    for (int i = count - 1; i >= m_scale; --i)
        text += QChar(digits[i]);
    if (decimals == 0)
        return text;
    text += separator;
    for (int i = m_scale - 1; i >= 0; --i)
        text += QChar(digits[i]);
    return text + QString(decimals - m_scale, QLatin1Char('0'));
}
