#include "ConfigFolders.h"
#include "INIStorage.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

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

TEST(INIStorage, ConfigFoldersPutTheSettingsInTheUsersFolderOnlyWhenTheProgramsCannotBeWritten)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("CONFIG");
    const QString user = dir.filePath("user");
    QDir().mkpath(program);
    WriteTestFile(dir.filePath("user/TAG.INI"), "Номер = НомерДок\r\n");
    const struct {
        ConfigFolders folders;
        bool perUser;
        QString columnMap;
        QStringList templates;
    } cases[] = {
        {ConfigFolders(program, user), false, program, {program}}, // writable: as ever
        {ConfigFolders(dir.filePath("absent"), user), true, user, {user, dir.filePath("absent")}},
        {ConfigFolders(program, user, true), true, user, {user, program}},
        {ConfigFolders(program, dir.filePath("none"), true), true, program, {dir.filePath("none"), program}},
        {ConfigFolders(program, QString(), true), false, program, {program}},
        {ConfigFolders::Only(dir.filePath("absent")), false, dir.filePath("absent"), {dir.filePath("absent")}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.folders.PerUser(), c.perUser) << c.folders.Program().toStdString();
        EXPECT_EQ(c.folders.SettingsFolder(), c.perUser ? c.folders.User() : c.folders.Program());
        EXPECT_EQ(c.folders.ColumnMapFolder(), c.columnMap) << c.folders.Program().toStdString();
        EXPECT_EQ(c.folders.TemplateFolders(), c.templates) << c.folders.Program().toStdString();
    }
    if (geteuid() != 0) { // root writes anywhere
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_TRUE(ConfigFolders(program, user).PerUser());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(INIStorage, UsersSettingsStartFromTheProgramsAndAreMadeOnTheFirstWrite)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("CONFIG");
    const QString user = dir.filePath("home/.config/vypiska");
    const QByteArray shipped = "; preset\r\n[Organization]\r\nACC=40702810438000012345\r\n";
    WriteTestFile(program + "/CONFIG.INI", shipped);
    const INIStorage settings(ConfigFolders(program, user, true));
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QStringLiteral("40702810438000012345")));
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), QVariant(0));
    EXPECT_FALSE(QFile::exists(user)) << "reading makes nothing";

    EXPECT_TRUE(settings.WriteVal(1, "INN", "7701234560"));
    EXPECT_TRUE(settings.WriteVal(2, "GotoAfterSave", 1));
    EXPECT_EQ(Contents(user + "/CONFIG.INI"), shipped + "INN=7701234560\r\n");
    EXPECT_EQ(Contents(user + "/USER.INI"), "[User]\r\nGotoAfterSave=1\r\n");
    EXPECT_EQ(Contents(program + "/CONFIG.INI"), shipped);
    EXPECT_FALSE(QFile::exists(program + "/USER.INI"));
    EXPECT_TRUE(settings.WriteVal(1, "ACC", "1"));
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), QVariant(QStringLiteral("1")));
    EXPECT_EQ(Contents(program + "/CONFIG.INI"), shipped);
}
