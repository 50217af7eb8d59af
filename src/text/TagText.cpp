#include "TagText.h"

#include "TextCoderError.h"

#include <QVarLengthArray>
#include <cmath>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// "<name>" or "</name>" built on the stack: a read cycle looks tags up millions of times.
using TagBuffer = QVarLengthArray<QChar, 64>;

QStringView Tag(TagBuffer& buffer, QLatin1StringView start, QStringView name)
{
    buffer.clear();
    for (const char c : start)
        buffer.append(QLatin1Char(c));
    buffer.append(name.data(), name.size());
    buffer.append(QLatin1Char('>'));
    return QStringView(buffer.data(), buffer.size());
}

QString OpeningTag(QStringView name)
{
    return QLatin1Char('<') + name.toString() + QLatin1Char('>');
}

QString ClosingTag(QStringView name)
{
    return QLatin1String("</") + name.toString() + QLatin1Char('>');
}

} // namespace

QString TagText::ReadTag(QStringView totalText, QStringView tagName)
{
    return TagContent(totalText, tagName).toString();
}

QStringView TagText::TagContent(QStringView totalText, QStringView tagName)
{
    TagBuffer buffer;
    const QStringView opening = Tag(buffer, QLatin1StringView("<"), tagName);
    const qsizetype open = totalText.indexOf(opening);
    if (open < 0)
        return {};
    const QStringView rest = totalText.mid(open + opening.size());
    qsizetype close = rest.indexOf(Tag(buffer, QLatin1StringView("</"), tagName));
    if (close < 0)
        close = rest.indexOf(QLatin1String("</"));
    if (close < 0)
        return {};
    QStringView content = rest.left(close);
    if (content.startsWith(kCrLf))
        content = content.mid(2);
    if (content.endsWith(kCrLf))
        content.chop(2);
    return content;
}

QString TagText::MakeTag(const QString& tagName, const QString& tagContent, double level)
{
    if (std::isnan(level) || level < 0)
        throw TextCoderError::InvalidArgument();
    // Rounding halves to the even neighbour, as the level's whole-number conversion does.
    const auto tabs = static_cast<qsizetype>(std::nearbyint(level));
    if (tabs > 0)
        return OpeningTag(tagName) + kCrLf + QString(tabs, QLatin1Char('\t')) + tagContent + kCrLf +
               ClosingTag(tagName);
    return OpeningTag(tagName) + tagContent + ClosingTag(tagName);
}
