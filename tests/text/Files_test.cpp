#include "FileSystemObject.h"
#include "ReadWholeFile.h"
#include "TestFiles.h"
#include "TextCoder.h"
#include "TextCoderError.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const TextCoder& coder = TextCoder::Shared();

QByteArray Utf16Le(const QString& text)
{
    return QStringEncoder(QStringConverter::Utf16LE).encode(text);
}

const QByteArray kMark("\xFF\xFE", 2);
// Built from a code unit: a mark at the start of a narrow literal would be dropped as UTF-8.
const QString kMarkChar(QChar(0xFEFF));

// The number and description of the error a call raises.
template <typename Call> QString ErrorOf(Call call)
{
    try {
        call();
    } catch (const TextCoderError& error) {
        return QString::number(error.number()) + " " + error.description();
    }
    return "no error";
}

} // namespace

TEST(UnicodeFiles, EveryWriterReplacesTheFileAndEveryReaderTakesItsMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stream.txt");
    const QString russian = "Счёт №1\r\n€ «ок»";
    const QString wide = "Счёт 😀" + kMarkChar + "中" + QChar(0xD800) + "x";
    const std::tuple<qint32, QString, QByteArray, QString> cases[] = {
        // clang-format off
        {-2, russian, QStringEncoder("windows-1251").encode(russian), russian}, {-2, "ԱΩ", "??", "??"},
        {-1, wide, kMark + Utf16Le(wide), wide}, {-1, "", kMark, ""},
        {0, "abc\r\n\x7F", "abc\r\n\x7F", "abc\r\n\x7F"}, {0, "Жé!", "?\?!", "?\?!"},
        // clang-format on
    };
    for (const auto& [triState, text, bytes, readBack] : cases) {
        WriteTestFile(path, "a much longer old content that must disappear");
        coder.UnicodeFile_Write_FSO(path, text, 2, triState);
        EXPECT_EQ(Contents(path), bytes) << triState << text.toStdString();
        EXPECT_EQ(coder.UnicodeFile_Read_FSO(path, triState), readBack) << triState;
    }
    coder.UnicodeFile_Write_VB(path, wide, true);
    EXPECT_EQ(Contents(path), kMark + Utf16Le(wide));
    coder.UnicodeFile_Write_VB(path, "", false);
    EXPECT_EQ(Contents(path), "");
    ASSERT_TRUE(coder.UnicodeFile_Write_API(path, wide));
    EXPECT_EQ(Contents(path), Utf16Le(wide));
    for (const qint32 triState : {-2, -1, 0}) {
        const QString appended = dir.filePath(QString("append%1.txt").arg(triState));
        for (const char* part : {"one ", "two ", "three"})
            coder.UnicodeFile_Write_FSO(appended, part, 8, triState);
        EXPECT_EQ(coder.UnicodeFile_Read_FSO(appended, triState), "one two three") << triState;
        EXPECT_EQ(Contents(appended),
                  triState == -1 ? kMark + Utf16Le("one two three") : "one two three");
    }
    // The raw reader keeping the mark, removing it, the other raw reader and the text stream; "^"
    // stands for the mark.
    const auto reads = [&] {
        return QString(coder.UnicodeFile_Read_VB(path, false) + "|" +
                       coder.UnicodeFile_Read_VB(path, true) + "|" +
                       coder.UnicodeFile_Read_API(path) + "|" +
                       coder.UnicodeFile_Read_FSO(path, -1))
            .replace(kMarkChar, "^");
    };
    const QByteArray a = Utf16Le("A");
    // clang-format off
    const std::pair<QByteArray, const char*> raw[] = {{kMark + a + kMark + a, "^A^A|AA|^A^A|A^A"},
        {a + kMark + a, "A^A|A^A|A^A|A^A"}, {QByteArray("A\0B", 3), "AB|AB|AB|AB"}, {kMark, "^||^|"},
        {"", "|||"}, {Utf16Le("Ж😀中"), "Ж😀中|Ж😀中|Ж😀中|Ж😀中"}};
    // clang-format on
    for (const auto& [bytes, expected] : raw) {
        WriteTestFile(path, bytes);
        EXPECT_EQ(reads(), expected) << bytes.toHex().toStdString();
    }
    EXPECT_EQ(coder.UnicodeFile_Read_VB(dir.filePath("missing"), true) +
                  coder.UnicodeFile_Read_VB(dir.path(), true) +
                  coder.UnicodeFile_Read_API(dir.path()),
              "");
}

// A file-size limit makes writes fail half-way even for a user whom permissions do not stop.
TEST(UnicodeFiles, FailuresNameTheFileAndTheOperation)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.txt");
    const QString no = dir.filePath("no/such.txt");
    const QString keep = WriteTestFile(dir.filePath("keep.txt"), kMark + Utf16Le("old"));
    const QString big(5000, 'n');
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{1000, saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const QString raw = ErrorOf([&] { coder.UnicodeFile_Write_VB(keep, big, true); });
    const QString stream =
        ErrorOf([&] { coder.UnicodeFile_Write_FSO(dir.filePath("fso.txt"), big, 2, -1); });
    const bool apiWritten = coder.UnicodeFile_Write_API(dir.filePath("api.txt"), big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    const QString open = "75 Не удалось открыть файл '";
    const QString missed = "53 Не найден файл '" + missing + "'";
    // clang-format off
    const std::pair<QString, QString> cases[] = {
        {ErrorOf([&] { coder.UnicodeFile_Read_FSO(missing, -1); }), missed},
        {ErrorOf([&] { coder.UnicodeFile_Read_API(missing); }), missed},
        {ErrorOf([&] { coder.UnicodeFile_Read_FSO(dir.path(), -2); }), open + dir.path() + "' для чтения"},
        {ErrorOf([&] { coder.UnicodeFile_Write_FSO(no, "x", 2, 0); }), open + no + "' для записи"},
        {ErrorOf([&] { coder.UnicodeFile_Write_VB(no, "x", true); }), open + no + "' для записи"},
        {ErrorOf([&] { coder.UnicodeFile_Write_VB(dir.path(), "x", true); }), open + dir.path() + "' для записи"},
        {raw, "57 Не удалось записать файл '" + keep + "'"},
        {stream, "57 Не удалось записать файл '" + dir.filePath("fso.txt") + "'"}};
    // clang-format on
    for (const auto& [error, expected] : cases)
        EXPECT_TRUE(error.startsWith(expected)) << error.toStdString();
    EXPECT_FALSE(apiWritten || coder.UnicodeFile_Write_API(no, "x") ||
                 coder.UnicodeFile_Write_API(dir.path(), "x"));
    EXPECT_EQ(coder.UnicodeFile_Read_VB(keep, true), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"api.txt", "fso.txt", "keep.txt"}));
}

TEST(FileSystemObject, DeletesReadOnlyItemsAndReadsOnlyRegularFilesWithinTheLimit)
{
    using FSO = FileSystemObject;
    QTemporaryDir dir;
    const QString folder = dir.filePath("tree");
    const QString readOnly = WriteTestFile(folder + "/ro.xml", "x");
    WriteTestFile(folder + "/sub/deep.xml", "y");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    WriteTestFile(dir.filePath("one.tmp"), "1");
    WriteTestFile(dir.filePath("two.tmp"), "2");
    EXPECT_TRUE(FSO::FileExists(readOnly) && FSO::FolderExists(folder));
    EXPECT_FALSE(FSO::FolderExists(readOnly) || FSO::FileExists(folder));
    EXPECT_FALSE(FSO::FileExists(dir.filePath("missing")) || FSO::FolderExists(QString()));
    EXPECT_TRUE(FSO::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_FALSE(FSO::FileExists(dir.filePath("one.tmp")));
    EXPECT_FALSE(FSO::DeleteFile(dir.filePath("*.tmp")));
    EXPECT_TRUE(FSO::DeleteFolder(folder));
    EXPECT_FALSE(FSO::FolderExists(folder));
    EXPECT_FALSE(FSO::DeleteFolder(folder));
    // Only regular files are read, within the limit.
    const QString small = WriteTestFile(dir.filePath("small.txt"), "abc");
    const QString pipe = dir.filePath("pipe"), toZero = dir.filePath("zero.xml");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", toZero));
    const std::tuple<QString, qint64, std::optional<QByteArray>> cases[] = {
        // clang-format off
        {small, 3, "abc"}, {small, 2, std::nullopt}, {WriteTestFile(dir.filePath("empty"), ""), 0, ""},
        {dir.path(), 100, std::nullopt}, {dir.filePath("missing"), 100, std::nullopt},
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
