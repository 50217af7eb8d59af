#include "AnsiCodec.h"
#include "DocumentTableModel.h"
#include "INIStorage.h"
#include "RenderExport.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QDateTime kTimestamp(QDate(2024, 3, 5), QTime(9, 7, 30));

// A table of three columns: the amount shown in currency form first, then a date and a name.
class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.SetColumns(
            {{"Сумма", "Сумма;Amount"}, {"Дата", "Дата"}, {"ИНН", "INN;ИНН"}, {"Имя", "Имя; KPP"}});
        AddRow("1\u00A0234,56\u00A0₽", "05.03.2024", "2024-03-05", "7701234560", "ООО «Ромашка»");
    }

    void AddRow(const QString& amount, const QString& dateShown, const QString& date,
                const QString& inn, const QString& name, Qt::CheckState state = Qt::Checked)
    {
        table.AppendRow({"doc" + QString::number(table.rowCount()),
                         amount,
                         state,
                         {{dateShown, date}, {inn, inn}, {name, name}}});
    }

    QString Template(const QString& text)
    {
        return WriteTestFile(dir.filePath("t.tpl"), AnsiCodec::Encode(text));
    }

    QByteArray Render(const QString& templateText)
    {
        QString error;
        EXPECT_TRUE(RenderExport(Output(), table, Template(templateText), kTimestamp,
                                 INIStorage(dir.path()), &error))
            << error.toStdString();
        return Written();
    }

    QString Output() const { return dir.filePath("out.txt"); }

    QByteArray Written() const
    {
        QFile file(Output());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    DocumentTableModel table;
};

QByteArray Ansi(const QString& text)
{
    return AnsiCodec::Encode(text);
}

} // namespace

TEST_F(ExportTest, WithoutFormatsUsesTheUserSeparatorAndDefaultPatterns)
{
    EXPECT_EQ(Render("<header>{MakeDate} {MakeTime}</header><document>{Сумма}|{Дата}</document>"),
              Ansi("05.03.2024 09:07\r\n1234,56|05.03.2024\r\n"));
}

TEST_F(ExportTest, WithoutSectionsEveryCheckedRowGivesOneLineBreak)
{
    AddRow("1,00 ₽", "", "", "", "", Qt::Unchecked);
    AddRow("2,00 ₽", "", "", "", "");
    EXPECT_EQ(Render("no sections at all"), "\r\n\r\n\r\n");
}

TEST_F(ExportTest, FillsHeaderBlocksAndFooterByTheTemplatesFormats)
{
    WriteTestFile(dir.filePath("CONFIG.INI"),
                  "[organization]\r\nacc =  40702810438000012345  \r\n");
    AddRow("10,00 ₽", "06.03.2024", "2024-03-06", "7714582036", "Склад: №2", Qt::Unchecked);
    AddRow("-5,50 ₽", "07.03.2024", "07.03.2024", "", "Ω Альфа");
    const QString tpl =
        "<formats>\r\n<decimal_separator>.</decimal_separator>\r\n"
        "<date>d/M/yy</date>\r\n<time>HH:mm:ss</time>\r\n</formats>\r\n"
        "<header>\r\nДата={makedate} Время={MAKETIME} Счет={Acc} {Сумма}\r\n</header>\r\n"
        "<document>\r\n{сумма}|{AMOUNT}|{Дата}|{inn}={ИНН}|{Имя}|{KPP}|{MakeDate}\r\n</"
        "document>\r\n"
        "<footer>\r\nИтого\r\n</footer>";
    EXPECT_EQ(Render(tpl),
              Ansi("Дата=5/3/24 Время=09:07:30 Счет=40702810438000012345 {Сумма}\r\n"
                   "1234.56|1234.56|5/3/24|7701234560=7701234560|ООО «Ромашка»|{KPP}|{MakeDate}\r\n"
                   "-5.50|-5.50|7/3/24|=|? Альфа|{KPP}|{MakeDate}\r\n"
                   "Итого"));
}

TEST_F(ExportTest, AnExistingReadOnlyFileIsReplacedAndStaysReadOnly)
{
    WriteTestFile(Output(), "old content that is longer than the new one");
    QFile::setPermissions(Output(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(Render("<header>new</header>"), "new\r\n\r\n");
    const auto modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(Output()) & modeBits,
              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther)
        << "the replacement keeps the mode";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file is left beside the output";
}

TEST_F(ExportTest, AnUnreadableTemplateIsAnErrorNamingItAndWritesNothing)
{
    WriteTestFile(Output(), "old");
    QString error;
    const QString missing = dir.filePath("absent.txt.tpl");
    EXPECT_FALSE(
        RenderExport(Output(), table, missing, kTimestamp, INIStorage(dir.path()), &error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
    EXPECT_EQ(Written(), "old");
}

TEST_F(ExportTest, AFolderThatDoesNotExistFailsWithoutLeavingAnything)
{
    QString error;
    EXPECT_FALSE(RenderExport(dir.filePath("absent/out.txt"), table, Template("x"), kTimestamp,
                              INIStorage(dir.path()), &error));
    EXPECT_TRUE(error.contains("absent/out.txt")) << error.toStdString();
}

#ifdef Q_OS_UNIX
TEST_F(ExportTest, AWriteThatFailsHalfwayKeepsTheOldFile)
{
    WriteTestFile(Output(), "the statement of yesterday");
    const QString tpl = Template("<header>" + QString(100000, 'x') + "</header>");
    // A file size limit makes the write fail the way a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool ok = RenderExport(Output(), table, tpl, kTimestamp, INIStorage(dir.path()));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Written(), "the statement of yesterday");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
#endif
