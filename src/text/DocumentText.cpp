#include "DocumentText.h"

#include "Utf8Text.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

// An XML declaration is short; one that runs on is not looked into any further.
constexpr qsizetype kLongestDeclaration = 512;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == ':';
}

qsizetype SkipSpaces(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    return at;
}

// UTF-16 by its byte order mark, or by "<?" written in two bytes a character.
std::optional<QStringConverter::Encoding> Utf16Of(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArrayView("<\0?\0", 4)))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArrayView("\0<\0?", 4)))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Bytes that spell "<?xml" cannot be UTF-16 or UTF-32, whatever the declaration claims; UTF-8
// goes the way of undeclared documents.
bool ReadsAsUtf8(const char* name)
{
    const QByteArrayView canonical(name);
    return canonical == "UTF-8" || canonical.startsWith("UTF-16") || canonical.startsWith("UTF-32");
}

QString FromUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    const QString text = decoder(bytes);
    // Escapes stand for bytes; in a two-byte document they can only have meant UTF-8 ones.
    return text.contains(QLatin1Char('%')) ? Utf8Text::DecodeUTF8(text.toUtf8()) : text;
}

} // namespace

QByteArray DocumentText::DeclaredEncoding(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(std::min(bytes.size(), kLongestDeclaration));
    if (!head.startsWith("<?xml"))
        return {};
    const qsizetype end = head.indexOf("?>");
    const QByteArrayView declaration = head.first(end < 0 ? 0 : end);
    const qsizetype key = declaration.indexOf("encoding");
    if (key < 0)
        return {};
    qsizetype at = SkipSpaces(declaration, key + 8);
    if (at >= declaration.size() || declaration[at] != '=')
        return {};
    at = SkipSpaces(declaration, at + 1);
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const qsizetype close = declaration.indexOf(declaration[at], at + 1);
    if (close < 0)
        return {};
    const QByteArrayView name = declaration.sliced(at + 1, close - at - 1);
    if (name.isEmpty() || !std::all_of(name.begin(), name.end(), IsNameCharacter))
        return {};
    return name.toByteArray();
}

QString DocumentText::Decode(QByteArrayView bytes)
{
    if (const std::optional<QStringConverter::Encoding> utf16 = Utf16Of(bytes))
        return FromUtf16(bytes, *utf16);
    // A byte order mark or no declaration: UTF-8, which the decoder takes with its mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Utf8Text::DecodeUTF8(bytes);
    // Most documents say UTF-8 or nothing: they go without looking up a converter.
    const QByteArray name = DeclaredEncoding(bytes);
    if (name.isEmpty() || name.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return Utf8Text::DecodeUTF8(bytes);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid() || ReadsAsUtf8(decoder.name()))
        return Utf8Text::DecodeUTF8(bytes);
    if (bytes.contains('%'))
        return decoder.decode(Utf8Text::UndoPercentEscapes(bytes));
    return decoder.decode(bytes);
}
