#include "EntryName.h"

#include <gtest/gtest.h>

TEST(EntryName, DecodesUtf8ElseCodePage866)
{
    EXPECT_EQ(EntryName::Decode("plain.xml"), QStringLiteral("plain.xml"));
    EXPECT_EQ(EntryName::Decode("Отчёт.xml"), QStringLiteral("Отчёт.xml"));
    EXPECT_EQ(EntryName::Decode("\x8E\xE2\xE7\xF1\xE2 \xFC 5.xml"),
              QStringLiteral("Отчёт № 5.xml"));
}

TEST(EntryName, SplitsOnBothSeparatorsAndRefusesPathsThatLeave)
{
    const struct {
        const char* name;
        QStringList components; // empty when refused
        bool isFolder;
    } cases[] = {
        {"a.xml", {"a.xml"}, false},
        {"sub/deeper\\c.xml", {"sub", "deeper", "c.xml"}, false},
        {"sub/", {"sub"}, true},
        {"sub\\", {"sub"}, true},
        {"a//b.xml", {"a", "", "b.xml"}, false},
        {"...xml", {"...xml"}, false},
        {"a..b/c", {"a..b", "c"}, false},
        {"../x.xml", {}, false},
        {"a/../../x.xml", {}, false},
        {"a\\..\\x.xml", {}, false},
        {"/etc/x.xml", {}, false},
        {"\\x.xml", {}, false},
        {"C:\\x.xml", {}, false},
        {"c:x.xml", {}, false},
        {"", {}, false},
    };
    for (const auto& c : cases) {
        const std::optional<EntryPath> path = EntryName::Split(QString::fromUtf8(c.name));
        ASSERT_EQ(path.has_value(), !c.components.isEmpty()) << c.name;
        if (!path)
            continue;
        EXPECT_EQ(path->components, c.components) << c.name;
        EXPECT_EQ(path->isFolder, c.isFolder) << c.name;
    }
}
