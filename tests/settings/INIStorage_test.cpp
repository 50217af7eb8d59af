#include "ConfigFolders.h"
#include "INIStorage.h"
#include "ReadWholeFile.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(VYPISKA_SOURCE_DIR "/tests/data/settings/");

QVariant Text(const char* utf8)
{
    return QVariant(QString::fromUtf8(utf8));
}

} // namespace

TEST(INIStorage, HandEditedFilesKeepEveryOtherByte)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("CONFIG.INI"), Contents(kData + "handmade_config.ini"));
    WriteTestFile(dir.filePath("USER.INI"), Contents(kData + "handmade_user.ini"));
    const INIStorage settings(dir.path());
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), Text("40702810438000012345"));
    EXPECT_EQ(settings.ReadVal(1, "Name", QString()), Text("ООО «Ромашка»"));
    EXPECT_EQ(settings.ReadVal(1, "INN", 5), QVariant(5)) << "an empty value reads as the default";
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), Text("0"));
    EXPECT_EQ(INIStorage::ReadCustom(dir.filePath("CONFIG.INI"), "банк", "бик", 0),
              Text("044525318"));
    for (const QString& pair : QStringList{"Name=ООО «Ромашка и Ко»", "INN=7701234560",
                                           "ACC=40702810000000000099", "Kpp=770101001"})
        settings.WriteVal(1, pair.section('=', 0, 0), pair.section('=', 1));
    settings.WriteVal(2, "GotoAfterSave", 1);
    EXPECT_EQ(Contents(dir.filePath("CONFIG.INI")),
              Contents(kData + "handmade_config_written.ini"));
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), Contents(kData + "handmade_user_written.ini"));
}

// Writing one value into what could not be read would lose every other value: such a file, like a
// read-only one, is left as it is, whoever runs the program.
TEST(INIStorage, WritesThatCannotBeDoneLeaveTheFileAlone)
{
    QTemporaryDir dir;
    EXPECT_FALSE(INIStorage(dir.filePath("absent")).WriteVal(1, "ACC", "1"));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent")));
    const QByteArray text = "[Organization]\r\nACC=1\r\n";
    QDir().mkpath(dir.filePath("folder/CONFIG.INI"));
    QDir().mkpath(dir.filePath("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe/CONFIG.INI")).constData(), 0600), 0);
    QFile big(WriteTestFile(dir.filePath("big/CONFIG.INI"), text));
    ASSERT_TRUE(big.open(QIODevice::ReadWrite) && big.resize(kReadWholeFileLimit + 1));
    QFile::setPermissions(WriteTestFile(dir.filePath("read-only/CONFIG.INI"), text),
                          QFile::ReadOwner);
    const auto state = [&](const char* name) {
        const QFileInfo info(dir.filePath(name) + "/CONFIG.INI");
        return QString("%1 %2 %3").arg(info.isFile()).arg(info.isDir()).arg(info.size());
    };
    for (const char* name : {"folder", "pipe", "big", "read-only"}) {
        const QString before = state(name);
        EXPECT_FALSE(INIStorage(dir.filePath(name)).WriteVal(1, "ACC", "2")) << name;
        EXPECT_EQ(state(name), before) << name;
    }
    EXPECT_EQ(INIStorage(dir.filePath("read-only")).ReadVal(1, "ACC", QString()), Text("1"));
    EXPECT_FALSE(INIStorage(dir.path()).WriteVal(7, "ACC", "2")) << "a selector without a section";
    EXPECT_EQ(INIStorage(dir.path()).ReadVal(7, "ACC", 3), QVariant(3));
}

TEST(INIStorage, ConfigFoldersPutTheSettingsInTheUsersFolderOnlyWhenTheProgramsCannotBeWritten)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("CONFIG"), user = dir.filePath("user"),
                  none = dir.filePath("none");
    QDir().mkpath(program);
    WriteTestFile(dir.filePath("user/TAG.INI"), "Номер = НомерДок\r\n");
    // Per user, then the folders of the settings, the column map and the templates.
    const auto describe = [&](const ConfigFolders& f) {
        return QString("%1 %2 %3 %4")
            .arg(f.PerUser())
            .arg(f.SettingsFolder(), f.ColumnMapFolder(), f.TemplateFolders().join('+'))
            .remove(dir.path() + "/");
    };
    EXPECT_EQ(describe(ConfigFolders(program, user)), "0 CONFIG CONFIG CONFIG"); // as ever
    EXPECT_EQ(describe(ConfigFolders(dir.filePath("absent"), user)), "1 user user user+absent");
    EXPECT_EQ(describe(ConfigFolders(program, user, true)), "1 user user user+CONFIG");
    EXPECT_EQ(describe(ConfigFolders(program, none, true)), "1 none CONFIG none+CONFIG");
    EXPECT_EQ(describe(ConfigFolders(program, QString(), true)), "0 CONFIG CONFIG CONFIG");
    EXPECT_EQ(describe(ConfigFolders::Only(dir.filePath("absent"))), "0 absent absent absent");
    if (geteuid() != 0) { // root writes anywhere
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_TRUE(ConfigFolders(program, user).PerUser());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(INIStorage, UsersSettingsStartFromTheProgramsAndEachSelectorWritesItsOwnFile)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("CONFIG"), user = dir.filePath("home/.config/vypiska");
    const QByteArray shipped = "; preset\r\n[Organization]\r\nACC=40702810438000012345\r\n";
    WriteTestFile(program + "/CONFIG.INI", shipped);
    INIStorage settings(ConfigFolders(program, user, true));
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), Text("40702810438000012345"));
    EXPECT_EQ(settings.ReadVal(1, "Kpp", QString()), QVariant(QString()));
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0).typeId(), QMetaType::Int);
    EXPECT_FALSE(QFile::exists(user)) << "reading makes nothing";
    EXPECT_TRUE(settings.WriteVal(2, "GotoAfterSave", 1));
    EXPECT_FALSE(QFile::exists(user + "/CONFIG.INI"));
    EXPECT_TRUE(settings.WriteVal(1, "Name", QStringLiteral("ООО «Ромашка»")) &&
                settings.WriteVal(0, "Unused", "x"));
    EXPECT_EQ(
        Contents(user + "/CONFIG.INI"),
        shipped +
            "Name=\xCE\xCE\xCE \xAB\xD0\xEE\xEC\xE0\xF8\xEA\xE0\xBB\r\n[Main]\r\nUnused=x\r\n");
    EXPECT_EQ(Contents(user + "/USER.INI"), "[User]\r\nGotoAfterSave=1\r\n");
    EXPECT_FALSE(QFile::exists(program + "/USER.INI"));
    EXPECT_EQ(Contents(program + "/CONFIG.INI"), shipped);
    EXPECT_EQ(settings.ReadVal(1, "name", QString()), Text("ООО «Ромашка»"));
    EXPECT_EQ(settings.ReadVal(2, "GotoAfterSave", 0), Text("1"));
    settings.SetMainIniFile(dir.filePath("other.ini"));
    EXPECT_TRUE(settings.WriteVal(1, "ACC", "1"));
    EXPECT_EQ(Contents(dir.filePath("other.ini")), "[Organization]\r\nACC=1\r\n");
    EXPECT_EQ(settings.ReadVal(1, "ACC", QString()), Text("1"));
}
