#include "TestFiles.h"
#include "TextCoder.h"
#include "TextCoderError.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const TextCoder& Coder()
{
    return TextCoder::Shared();
}

QByteArray Utf16Le(const QString& text)
{
    return QStringEncoder(QStringConverter::Utf16LE).encode(text);
}

const QByteArray kMark("\xFF\xFE", 2);
// Built from a code unit: a mark at the start of a narrow literal would be dropped as UTF-8.
const QString kMarkChar(QChar(0xFEFF));

template <typename Call> TextCoderError ErrorOf(Call call)
{
    try {
        call();
    } catch (const TextCoderError& error) {
        return error;
    }
    return TextCoderError(0, "no error");
}

} // namespace

TEST(UnicodeFiles, EveryWriterReplacesTheFileAndItsReaderGivesTheTextBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stream.txt");
    const QString russian = "Счёт №1\r\n€ «ок»";
    const QString wide = "Счёт 😀" + kMarkChar + "中" + QChar(0xD800) + "x";
    const struct {
        qint32 triState;
        QString text;
        QByteArray bytes;
        QString readBack;
    } cases[] = {
        {-2, russian, QStringEncoder("windows-1251").encode(russian), russian},
        {-2, "ԱΩ", "??", "??"},
        {-1, wide, kMark + Utf16Le(wide), wide},
        {-1, "", kMark, ""},
        {0, "abc\r\n\x7F", "abc\r\n\x7F", "abc\r\n\x7F"},
        {0, "Жé!", "?\?!", "?\?!"},
    };
    for (const auto& c : cases) {
        WriteTestFile(path, "a much longer old content that must disappear");
        Coder().UnicodeFile_Write_FSO(path, c.text, 2, c.triState);
        EXPECT_EQ(Contents(path), c.bytes) << c.triState << c.text.toStdString();
        EXPECT_EQ(Coder().UnicodeFile_Read_FSO(path, c.triState), c.readBack) << c.triState;
    }
    for (const bool mark : {true, false}) {
        WriteTestFile(path, "a much longer old content that must disappear");
        Coder().UnicodeFile_Write_VB(path, wide, mark);
        EXPECT_EQ(Contents(path), (mark ? kMark : QByteArray()) + Utf16Le(wide));
        EXPECT_EQ(Coder().UnicodeFile_Read_VB(path, true),
                  mark ? QString(wide).remove(kMarkChar) : wide);
    }
    ASSERT_TRUE(Coder().UnicodeFile_Write_API(path, wide));
    EXPECT_EQ(Contents(path), Utf16Le(wide));
    EXPECT_EQ(Coder().UnicodeFile_Read_API(path), wide);
    for (const qint32 triState : {-2, -1, 0}) {
        const QString appended = dir.filePath(QString("append%1.txt").arg(triState));
        for (const char* part : {"one ", "two ", "three"})
            Coder().UnicodeFile_Write_FSO(appended, part, 8, triState);
        EXPECT_EQ(Coder().UnicodeFile_Read_FSO(appended, triState), "one two three") << triState;
        EXPECT_EQ(Contents(appended),
                  triState == -1 ? kMark + Utf16Le("one two three") : "one two three");
    }
}

TEST(UnicodeFiles, ReadersAndTheMark)
{
    QTemporaryDir dir;
    const QByteArray a = Utf16Le("A");
    const QString m = kMarkChar;
    const struct {
        QByteArray bytes;
        QString raw;         // the raw readers keeping the mark
        QString withoutMark; // the raw reader removing it
        QString stream;      // the Unicode text stream
    } cases[] = {
        {kMark + a + kMark + a, m + "A" + m + "A", "AA", "A" + m + "A"},
        {a + kMark + a, "A" + m + "A", "A" + m + "A", "A" + m + "A"},
        {QByteArray("A\0B", 3), "AB", "AB", "AB"},
        {kMark, m, "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const QString path = WriteTestFile(dir.filePath("raw.txt"), c.bytes);
        EXPECT_EQ(Coder().UnicodeFile_Read_VB(path, false), c.raw);
        EXPECT_EQ(Coder().UnicodeFile_Read_VB(path, true), c.withoutMark);
        EXPECT_EQ(Coder().UnicodeFile_Read_API(path), c.raw);
        EXPECT_EQ(Coder().UnicodeFile_Read_FSO(path, -1), c.stream);
    }
    EXPECT_EQ(Coder().UnicodeFile_Read_VB(dir.filePath("missing"), true), "");
    EXPECT_EQ(Coder().UnicodeFile_Read_VB(dir.path(), true), "");
    EXPECT_EQ(Coder().UnicodeFile_Read_API(dir.path()), "");
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
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const TextCoderError raw = ErrorOf([&] { Coder().UnicodeFile_Write_VB(keep, big, true); });
    const TextCoderError stream =
        ErrorOf([&] { Coder().UnicodeFile_Write_FSO(dir.filePath("fso.txt"), big, 2, -1); });
    const bool apiWritten = Coder().UnicodeFile_Write_API(dir.filePath("api.txt"), big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    const QString open = "Не удалось открыть файл '";
    const struct {
        TextCoderError error;
        qint32 number;
        QString description;
    } cases[] = {
        // clang-format off
        {ErrorOf([&] { Coder().UnicodeFile_Read_FSO(missing, -1); }), 53, "Не найден файл '" + missing + "'"},
        {ErrorOf([&] { Coder().UnicodeFile_Read_API(missing); }), 53, "Не найден файл '" + missing + "'"},
        {ErrorOf([&] { Coder().UnicodeFile_Read_FSO(dir.path(), -2); }), 75, open + dir.path() + "' для чтения"},
        {ErrorOf([&] { Coder().UnicodeFile_Write_FSO(no, "x", 2, 0); }), 75, open + no + "' для записи"},
        {ErrorOf([&] { Coder().UnicodeFile_Write_VB(no, "x", true); }), 75, open + no + "' для записи"},
        {ErrorOf([&] { Coder().UnicodeFile_Write_VB(dir.path(), "x", true); }), 75, open + dir.path() + "' для записи"},
        {raw, 57, "Не удалось записать файл '" + keep + "'"},
        {stream, 57, "Не удалось записать файл '" + dir.filePath("fso.txt") + "'"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.error.number(), c.number) << c.error.description().toStdString();
        EXPECT_TRUE(c.error.description().startsWith(c.description))
            << c.error.description().toStdString();
    }
    EXPECT_FALSE(apiWritten);
    EXPECT_FALSE(Coder().UnicodeFile_Write_API(no, "x"));
    EXPECT_FALSE(Coder().UnicodeFile_Write_API(dir.path(), "x"));
    EXPECT_EQ(Coder().UnicodeFile_Read_VB(keep, true), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"api.txt", "fso.txt", "keep.txt"}));
}
