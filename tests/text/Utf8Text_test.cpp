#include "Utf8Text.h"

#include <gtest/gtest.h>

TEST(Utf8Text, DecodesEscapesThenUtf8)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"\xD0\x9F", QStringLiteral("П")},
        {"%D0%9F", QStringLiteral("П")},
        {"%d0%9f", QStringLiteral("П")},
        {"%41%20b", QStringLiteral("A b")},
        {"50% <", QStringLiteral("50% <")},
        {"50%", QStringLiteral("50%")},
        {"%4", QStringLiteral("%4")},
        {"%4G", QStringLiteral("%4G")},
        {"%%41", QStringLiteral("%A")},
        {"20% - 2500", QStringLiteral("20% - 2500")},
        {"%00", QString(QChar(0))},
        {QByteArray("a\0b", 3), QStringView(u"a\u0000b", 3).toString()},
        {"\xFF", QString(QChar(0xFFFD))},
        {"%FF", QString(QChar(0xFFFD))},
        {"", QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8Text::DecodeUTF8(c.bytes), c.text) << c.bytes.toStdString();
}

TEST(Utf8Text, EncodeStopsAtTheFirstZeroCharacter)
{
    EXPECT_EQ(Utf8Text::EncodeUTF8(u"Я"), QByteArray("\xD0\xAF"));
    EXPECT_EQ(Utf8Text::EncodeUTF8(QStringView(u"a\u0000b", 3)), QByteArray("a"));
    EXPECT_EQ(Utf8Text::EncodeUTF8(u""), QByteArray());
    EXPECT_EQ(Utf8Text::EncodeUTF8(QString(QChar(0xD800))), QByteArray("\xEF\xBF\xBD"));
}
