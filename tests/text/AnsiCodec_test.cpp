#include "AnsiCodec.h"

#include <gtest/gtest.h>

TEST(AnsiCodec, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = AnsiCodec::Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(AnsiCodec::Encode(text), all);
}

TEST(AnsiCodec, KnownCharacters)
{
    const struct {
        char16_t character;
        unsigned char byte;
    } cases[] = {{u'А', 0xC0}, {u'я', 0xFF}, {u'Ё', 0xA8}, {u'ё', 0xB8}, {u'№', 0xB9},
                 {u'€', 0x88}, {u'«', 0xAB}, {u'»', 0xBB}, {0x00A0, 0xA0}, {u'Ў', 0xA1}};
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiCodec::Code(QChar(c.character)), c.byte) << int(c.character);
        EXPECT_EQ(AnsiCodec::Decode(QByteArray(1, char(c.byte))), QString(QChar(c.character)));
    }
}

TEST(AnsiCodec, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(AnsiCodec::Encode(u"1 500,50\u00A0\u20BD 中"), QByteArray("1 500,50\xA0? ?"));
}
