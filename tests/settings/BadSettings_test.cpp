#include "FolderTree.h"
#include "INIStorage.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BadSettings, ForeignBytesSurviveAndAFolderInPlaceOfTheFileIsLeftAlone)
{
    QTemporaryDir dir;
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    // Binary bytes before and after the section, a NUL inside a foreign key's line.
    const QByteArray before =
        everyByte + "\r\n[organization]\r\nkpp=1" + QByteArray(1, '\0') + "x\r\nacc = 1\r\n";
    const QString path = WriteTestFile(dir.filePath("CONFIG.INI"), before + everyByte);
    const INIStorage settings(dir.path());
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QStringLiteral("1")));
    EXPECT_TRUE(settings.WriteVal(1, "ACC", "2"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray after = before + everyByte;
    after.replace("acc = 1", "acc = 2");
    EXPECT_EQ(file.readAll(), after);

    QDir().mkpath(dir.filePath("USER.INI"));
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), QVariant(0));
    EXPECT_FALSE(settings.WriteVal(2, "GotoAfterSave", 1));
    EXPECT_EQ(FolderTree(dir.path()), QStringList({"CONFIG.INI", "USER.INI/"}));
}
