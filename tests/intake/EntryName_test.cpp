#include "ArchiveTree.h"
#include "Cp866Codec.h"
#include "EntryName.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(EntryName, DecodesUtf8ElseCodePage866)
{
    EXPECT_EQ(EntryName::Decode("plain.xml"), QStringLiteral("plain.xml"));
    EXPECT_EQ(EntryName::Decode("Отчёт.xml"), QStringLiteral("Отчёт.xml"));
    EXPECT_EQ(EntryName::Decode("\x8E\xE2\xE7\xF1\xE2 \xFC 5.xml"), QStringLiteral("Отчёт № 5.xml"));
}

TEST(EntryName, CodePage866GivesEveryByteItsOwnCharacter)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = Cp866Codec::Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    EXPECT_EQ(text.mid(0x80, 2), QStringLiteral("АБ"));
    EXPECT_EQ(text.mid(0x9F, 2), QStringLiteral("Яа"));
    EXPECT_EQ(text.mid(0xAF, 2), QStringLiteral("п░"));
    EXPECT_EQ(text.mid(0xDF, 2), QStringLiteral("▀р"));
    EXPECT_EQ(text.mid(0xEF, 3), QStringLiteral("яЁё"));
    EXPECT_EQ(text[0xFC], QChar(0x2116));
    EXPECT_EQ(text[0xFF], QChar(0x00A0));
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

TEST(ArchiveTree, FoldersAreMergedAndKeepTheOrderOfFirstMention)
{
    ArchiveTree tree;
    tree.Add({{"b", "1.xml"}, false}, 0);
    tree.Add({{"a.xml"}, false}, 1);
    tree.Add({{"b"}, true}, 2);
    tree.Add({{"b", "2.xml"}, false}, 3);
    tree.Add({{"a.xml"}, false}, 4);
    const ArchiveElement& root = tree.Root();
    ASSERT_EQ(root.elements.size(), 3u);
    EXPECT_TRUE(root.elements[0].isFolder);
    EXPECT_EQ(root.elements[0].name, QStringLiteral("b"));
    ASSERT_EQ(root.elements[0].elements.size(), 2u);
    EXPECT_EQ(root.elements[0].elements[1].entry, 3u);
    EXPECT_EQ(root.elements[1].entry, 1u);
    EXPECT_EQ(root.elements[2].entry, 4u);
    EXPECT_EQ(tree.FileCount(), 4);
}
