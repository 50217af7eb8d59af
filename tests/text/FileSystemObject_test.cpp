#include "FileSystemObject.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileSystemObject, TellsFilesFromFolders)
{
    QTemporaryDir dir;
    const QString file = WriteTestFile(dir.filePath("a.xml"), "x");
    EXPECT_TRUE(FileSystemObject::FileExists(file));
    EXPECT_FALSE(FileSystemObject::FolderExists(file));
    EXPECT_TRUE(FileSystemObject::FolderExists(dir.path()));
    EXPECT_FALSE(FileSystemObject::FileExists(dir.path()));
    EXPECT_FALSE(FileSystemObject::FileExists(dir.filePath("missing")));
    EXPECT_FALSE(FileSystemObject::FolderExists(QString()));
}

TEST(FileSystemObject, ForcedDeletionTakesReadOnlyItems)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("tree");
    const QString readOnly = WriteTestFile(folder + "/ro.xml", "x");
    WriteTestFile(folder + "/sub/deep.xml", "y");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    WriteTestFile(dir.filePath("one.tmp"), "1");
    WriteTestFile(dir.filePath("two.tmp"), "2");

    EXPECT_TRUE(FileSystemObject::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_FALSE(FileSystemObject::FileExists(dir.filePath("one.tmp")));
    EXPECT_FALSE(FileSystemObject::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_TRUE(FileSystemObject::DeleteFolder(folder));
    EXPECT_FALSE(FileSystemObject::FolderExists(folder));
}
