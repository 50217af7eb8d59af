#include "TextCleanup.h"

#include "TextCoderError.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

QString TextCleanup::LimDigit(qint32 value, qint32 width)
{
    if (width < 0)
        throw TextCoderError::InvalidArgument();
    const QString padded = QString(width, QLatin1Char('0')) + QString::number(value);
    return padded.right(width);
}

QString TextCleanup::SpaceCompress(const QString& text)
{
    QString result = text;
    result.replace(QLatin1Char('\t'), QLatin1Char(' '));
    while (result.contains(QLatin1String("  ")))
        result.replace(QLatin1String("  "), QLatin1String(" "));
    return result;
}

QString TextCleanup::AntiNull(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    const QLocale locale;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return locale.toString(value.toDouble(), 'g', 15);
    case QMetaType::Int:
    case QMetaType::LongLong:
        return locale.toString(value.toLongLong());
    case QMetaType::QDate:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::QDateTime:
        return locale.toString(value.toDateTime(), QLocale::ShortFormat);
    default:
        return value.toString();
    }
}

QString TextCleanup::ReplacePunctuation(QString& text)
{
    // No replacement creates a mark that another one removes, so one pass over the text is enough.
    static const QString kRemoved = QStringLiteral("!@#$%^&*()_-+={[}]|\\;:'\"<.,/?`~«»");
    static const QString kToSpace = QStringLiteral("_-/");
    QString result;
    result.reserve(text.size());
    for (const QChar c : std::as_const(text)) {
        if (kToSpace.contains(c))
            result.append(QLatin1Char(' '));
        else if (!kRemoved.contains(c))
            result.append(c);
    }
    text = result;
    return result;
}

QString TextCleanup::TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    // Most values have nothing to trim: they are returned without a copy.
    return first == 0 && last == text.size() ? text : text.mid(first, last - first);
}

double TextCleanup::GetDigit(double number, int position)
{
    const double p = std::pow(10.0, position);
    const double q = std::pow(10.0, position - 1);
    return std::floor(std::floor(number - std::floor(number / p) * p) / q);
}
