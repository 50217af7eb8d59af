#include "EntryName.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(EntryName, DecodesUtf8ElseCodePage866)
{
    EXPECT_EQ(EntryName::Decode("Отчёт.xml"), QStringLiteral("Отчёт.xml"));
    // Every byte past ASCII, against the system's own table of the code page.
    QByteArray high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high.append(char(byte));
    QStringDecoder cp866("IBM866");
    ASSERT_TRUE(cp866.isValid());
    EXPECT_EQ(EntryName::Decode(high), cp866.decode(high));
}

TEST(EntryName, SplitsOnBothSeparatorsAndRefusesPathsThatLeave)
{
    // The name, then its components joined by "|" and "/" for a folder, or nothing when refused.
    for (const char* c :
         {"a.xml -> a.xml", "ab/cd\\e.xml -> ab|cd|e.xml", "sub/ -> sub/", "sub\\ -> sub/",
          "a//b.xml -> a||b.xml", "...xml -> ...xml", "a..b/c -> a..b|c", "Я:x.xml -> Я:x.xml",
          "1:x.xml -> 1:x.xml", "../x.xml -> ", "a/../../x.xml -> ", "a\\..\\x.xml -> ",
          "/etc/x.xml -> ", "\\x.xml -> ", "C:\\x.xml -> ", "c:x.xml -> ", " -> "}) {
        const QStringList io = QString::fromUtf8(c).split(" -> ");
        const std::optional<EntryPath> path = EntryName::Split(io[0]);
        const QString split = path ? path->components.join('|') + (path->isFolder ? "/" : "") : "";
        EXPECT_EQ(split, io[1]) << c;
    }
}
