#include "TextCoder.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

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
    ASSERT_EQ(windows1251.size(), 256);
    const QString utf8 = QStringLiteral("ЁёЂЃѓҐґІіЄєЇї‚„…‘’“”•–—‰™¦§«»°±µ·®");
    const QByteArray unreserved =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
    QString all;
    QString url;
    QString chr;
    for (int u = 0; u <= 0x2200; u = u == 0x04FF ? 0x2000 : u + 1) {
        const QChar c(u);
        const bool asUtf8 = (c >= QChar(u'А') && c <= QChar(u'я')) || utf8.contains(c);
        const uchar byte = windows1251.value(c.unicode(), '?');
        const QByteArray bytes = asUtf8 ? QString(c).toUtf8() : QByteArray(1, char(byte));
        all.append(c);
        url += c == QChar(u'€') ? QStringLiteral("eur")
                                : QString::fromLatin1(bytes.toPercentEncoding({}, unreserved));
        chr += QStringLiteral("CHR(%1) & ").arg(byte);
    }
    EXPECT_EQ(TextCoder::Shared().CyrToUrl(all), url);
    EXPECT_EQ(TextCoder::Shared().NonPrintableAscii(all), chr + " ''");
    EXPECT_EQ(TextCoder::Shared().CyrToUrl("5 €{№Ў—中\U0001F600"),
              "%35%20eur%7B%B9%A1%E2%80%94%3F%3F%3F");
    EXPECT_EQ(TextCoder::Shared().NonPrintableAscii(""), " ''");
}
