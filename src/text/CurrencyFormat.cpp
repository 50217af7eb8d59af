#include "CurrencyFormat.h"

#include <algorithm>

namespace {

// Replaces the locale's text of "1" with its decimals by a placeholder, keeping symbol and sign.
QString PatternOf(const QString& formatted, const QString& one)
{
    QString pattern = formatted;
    const qsizetype at = pattern.indexOf(one);
    if (at < 0)
        return QStringLiteral("%1");
    return pattern.replace(at, one.size(), QStringLiteral("%1"));
}

int DecimalsOf(const QLocale& locale)
{
    const QString one = locale.toCurrencyString(1.0);
    const qsizetype point = one.indexOf(locale.decimalPoint());
    if (point < 0)
        return 0;
    int decimals = 0;
    for (qsizetype i = point + 1; i < one.size() && one[i].isDigit(); ++i)
        ++decimals;
    return decimals;
}

} // namespace

CurrencyFormat::CurrencyFormat(const QLocale& locale) : m_locale(locale)
{
    m_decimals = std::min(DecimalsOf(locale), 4);
    const QString one = locale.toString(1.0, 'f', m_decimals);
    m_positive = PatternOf(locale.toCurrencyString(1.0), one);
    m_negative = PatternOf(locale.toCurrencyString(-1.0), one);
}

QString CurrencyFormat::Format(qint64 units) const
{
    const quint64 magnitude = units < 0 ? 0 - static_cast<quint64>(units) : quint64(units);
    return (units < 0 ? m_negative : m_positive).arg(Number(magnitude));
}

QString CurrencyFormat::Number(quint64 magnitude) const
{
    // Ten-thousandths rounded to the locale's decimals, halves away from zero as money is shown.
    quint64 divisor = 1;
    for (int i = m_decimals; i < 4; ++i)
        divisor *= 10;
    const quint64 scaled = magnitude / divisor + (magnitude % divisor * 2 >= divisor ? 1 : 0);
    quint64 fractionDivisor = 1;
    for (int i = 0; i < m_decimals && i < 4; ++i)
        fractionDivisor *= 10;
    QString text = m_locale.toString(static_cast<qulonglong>(scaled / fractionDivisor));
    if (m_decimals > 0) {
        text += m_locale.decimalPoint();
        text += QString::number(scaled % fractionDivisor).rightJustified(m_decimals, QLatin1Char('0'));
    }
    return text;
}
