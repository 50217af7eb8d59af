#include "AnsiCodec.h"
#include "ProgramFileText.h"

#include <gtest/gtest.h>

TEST(ProgramFileText, ReadsUtf8AsEditorsSaveItAndWindows1251Otherwise)
{
    using Encoding = ProgramFileText::Encoding;
    const QString cyrillic = QStringLiteral("Сумма = Сумма;Сумма");
    const struct {
        const char* name;
        QByteArray bytes;
        Encoding encoding;
        QString text;
    } cases[] = {
        {"Windows-1251", AnsiCodec::Encode(cyrillic), Encoding::Windows1251, cyrillic},
        {"UTF-8", cyrillic.toUtf8(), Encoding::Utf8, cyrillic},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + cyrillic.toUtf8(), Encoding::Utf8WithMark,
         cyrillic},
        {"ASCII", "N=N;N", Encoding::Windows1251, "N=N;N"},
        {"Windows-1251 that looks like UTF-8 at first", AnsiCodec::Encode(u"РїСЂ Р"),
         Encoding::Windows1251, QStringLiteral("РїСЂ Р")},
        {"UTF-8 cut in the middle of a letter", cyrillic.toUtf8().chopped(1), Encoding::Windows1251,
         AnsiCodec::Decode(cyrillic.toUtf8().chopped(1))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramFileText::Detect(c.bytes), c.encoding) << c.name;
        EXPECT_EQ(ProgramFileText::Decode(c.bytes), c.text) << c.name;
    }
}
