#include "ReadWholeFile.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ReadWholeFile, ReadsOnlyRegularFilesWithinTheLimit)
{
    QTemporaryDir root;
    const QString small = WriteTestFile(root.filePath("small.txt"), "abc");
    const QString empty = WriteTestFile(root.filePath("empty.txt"), "");
    const QString pipe = root.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString toZero = root.filePath("zero.xml");
    ASSERT_TRUE(QFile::link("/dev/zero", toZero));
    const struct {
        QString path;
        qint64 limit;
        std::optional<QByteArray> bytes;
    } cases[] = {
        {small, 3, "abc"},
        {small, 2, std::nullopt},
        {empty, 0, ""},
        {root.path(), 100, std::nullopt},
        {root.filePath("missing"), 100, std::nullopt},
        // None of these may block or fill the memory.
        {pipe, 100, std::nullopt},
        {toZero, 100, std::nullopt},
        {"/dev/null", 100, std::nullopt},
        {"/proc/self/pagemap", 1 << 20, std::nullopt},
        {"/proc/version", 10, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadWholeFile(c.path, c.limit), c.bytes)
            << c.path.toStdString() << " " << c.limit;
    // Reports no size, yet holds text.
    EXPECT_TRUE(ReadWholeFile("/proc/version").value_or("").startsWith("Linux"));
}
