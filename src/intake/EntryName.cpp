#include "EntryName.h"

#include "Cp866Codec.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool IsDriveLetter(const QString& component)
{
    return component.size() >= 2 && component[0].unicode() < 0x80 && component[0].isLetter() &&
           component[1] == QLatin1Char(':');
}

} // namespace

QString EntryName::Decode(QByteArrayView raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = utf8.decode(raw);
    if (!utf8.hasError())
        return name;
    return Cp866Codec::Decode(raw);
}

std::optional<EntryPath> EntryName::Split(const QString& name)
{
    if (name.isEmpty() || IsSeparator(name.front()))
        return std::nullopt;
    EntryPath path;
    QString rest = name;
    path.isFolder = IsSeparator(rest.back());
    if (path.isFolder)
        rest.chop(1);
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    path.components = rest.split(separators);
    if (IsDriveLetter(path.components.front()) || path.components.contains(QStringLiteral("..")))
        return std::nullopt;
    return path;
}
