#include "TextCoder.h"
#include "TextCoderError.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const TextCoder& coder = TextCoder::Shared();

// The decoder's error for a text, or the bytes as hexadecimal digits when it decodes.
std::string Decoded(const QString& text)
{
    try {
        return coder.Base64Decode(text).toHex().toStdString();
    } catch (const TextCoderError& error) {
        EXPECT_EQ(error.number(), qint32(0x80040000u));
        return error.description().toStdString();
    }
}

} // namespace

TEST(Base64Codec, EncodesAsTheStandardAndDecodesWithItsOwnDepartures)
{
    const QByteArray high("\xFB\xFF\x00\x80\xFE", 5);
    const std::pair<QByteArray, const char*> cases[] = {
        // clang-format off
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {high, "+/8AgP4="}, {high.left(4), "+/8AgA=="},
        // clang-format on
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(coder.Base64Encode(bytes).toString(), text);
        EXPECT_EQ(coder.Base64Encode2(bytes + "xyz", qint32(bytes.size())), text);
        EXPECT_EQ(Decoded(text), bytes.toHex().toStdString()) << text;
        EXPECT_EQ(coder.Base64DecodeString(text), QString::fromLatin1(bytes)) << text;
    }
    EXPECT_THROW(coder.Base64Encode2("abc", 4), TextCoderError);
    EXPECT_THROW(coder.Base64Encode2("abc", -1), TextCoderError);
    // Text takes one byte per character, and a question mark above Latin-1.
    EXPECT_EQ(coder.Base64EncodeString(QStringLiteral("ab\u00FF\u0100ж")),
              QString::fromLatin1(QByteArray("ab\xFF??").toBase64()));
    const std::string length = "Length of Base64 encoded input string is not a multiple of 4.";
    const std::string character = "Illegal character in Base64 encoded data.";
    // Padding is required, line breaks count towards the length and are not skipped, "=" comes only
    // at the end, no group has one data character, above U+00FF is "?", every trailing "=" is
    // dropped and leftover bits are ignored.
    // clang-format off
    const std::pair<const char16_t*, std::string> refusals[] = {{u"QQ", length}, {u"YWJj\r\n", length},
        {u"YWJj\r\nYQ", character}, {u"QQ=A", character}, {u"QUJDR===", character}, {u"QUЖ=", character},
        {u"QU-_", character}, {u"QUJD====", "414243"}, {u"====", ""}, {u"QR==", "41"}};
    // clang-format on
    EXPECT_EQ(Decoded(QString("QU") + QChar(0) + "="), character);
    for (const auto& [text, result] : refusals)
        EXPECT_EQ(Decoded(QString::fromUtf16(text)), result)
            << QString::fromUtf16(text).toStdString();
}

// Every character against the platform's own Windows-1251 decoder rather than the program's table:
// letters and typographic marks go into a URL as UTF-8, the euro as "eur", the rest as its code
// page byte or "?".
TEST(UrlEncoding, EveryCharacterEscapesAsItsUtf8OrWindows1251Bytes)
{
    QMap<char16_t, uchar> windows1251;
    QStringDecoder decoder("windows-1251");
    for (int b = 0; b < 256; ++b)
        windows1251.insert(QString(decoder.decode(QByteArray(1, char(b)))).at(0).unicode(),
                           uchar(b));
    const QString utf8 = QStringLiteral("ЁёЂЃѓҐґІіЄєЇї‚„…‘’“”•–—‰™¦§«»°±µ·®");
    QString all, url, chr;
    for (int u = 0; u <= 0x2200; u = u == 0x04FF ? 0x2000 : u + 1) {
        const QChar c(u);
        const bool asUtf8 = (c >= QChar(u'А') && c <= QChar(u'я')) || utf8.contains(c);
        const uchar byte = windows1251.value(c.unicode(), '?');
        const QByteArray bytes = asUtf8 ? QString(c).toUtf8() : QByteArray(1, char(byte));
        all.append(c);
        for (const char b : c == QChar(u'€') ? QByteArray() : bytes)
            url += QString("%%1").arg(uchar(b), 2, 16, QChar('0')).toUpper();
        url += c == QChar(u'€') ? "eur" : "";
        chr += QStringLiteral("CHR(%1) & ").arg(byte);
    }
    EXPECT_EQ(coder.CyrToUrl(all), url);
    EXPECT_EQ(coder.NonPrintableAscii(all), chr + " ''");
    EXPECT_EQ(coder.CyrToUrl("5 €{№Ў—中\U0001F600"), "%35%20eur%7B%B9%A1%E2%80%94%3F%3F%3F");
    EXPECT_EQ(coder.NonPrintableAscii(""), " ''");
}
