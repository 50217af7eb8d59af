#include "UrlEncoding.h"

#include "AnsiCodec.h"

#include <algorithm>
#include <array>

namespace {

// The characters besides А to я that a URL carries as UTF-8: the other letters of the Slavic
// alphabets the code page holds, and the typographic marks.
constexpr std::array<char16_t, 34> kUtf8Others = {
    0x0401, 0x0451, 0x0402, 0x0403, 0x0453, 0x0490, 0x0491, 0x0406, 0x0456, 0x0404, 0x0454, 0x0407,
    0x0457, 0x201A, 0x201E, 0x2026, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x2030,
    0x2122, 0x00A6, 0x00A7, 0x00AB, 0x00BB, 0x00B0, 0x00B1, 0x00B5, 0x00B7, 0x00AE};

constexpr char16_t kEuro = 0x20AC;

bool EscapedAsUtf8(char16_t u)
{
    if (u >= 0x0410 && u <= 0x044F)
        return true;
    return std::find(kUtf8Others.begin(), kUtf8Others.end(), u) != kUtf8Others.end();
}

void AppendEscape(QString& out, unsigned char byte)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.append(QLatin1Char('%'));
    out.append(QLatin1Char(kHex[byte >> 4]));
    out.append(QLatin1Char(kHex[byte & 0x0F]));
}

} // namespace

QString UrlEncoding::CyrToUrl(const QString& a)
{
    QString result;
    result.reserve(a.size() * 6);
    for (const QChar c : a) {
        if (EscapedAsUtf8(c.unicode())) {
            for (const char byte : QString(c).toUtf8())
                AppendEscape(result, static_cast<unsigned char>(byte));
        } else if (c.unicode() == kEuro) {
            result.append(QLatin1String("eur"));
        } else {
            AppendEscape(result, AnsiCodec::Code(c));
        }
    }
    return result;
}

QString UrlEncoding::NonPrintableAscii(const QString& St)
{
    QString result;
    for (const QChar c : St)
        result += QStringLiteral("CHR(%1) & ").arg(int(AnsiCodec::Code(c)));
    return result + QStringLiteral(" ''");
}
