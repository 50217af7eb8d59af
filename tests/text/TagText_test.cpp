#include "TagText.h"
#include "TextCoderError.h"

#include <gtest/gtest.h>

TEST(TagText, ReadTagFindsTheFirstElementAsPlainText)
{
    const struct {
        const char* text;
        const char* name;
        const char* content;
    } cases[] = {
        {"x<b>1</b>y<b>2</b>", "b", "1"},
        {"<b attr=\"1\">1</b>", "b", ""},
        {"<b/>", "b", ""},
        {"<b>1</c>", "b", "1"},
        {"<b>1", "b", ""},
        {"<B>1</B>", "b", ""},
        {"<b>\r\n\r\n1\r\n\r\n</b>", "b", "\r\n1\r\n"},
        {"<b>\n1\n</b>", "b", "\n1\n"},
        {"<b>\r\n</b>", "b", ""},
        {"<b>\t x \r</b>", "b", "\t x \r"},
        {"<b>&amp;</b>", "b", "&amp;"},
        {"<a><a>x</a></a>", "a", "<a>x"},
        {"<Сумма>100</Сумма>", "Сумма", "100"},
        {"<b></b><b>2</b>", "b", ""},
        {"<b>1</b>", "", ""},
        {"<>1</>", "", "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagText::ReadTag(QString::fromUtf8(c.text), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.content))
            << c.text;
    }
}

TEST(TagText, MakeTagIndentsTheContentByLevel)
{
    EXPECT_EQ(TagText::MakeTag("b", "x", 0), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(TagText::MakeTag("b", "x", 2), QStringLiteral("<b>\r\n\t\tx\r\n</b>"));
    EXPECT_EQ(TagText::MakeTag("b", "x", 2.5), QStringLiteral("<b>\r\n\t\tx\r\n</b>"));
    EXPECT_EQ(TagText::MakeTag("b", "x", 0.5), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(TagText::MakeTag("b", "x", 1.5), QStringLiteral("<b>\r\n\t\tx\r\n</b>"));
}

TEST(TagText, ReadTagGivesBackWhatMakeTagWrote)
{
    const QString content = QStringLiteral("line 1\r\nline 2");
    EXPECT_EQ(TagText::ReadTag(TagText::MakeTag("b", content, 1), u"b"), QStringLiteral("\t") + content);
    EXPECT_EQ(TagText::ReadTag(TagText::MakeTag("b", content, 0), u"b"), content);
}

TEST(TagText, MakeTagRefusesANegativeLevel)
{
    try {
        TagText::MakeTag("b", "x", -1);
        FAIL() << "no error raised";
    } catch (const TextCoderError& error) {
        EXPECT_EQ(error.number(), 5);
    }
}
