#include "XmlEntities.h"

#include <optional>

namespace {

constexpr QStringView kCdataStart = u"<![CDATA[";
constexpr QStringView kCdataEnd = u"]]>";
// "&#x10FFFF;" is the longest reference worth reading.
constexpr qsizetype kLongestReference = 10;

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

int DigitValue(QChar c, bool hex)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (hex && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (hex && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The character of "#digits" or "#xhex" (given without the "#"); a reference is never longer than
// kLongestReference, so the code cannot overflow.
std::optional<char32_t> CharacterReference(QStringView digits)
{
    const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
    if (hex)
        digits = digits.sliced(1);
    if (digits.isEmpty())
        return std::nullopt;
    quint64 code = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c, hex);
        if (digit < 0)
            return std::nullopt;
        code = code * (hex ? 16 : 10) + quint64(digit);
    }
    if (code > 0x10FFFF || !IsXmlCharacter(char32_t(code)))
        return std::nullopt;
    return char32_t(code);
}

// The text an entity between "&" and ";" stands for; nothing when it is not one we know.
std::optional<QString> EntityText(QStringView name)
{
    if (name == u"lt")
        return QStringLiteral("<");
    if (name == u"gt")
        return QStringLiteral(">");
    if (name == u"amp")
        return QStringLiteral("&");
    if (name == u"quot")
        return QStringLiteral("\"");
    if (name == u"apos")
        return QStringLiteral("'");
    if (!name.startsWith(u'#'))
        return std::nullopt;
    const std::optional<char32_t> code = CharacterReference(name.sliced(1));
    if (!code)
        return std::nullopt;
    return QString::fromUcs4(&*code, 1);
}

// The length of the entity or character reference at the start of rest, with the text it stands
// for; 0 when rest starts with none.
qsizetype Reference(QStringView rest, QString& text)
{
    const qsizetype semicolon =
        rest.first(std::min(rest.size(), kLongestReference + 1)).indexOf(u';');
    if (semicolon < 0)
        return 0;
    const std::optional<QString> resolved = EntityText(rest.sliced(1, semicolon - 1));
    if (!resolved)
        return 0;
    text = *resolved;
    return semicolon + 1;
}

} // namespace

QString XmlEntities::Resolve(QStringView value)
{
    if (!value.contains(u'&') && !value.contains(kCdataStart))
        return value.toString();
    QString out;
    out.reserve(value.size());
    qsizetype from = 0;
    // Once no section end follows, none will for a later section start either.
    bool cdataEnds = true;
    for (qsizetype at = 0; at < value.size();) {
        const QStringView rest = value.sliced(at);
        QString text;
        qsizetype length = 0;
        if (rest.startsWith(u'&')) {
            length = Reference(rest, text);
        } else if (cdataEnds && rest.startsWith(kCdataStart)) {
            const qsizetype end = rest.indexOf(kCdataEnd, kCdataStart.size());
            cdataEnds = end >= 0;
            if (cdataEnds) {
                text = rest.sliced(kCdataStart.size(), end - kCdataStart.size()).toString();
                length = end + kCdataEnd.size();
            }
        }
        if (length == 0) {
            ++at;
            continue;
        }
        out += value.sliced(from, at - from);
        out += text;
        at += length;
        from = at;
    }
    out += value.sliced(from);
    return out;
}
