#include "DecimalFactor.h"

#include <QList>

std::optional<DecimalFactor::Decimal> DecimalFactor::Read(QStringView text, bool signAllowed)
{
    Decimal number;
    if (signAllowed && (text.startsWith(u'-') || text.startsWith(u'+'))) {
        number.negative = text.front() == u'-';
        text = text.sliced(1);
    }
    bool separated = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            number.digits.append(char(c.unicode()));
            number.scale += separated ? 1 : 0;
        } else if ((c == u'.' || c == u',') && !separated) {
            separated = true;
            number.separator = c;
        } else {
            return std::nullopt;
        }
    }
    if (number.digits.isEmpty())
        return std::nullopt;
    return number;
}

std::optional<DecimalFactor> DecimalFactor::Parse(QStringView text)
{
    const std::optional<Decimal> number = Read(text, false);
    if (!number)
        return std::nullopt;
    DecimalFactor factor;
    factor.m_factor = *number;
    return factor;
}

QByteArray DecimalFactor::Multiply(const QByteArray& a, const QByteArray& b)
{
    QList<int> sums(a.size() + b.size(), 0);
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        for (qsizetype j = b.size() - 1; j >= 0; --j) {
            const int sum = sums[i + j + 1] + (a[i] - '0') * (b[j] - '0');
            sums[i + j + 1] = sum % 10;
            sums[i + j] += sum / 10;
        }
    }
    QByteArray digits;
    digits.reserve(sums.size());
    for (const int digit : sums)
        digits.append(char('0' + digit));
    return digits;
}

QString DecimalFactor::Apply(const QString& value) const
{
    const std::optional<Decimal> number = Read(QStringView(value).trimmed(), true);
    if (!number)
        return value;
    QByteArray digits = Multiply(number->digits, m_factor.digits);
    const qsizetype scale = number->scale + m_factor.scale;
    // One digit before the separator, and no zero in front of it unless it is that one.
    if (digits.size() <= scale)
        digits.prepend(QByteArray(scale + 1 - digits.size(), '0'));
    qsizetype zeros = 0;
    while (zeros < digits.size() - scale - 1 && digits[zeros] == '0')
        ++zeros;
    digits.remove(0, zeros);
    QString result = QString::fromLatin1(digits);
    if (scale > 0)
        result.insert(result.size() - scale, number->separator);
    if (number->negative && digits.count('0') != digits.size())
        result.prepend(QLatin1Char('-'));
    return result;
}
