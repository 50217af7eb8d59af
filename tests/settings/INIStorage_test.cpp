#include "INIStorage.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString DataFile(const char* name)
{
    return QStringLiteral(VYPISKA_SOURCE_DIR "/tests/data/settings/") + QLatin1String(name);
}

} // namespace

TEST(INIStorage, FirstRunReadsDefaultsAndEachSelectorWritesItsOwnFile)
{
    QTemporaryDir dir;
    const INIStorage settings(dir.path());
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0).typeId(), QMetaType::Int);
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QString()));
    EXPECT_TRUE(settings.WriteVal(2, "GotoAfterSave", 1));
    EXPECT_FALSE(QFile::exists(dir.filePath("CONFIG.INI")));
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), "[User]\r\nGotoAfterSave=1\r\n");
    EXPECT_TRUE(settings.WriteVal(1, "Name", QStringLiteral("ООО «Ромашка»")));
    EXPECT_TRUE(settings.WriteVal(0, "Unused", "x"));
    EXPECT_EQ(Contents(dir.filePath("CONFIG.INI")),
              "[Organization]\r\nName=\xCE\xCE\xCE \xAB\xD0\xEE\xEC\xE0\xF8\xEA\xE0\xBB\r\n"
              "[Main]\r\nUnused=x\r\n");
    EXPECT_EQ(settings.ReadVal(1, "name", QString()).toString(), QStringLiteral("ООО «Ромашка»"));
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), QVariant(QStringLiteral("1")));
}

TEST(INIStorage, HandEditedFilesKeepEveryOtherByte)
{
    QTemporaryDir dir;
    QFile::copy(DataFile("handmade_config.ini"), dir.filePath("CONFIG.INI"));
    QFile::copy(DataFile("handmade_user.ini"), dir.filePath("USER.INI"));
    QFile::setPermissions(dir.filePath("CONFIG.INI"), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.filePath("USER.INI"), QFile::ReadOwner | QFile::WriteOwner);
    const INIStorage settings(dir.path());
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()),
              QVariant(QStringLiteral("40702810438000012345")));
    EXPECT_EQ(settings.ReadVal(1, "Name", QString()), QVariant(QStringLiteral("ООО «Ромашка»")));
    EXPECT_EQ(settings.ReadVal(1, "INN", 5), QVariant(5)) << "an empty value reads as the default";
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), QVariant(QStringLiteral("0")));
    EXPECT_EQ(INIStorage::ReadCustom(dir.filePath("CONFIG.INI"), QStringLiteral("банк"),
                                     QStringLiteral("бик"), QString()),
              QVariant(QStringLiteral("044525318")));

    settings.WriteVal(1, "Name", QStringLiteral("ООО «Ромашка и Ко»"));
    settings.WriteVal(1, "INN", QStringLiteral("7701234560"));
    settings.WriteVal(1, "ACC", QStringLiteral("40702810000000000099"));
    settings.WriteVal(1, "Kpp", QStringLiteral("770101001"));
    settings.WriteVal(2, "GotoAfterSave", 1);
    EXPECT_EQ(Contents(dir.filePath("CONFIG.INI")),
              Contents(DataFile("handmade_config_written.ini")));
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), Contents(DataFile("handmade_user_written.ini")));
}

TEST(INIStorage, AnotherMainFileTakesSelectorsZeroAndOne)
{
    QTemporaryDir dir;
    INIStorage settings(dir.path());
    settings.SetMainIniFile(dir.filePath("other.ini"));
    settings.WriteVal(1, "ACC", "1");
    settings.WriteVal(2, "GotoAfterSave", 0);
    EXPECT_EQ(Contents(dir.filePath("other.ini")), "[Organization]\r\nACC=1\r\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("CONFIG.INI")));
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), "[User]\r\nGotoAfterSave=0\r\n");
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QStringLiteral("1")));
}

TEST(INIStorage, WritesThatCannotBeDoneAreLostQuietly)
{
    QTemporaryDir dir;
    const INIStorage missingFolder(dir.filePath("absent"));
    EXPECT_FALSE(missingFolder.WriteVal(1, "ACC", "1"));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent")));

    const INIStorage settings(dir.path());
    const QString path = WriteTestFile(dir.filePath("CONFIG.INI"), "[Organization]\r\nACC=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(settings.WriteVal(1, "ACC", "2"));
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QStringLiteral("1")));
    EXPECT_FALSE(settings.WriteVal(7, "ACC", "2")) << "a selector without a section name";
    EXPECT_EQ(settings.ReadVal(7, "ACC", 3), QVariant(3));
}
