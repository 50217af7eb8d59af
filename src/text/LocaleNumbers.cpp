#include "LocaleNumbers.h"

#include "TextCleanup.h"

#include <QLocale>

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(QStringView text)
{
    for (const QChar c : text) {
        if (!IsAsciiDigit(c))
            return false;
    }
    return !text.isEmpty();
}

// Moves past a run of digits; false when there was none.
bool SkipDigits(QStringView& text)
{
    qsizetype n = 0;
    while (n < text.size() && IsAsciiDigit(text[n]))
        ++n;
    text = text.mid(n);
    return n > 0;
}

bool SkipSign(QStringView& text)
{
    if (text.isEmpty() || (text.front() != QLatin1Char('+') && text.front() != QLatin1Char('-')))
        return false;
    text = text.mid(1);
    return true;
}

// A character that no removal takes away and that no number holds: its presence settles the test.
bool HasForeignCharacter(QStringView text, const NumberSymbols& symbols)
{
    static const QString kNumeric = QStringLiteral("0123456789+-eEdD.,");
    for (const QChar c : text) {
        if (!kNumeric.contains(c) && !c.isSpace() && !symbols.currency.contains(c) &&
            !symbols.currencySign.contains(c) && !symbols.point.contains(c) &&
            !symbols.groupSeparator.contains(c))
            return true;
    }
    return false;
}

void RemoveAll(QString& text, const QString& piece)
{
    if (!piece.isEmpty())
        text.remove(piece);
}

} // namespace

QString LocaleNumbers::LocalPoint()
{
    return QLocale().toString(1.1, 'f', 1).mid(1, 1);
}

QString LocaleNumbers::LocalGrpSpace()
{
    const QString separator = QLocale().toString(1000).mid(1, 1);
    return separator.isEmpty() || separator[0].isDigit() ? QString() : separator;
}

QString LocaleNumbers::LocalCurrency()
{
    const QLocale locale;
    QString currency = locale.toCurrencyString(1.0, QString(), 2);
    currency.remove(locale.toString(1.0, 'f', 2));
    return currency;
}

NumberSymbols LocaleNumbers::Symbols()
{
    return {LocalPoint(), LocalGrpSpace(), LocalCurrency(), QLocale().currencySymbol()};
}

bool LocaleNumbers::IsMultiSeparator(const QString& value, const QString& separator)
{
    return value.indexOf(separator) == value.lastIndexOf(separator);
}

bool LocaleNumbers::IsNumber(const QVariant& value)
{
    return IsNumber(TextCleanup::AntiNull(value), Symbols());
}

bool LocaleNumbers::IsNumber(const QString& text, const NumberSymbols& symbols)
{
    // Plain digits carry no decoration, and most requisites are plain digits.
    if (AllDigits(text))
        return true;
    if (HasForeignCharacter(text, symbols))
        return false;
    // The currency goes before the grouping character: a locale may put the same no-break space
    // between digit groups and before the currency sign.
    QString rest = text;
    RemoveAll(rest, symbols.currency);
    RemoveAll(rest, symbols.currencySign);
    RemoveAll(rest, symbols.point);
    RemoveAll(rest, symbols.groupSeparator);
    rest.remove(QLatin1Char('.'));
    rest.remove(QLatin1Char(','));
    rest.remove(QLatin1Char(' '));
    return IsNumericText(rest);
}

bool LocaleNumbers::IsNumericText(QStringView text)
{
    text = text.trimmed();
    const bool leadingSign = SkipSign(text);
    if (!SkipDigits(text))
        return false;
    if (!text.isEmpty() && QStringLiteral("eEdD").contains(text.front())) {
        text = text.mid(1);
        SkipSign(text);
        if (!SkipDigits(text))
            return false;
    }
    if (!leadingSign)
        SkipSign(text);
    return text.isEmpty();
}
