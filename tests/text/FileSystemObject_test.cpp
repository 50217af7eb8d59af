#include "FileSystemObject.h"
#include "ReadWholeFile.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FileSystemObject, TellsFilesFromFoldersAndDeletesReadOnlyItems)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("tree");
    const QString readOnly = WriteTestFile(folder + "/ro.xml", "x");
    WriteTestFile(folder + "/sub/deep.xml", "y");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    WriteTestFile(dir.filePath("one.tmp"), "1");
    WriteTestFile(dir.filePath("two.tmp"), "2");
    EXPECT_TRUE(FileSystemObject::FileExists(readOnly) && FileSystemObject::FolderExists(folder));
    EXPECT_FALSE(FileSystemObject::FolderExists(readOnly) || FileSystemObject::FileExists(folder));
    EXPECT_FALSE(FileSystemObject::FileExists(dir.filePath("missing")) ||
                 FileSystemObject::FolderExists(QString()));
    EXPECT_TRUE(FileSystemObject::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_FALSE(FileSystemObject::FileExists(dir.filePath("one.tmp")));
    EXPECT_FALSE(FileSystemObject::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_TRUE(FileSystemObject::DeleteFolder(folder));
    EXPECT_FALSE(FileSystemObject::FolderExists(folder));
    EXPECT_FALSE(FileSystemObject::DeleteFolder(folder));
}

TEST(ReadWholeFile, ReadsOnlyRegularFilesWithinTheLimit)
{
    QTemporaryDir root;
    const QString small = WriteTestFile(root.filePath("small.txt"), "abc");
    const QString pipe = root.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString toZero = root.filePath("zero.xml");
    ASSERT_TRUE(QFile::link("/dev/zero", toZero));
    const std::tuple<QString, qint64, std::optional<QByteArray>> cases[] = {
        // clang-format off
        {small, 3, "abc"}, {small, 2, std::nullopt}, {WriteTestFile(root.filePath("empty"), ""), 0, ""},
        {root.path(), 100, std::nullopt}, {root.filePath("missing"), 100, std::nullopt},
        // None of these may block or fill the memory.
        {pipe, 100, std::nullopt}, {toZero, 100, std::nullopt}, {"/dev/null", 100, std::nullopt},
        {"/proc/self/pagemap", 1 << 20, std::nullopt}, {"/proc/version", 10, std::nullopt},
        // clang-format on
    };
    for (const auto& [path, limit, bytes] : cases)
        EXPECT_EQ(ReadWholeFile(path, limit), bytes) << path.toStdString() << " " << limit;
    // Files that report no size, or more than they hold, are read for what they hold.
    EXPECT_TRUE(ReadWholeFile("/proc/version").value_or("").startsWith("Linux"));
    const QString online = "/sys/devices/system/cpu/online"; // reports a page, holds "0-1\n"
    EXPECT_TRUE(!QFile::exists(online) || ReadWholeFile(online).value_or("").endsWith("\n"));
}
