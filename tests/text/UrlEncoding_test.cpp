#include "TextCoder.h"

#include <QMap>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

// Characters whose UTF-8 bytes go into a URL, besides А to я.
const QString kUtf8Characters = QStringLiteral("ЁёЂЃѓҐґІіЄєЇї‚„…‘’“”•–—‰™¦§«»°±µ·®");

// The Windows-1251 byte of every character, taken from the platform's own decoder of that code
// page rather than from the program's table.
QMap<char16_t, char> Windows1251Bytes()
{
    QMap<char16_t, char> bytes;
    QStringDecoder decoder("windows-1251");
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        bytes.insert(decoded.at(0).unicode(), byte);
    }
    return bytes;
}

QString PercentEncoded(const QByteArray& bytes)
{
    const QByteArray unreserved =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
    return QString::fromLatin1(bytes.toPercentEncoding({}, unreserved));
}

QString ExpectedUrl(QChar c, const QMap<char16_t, char>& windows1251)
{
    const bool russianLetter = c >= QChar(u'А') && c <= QChar(u'я');
    if (russianLetter || kUtf8Characters.contains(c))
        return PercentEncoded(QString(c).toUtf8());
    if (c == QChar(u'€'))
        return "eur";
    return PercentEncoded(QByteArray(1, windows1251.value(c.unicode(), '?')));
}

QList<QChar> CharactersToCheck()
{
    QList<QChar> characters;
    for (char16_t u = 0; u <= 0x04FF; ++u)
        characters.append(QChar(u));
    for (char16_t u = 0x2000; u <= 0x2200; ++u)
        characters.append(QChar(u));
    for (const char16_t u : {0x4E2D, 0xD83D, 0xDE00, 0xFEFF, 0xFFFD})
        characters.append(QChar(u));
    return characters;
}

} // namespace

TEST(UrlEncoding, EveryCharacterEscapesAsItsUtf8OrWindows1251Bytes)
{
    const QMap<char16_t, char> windows1251 = Windows1251Bytes();
    ASSERT_EQ(windows1251.size(), 256);
    QString all;
    QString expectedAll;
    for (const QChar c : CharactersToCheck()) {
        const QString expected = ExpectedUrl(c, windows1251);
        ASSERT_EQ(TextCoder::Shared().CyrToUrl(QString(c)), expected) << int(c.unicode());
        all.append(c);
        expectedAll.append(expected);
    }
    EXPECT_EQ(TextCoder::Shared().CyrToUrl(all), expectedAll);
}

TEST(UrlEncoding, KnownEscapes)
{
    EXPECT_EQ(TextCoder::Shared().CyrToUrl("Привет"), "%D0%9F%D1%80%D0%B8%D0%B2%D0%B5%D1%82");
    EXPECT_EQ(TextCoder::Shared().CyrToUrl("5 €{№Ў—中"), "%35%20eur%7B%B9%A1%E2%80%94%3F");
}

TEST(UrlEncoding, NonPrintableAsciiJoinsWindows1251Codes)
{
    const QMap<char16_t, char> windows1251 = Windows1251Bytes();
    QString text;
    QString expected;
    for (const QChar c : CharactersToCheck()) {
        text.append(c);
        expected += QString("CHR(%1) & ").arg(int(quint8(windows1251.value(c.unicode(), '?'))));
    }
    EXPECT_EQ(TextCoder::Shared().NonPrintableAscii(text), expected + " ''");
    EXPECT_EQ(TextCoder::Shared().NonPrintableAscii("AЯ"), "CHR(65) & CHR(223) &  ''");
    EXPECT_EQ(TextCoder::Shared().NonPrintableAscii(""), " ''");
}
