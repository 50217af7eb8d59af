#include "TestFiles.h"
#include "TextCoder.h"
#include "TextCoderError.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
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

TEST(UnicodeFiles, TextStreamWritesEachEncodingAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stream.txt");
    const QString russian = "Счёт №1\r\n€ «ок»";
    const struct {
        qint32 triState;
        QString text;
        QByteArray bytes;
        QString readBack;
    } cases[] = {
        {-2, russian, QStringEncoder("windows-1251").encode(russian), russian},
        {-2, "ԱΩ", "??", "??"},
        {-1, "Счёт 😀" + kMarkChar + "中", kMark + Utf16Le("Счёт 😀" + kMarkChar + "中"),
         "Счёт 😀" + kMarkChar + "中"},
        {-1, "", kMark, ""},
        {0, "abc\r\n\x7F", "abc\r\n\x7F", "abc\r\n\x7F"},
        {0, "Жé!",
         "?"
         "?!",
         "?"
         "?!"},
    };
    for (const auto& c : cases) {
        WriteTestFile(path, "a much longer old content that must disappear");
        Coder().UnicodeFile_Write_FSO(path, c.text, 2, c.triState);
        EXPECT_EQ(Contents(path), c.bytes) << c.triState << c.text.toStdString();
        EXPECT_EQ(Coder().UnicodeFile_Read_FSO(path, c.triState), c.readBack) << c.triState;
    }
}

TEST(UnicodeFiles, TextStreamAppendsWithOneMarkOnly)
{
    QTemporaryDir dir;
    for (const qint32 triState : {-2, -1, 0}) {
        const QString path = dir.filePath(QString("append%1.txt").arg(triState));
        for (const char* part : {"one ", "two ", "three"})
            Coder().UnicodeFile_Write_FSO(path, part, 8, triState);
        EXPECT_EQ(Coder().UnicodeFile_Read_FSO(path, triState), "one two three") << triState;
        EXPECT_EQ(Contents(path),
                  triState == -1 ? kMark + Utf16Le("one two three") : "one two three");
    }
}

TEST(UnicodeFiles, EveryPairReadsBackWhatItWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("round.txt");
    std::mt19937 random(1251);
    for (int i = 0; i < 60; ++i) {
        // Random code units, lone surrogates included, but no U+FEFF; lengths vary, so every write
        // also replaces a longer or a shorter file.
        QString text;
        for (int k = int(random() % 40); k > 0; --k)
            text.append(QChar(char16_t(random() % 2 ? random() % 0x500 : random() % 0xFEFF)));
        Coder().UnicodeFile_Write_FSO(path, text, 2, -1);
        ASSERT_EQ(Contents(path), kMark + Utf16Le(text));
        ASSERT_EQ(Coder().UnicodeFile_Read_FSO(path, -1), text);
        Coder().UnicodeFile_Write_VB(path, text, i % 2 == 0);
        ASSERT_EQ(Contents(path), (i % 2 == 0 ? kMark : QByteArray()) + Utf16Le(text));
        ASSERT_EQ(Coder().UnicodeFile_Read_VB(path, true), text);
        ASSERT_TRUE(Coder().UnicodeFile_Write_API(path, text));
        ASSERT_EQ(Contents(path), Utf16Le(text));
        ASSERT_EQ(Coder().UnicodeFile_Read_API(path), text);
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

TEST(UnicodeFiles, FailuresNameTheFileAndTheOperation)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.txt");
    const QString noFolder = dir.filePath("no/such.txt");
    const struct {
        TextCoderError error;
        qint32 number;
        QString description;
    } cases[] = {
        {ErrorOf([&] { Coder().UnicodeFile_Read_FSO(missing, -1); }), 53,
         "Не найден файл '" + missing + "'"},
        {ErrorOf([&] { Coder().UnicodeFile_Read_API(missing); }), 53,
         "Не найден файл '" + missing + "'"},
        {ErrorOf([&] { Coder().UnicodeFile_Read_FSO(dir.path(), -2); }), 75,
         "Не удалось открыть файл '" + dir.path() + "' для чтения: "},
        {ErrorOf([&] { Coder().UnicodeFile_Write_FSO(noFolder, "x", 2, 0); }), 75,
         "Не удалось открыть файл '" + noFolder + "' для записи: "},
        {ErrorOf([&] { Coder().UnicodeFile_Write_VB(noFolder, "x", true); }), 75,
         "Не удалось открыть файл '" + noFolder + "' для записи: "},
        {ErrorOf([&] { Coder().UnicodeFile_Write_VB(dir.path(), "x", true); }), 75,
         "Не удалось открыть файл '" + dir.path() + "' для записи: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.error.number(), c.number) << c.error.description().toStdString();
        EXPECT_TRUE(c.error.description().startsWith(c.description))
            << c.error.description().toStdString();
    }
    EXPECT_FALSE(Coder().UnicodeFile_Write_API(noFolder, "x"));
    EXPECT_FALSE(Coder().UnicodeFile_Write_API(dir.path(), "x"));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

// A file-size limit makes writes fail half-way even for a user whom permissions do not stop.
TEST(UnicodeFiles, WritesCutShortAreReportedAndTheRawWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = WriteTestFile(dir.filePath("keep.txt"), kMark + Utf16Le("old"));
    const QString big(5000, 'n');
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const TextCoderError raw = ErrorOf([&] { Coder().UnicodeFile_Write_VB(path, big, true); });
    const TextCoderError stream =
        ErrorOf([&] { Coder().UnicodeFile_Write_FSO(dir.filePath("fso.txt"), big, 2, -1); });
    const bool apiWritten = Coder().UnicodeFile_Write_API(dir.filePath("api.txt"), big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    for (const TextCoderError& error : {raw, stream}) {
        EXPECT_EQ(error.number(), 57);
        EXPECT_TRUE(error.description().startsWith("Не удалось записать файл '" + dir.path()))
            << error.description().toStdString();
    }
    EXPECT_FALSE(apiWritten);
    EXPECT_EQ(Coder().UnicodeFile_Read_VB(path, true), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"api.txt", "fso.txt", "keep.txt"}));
}

TEST(UnicodeFiles, RawWriteLeavesAReadOnlyFileAlone)
{
    QTemporaryDir dir;
    const QString path = WriteTestFile(dir.filePath("ro.txt"), "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_EQ(ErrorOf([&] { Coder().UnicodeFile_Write_VB(path, "new", true); }).number(), 75);
    EXPECT_EQ(Contents(path), "old");
}
