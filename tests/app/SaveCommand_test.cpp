#include "AnsiCodec.h"
#include "CheckableHeader.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "Form1.h"
#include "SaveCommand.h"
#include "StatusBar.h"
#include "TemplateList.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";
const QString kSecond = ExamplesFolder() + "/PP_6671045924_20240307_000128.xml";

// A window on a copy of the shipped configuration, so that its settings files are its own.
class SaveCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(Config());
        const QDir shipped(QStringLiteral(VYPISKA_SOURCE_DIR "/config"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), Config(name));
    }

    QString Config(const QString& name = {}) const { return dir.filePath("CONFIG/" + name); }

    std::unique_ptr<Form1> Window()
    {
        auto window = std::make_unique<Form1>(Config());
        window->Saver()->SetFileShower([this](const QString& path) { shown.append(path); });
        return window;
    }

    static void Read(Form1& window, const QStringList& paths)
    {
        for (const QString& path : paths)
            ParseDocument(path, *window.Table());
        window.TxtFileIn->setText(paths.first());
    }

    QTemporaryDir dir;
    QStringList shown;
};

} // namespace

TEST_F(SaveCommandTest, TheOptionIsRestoredWhenStoredAsTheNumberOne)
{
    const struct {
        const char* stored;
        bool checked;
    } cases[] = {{"1", true}, {" 1 ", true}, {"1.0", true}, {"0", false},
                 {"", false}, {"2", false},  {"да", false}, {nullptr, false}};
    for (const auto& c : cases) {
        QFile::remove(Config("USER.INI"));
        if (c.stored)
            WriteTestFile(Config("USER.INI"), "[User]\r\nGotoAfterSave=" +
                                                  AnsiCodec::Encode(QString::fromUtf8(c.stored)) +
                                                  "\r\n");
        EXPECT_EQ(Window()->mnuOpenAfter->isChecked(), c.checked)
            << (c.stored ? c.stored : "missing");
    }
}

TEST_F(SaveCommandTest, TogglingTheOptionStoresItInUserIni)
{
    const auto window = Window();
    window->mnuOpenAfter->trigger();
    EXPECT_TRUE(window->mnuOpenAfter->isChecked());
    EXPECT_EQ(Contents(Config("USER.INI")), "[User]\r\nGotoAfterSave=1\r\n");
    window->mnuOpenAfter->trigger();
    EXPECT_EQ(Contents(Config("USER.INI")), "[User]\r\nGotoAfterSave=0\r\n");
    EXPECT_FALSE(QFile::exists(Config("CONFIG.INI")));
}

TEST_F(SaveCommandTest, TheDialogOffersTheTemplatesAndProposesANameBesideTheInputOrTheLastSave)
{
    const auto window = Window();
    Read(*window, {kSample});
    const TemplateList templates(Config());
    const std::unique_ptr<QFileDialog> dialog = window->Saver()->CreateDialog(templates);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters(), QStringList({"CSV-реестр (*.csv)", "HTML-реестр (*.html)",
                                                  "Выписка для бухгалтерии (*.txt)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Выписка для бухгалтерии (*.txt)");
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(ExamplesFolder()).absolutePath());
    EXPECT_EQ(dialog->selectedFiles(), QStringList(QDir(ExamplesFolder()).filePath("000125.txt")));

    // After a save elsewhere the next one starts there; a failed save moves nothing.
    QDir().mkpath(dir.filePath("elsewhere"));
    ASSERT_TRUE(window->Saver()->SaveTo(dir.filePath("elsewhere/first.txt"), templates.Path(2)));
    EXPECT_FALSE(window->Saver()->SaveTo(dir.filePath("absent/out.txt"), templates.Path(2)));
    const std::unique_ptr<QFileDialog> next = window->Saver()->CreateDialog(templates);
    EXPECT_EQ(next->directory().absolutePath(), dir.filePath("elsewhere"));
    EXPECT_EQ(next->selectedFiles(), QStringList(dir.filePath("elsewhere/000125.txt")));
}

TEST_F(SaveCommandTest, TheChosenFileTypePicksTheTemplate)
{
    const auto window = Window();
    Read(*window, {kSample});
    const QString out = dir.filePath("chosen.txt");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectNameFilter(dialog->nameFilters().constFirst());
        dialog->selectFile(out);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->CommandSaveAs->setEnabled(true);
    window->CommandSaveAs->click();
    EXPECT_TRUE(Contents(out).startsWith(AnsiCodec::Encode(QStringLiteral("Номер;Дата;Сумма;"))));
    EXPECT_EQ(window->StatusBar1->Text(), "Документ успешно сохранен в '" + out + "'");
}

TEST_F(SaveCommandTest, ASaveReportsInGreenAndShowsTheFileWhenAsked)
{
    const auto window = Window();
    Read(*window, {kSample, kSecond});
    window->Table()->setData(window->Table()->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    window->DTPicker1->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)));
    const QString out = dir.filePath("выписка 1.txt");
    const QString statement = Config("Выписка для бухгалтерии.txt.tpl");

    EXPECT_TRUE(window->Saver()->SaveTo(out, statement));
    EXPECT_EQ(window->StatusBar1->Text(),
              "Документы успешно сохранены в '" + out +
                  "'. Не задан расчетный счет организации (Настройки, CONFIG.INI)");
    EXPECT_EQ(window->StatusBar1->Color(), 0x8000);
    EXPECT_TRUE(shown.isEmpty());
    const QString text = AnsiCodec::Decode(Contents(out));
    EXPECT_TRUE(text.contains("ВремяСоздания=09:07:30\r\n"));
    EXPECT_EQ(text.count("СекцияДокумент="), 1) << "the unchecked row is left out";

    window->mnuOpenAfter->trigger();
    EXPECT_TRUE(window->Saver()->SaveTo(out, statement));
    EXPECT_EQ(shown, QStringList(out));

    EXPECT_FALSE(window->Saver()->SaveTo(dir.filePath("absent/out.txt"), statement));
    EXPECT_EQ(window->StatusBar1->Text(), "Ошибка! Не удалось сохранить файл! Не удалось записать "
                                          "файл '" +
                                              dir.filePath("absent/out.txt") + "'");
    EXPECT_EQ(window->StatusBar1->Color(), 0xC0);
    EXPECT_EQ(shown.size(), 1) << "a failed save shows nothing";

    // What the save reads is never written over: the document, the template, the settings.
    const QString copy = dir.filePath("copy.xml");
    ASSERT_TRUE(QFile::copy(kSample, copy));
    Read(*window, {copy});
    const struct {
        QString path;
        QString what;
    } refused[] = {{copy, "читаемый документ"},
                   {statement, "шаблон выгрузки"},
                   {Config("TAG.INI"), "файл папки настроек"}};
    for (const auto& r : refused) {
        const QByteArray before = Contents(r.path);
        EXPECT_FALSE(window->Saver()->SaveTo(r.path, statement));
        EXPECT_EQ(window->StatusBar1->Text(),
                  "Нельзя сохранить выписку в '" + r.path + "': это " + r.what);
        EXPECT_EQ(window->StatusBar1->Color(), 0xC0);
        EXPECT_EQ(Contents(r.path), before);
    }
}

TEST_F(SaveCommandTest, RowsAreSavedInTheOrderTheListShowsThem)
{
    const auto window = Window();
    QStringList paths;
    for (const QString& name : QDir(ExamplesFolder()).entryList({"*.xml"}, QDir::Files))
        paths.append(QDir(ExamplesFolder()).filePath(name));
    Read(*window, paths);
    window->Table()->setData(window->Table()->index(3, 0), Qt::Unchecked, Qt::CheckStateRole);
    const QAbstractItemModel* shown = window->List->model();
    const QString out = dir.filePath("registry.csv");
    // Number, date, amount, payer: numbers, dates, amounts and texts each sort their own way.
    for (const int column : {0, 1, 2, 3}) {
        emit window->ListHeader->sectionClicked(column);
        QStringList numbers;
        for (int row = 0; row < shown->rowCount(); ++row) {
            if (shown->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked)
                numbers.append(shown->index(row, 0).data().toString());
        }
        ASSERT_TRUE(window->Saver()->SaveTo(out, Config("CSV-реестр.csv.tpl")));
        QStringList lines = AnsiCodec::Decode(Contents(out)).split("\r\n").mid(1);
        lines = lines.mid(0, lines.size() - 2);
        QStringList saved;
        for (const QString& line : lines)
            saved.append(line.section(';', 0, 0));
        EXPECT_EQ(saved, numbers) << column;
        EXPECT_EQ(saved.size(), window->Table()->rowCount() - 1);
    }
}

TEST_F(SaveCommandTest, AChangeOfTheDateWhileTheWindowIsVisibleDropsTheTime)
{
    const auto window = Window();
    EXPECT_NE(window->DTPicker1->time(), QTime(0, 0, 0)) << "the start-up moment keeps its time";
    window->show();
    window->DTPicker1->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
    EXPECT_EQ(window->DTPicker1->dateTime(), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
}

TEST_F(SaveCommandTest, TheOptionsButtonOpensTheOptionsDialog)
{
    const auto window = Window();
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->close();
    });
    window->OptionsBtn->click();
    EXPECT_EQ(title, "Настройки");
}

TEST_F(SaveCommandTest, SettingsColumnsAndTemplatesOfTheUsersFolderWhenTheProgramsIsReadOnly)
{
    const QString user = dir.filePath("user");
    WriteTestFile(user + "/TAG.INI", AnsiCodec::Encode(QStringLiteral("Номер = НомерДок\r\n")));
    WriteTestFile(user + "/Мой.txt.tpl", "");
    Form1 window(ConfigFolders(Config(), user, true));
    EXPECT_EQ(window.Table()->columnCount(), 1) << "the user's column map replaces the program's";
    window.mnuOpenAfter->trigger();
    EXPECT_EQ(Contents(user + "/USER.INI"), "[User]\r\nGotoAfterSave=1\r\n");
    EXPECT_FALSE(QFile::exists(Config("USER.INI")));

    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->nameFilters();
        dialog->reject();
    });
    window.CommandSaveAs->setEnabled(true);
    window.CommandSaveAs->click();
    EXPECT_EQ(offered, QStringList({"CSV-реестр (*.csv)", "HTML-реестр (*.html)",
                                    "Выписка для бухгалтерии (*.txt)", "Мой (*.txt)"}));
}
