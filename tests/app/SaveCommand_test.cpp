#include "AnsiCodec.h"
#include "DocumentParser.h"
#include "SaveCommand.h"
#include "TemplateList.h"
#include "WindowTestSupport.h"

namespace {

// A window whose settings live in a folder of its own, with sample documents read as if from
// that folder, and the files it shows noted.
struct SavingWindow {
    explicit SavingWindow(const QStringList& documents)
    {
        window.Saver()->SetFileShower([this](const QString& path) { shown.append(path); });
        for (const QString& path : documents)
            ParseDocument(ExamplesFolder() + "/" + path, *window.Table());
        window.TxtFileIn->setText(dir.filePath(documents.first()));
    }

    QTemporaryDir dir;
    Form1 window{ConfigFolders(kConfigFolder, dir.path(), true)};
    QStringList shown;
};

const QString kStatement = kConfigFolder + "/Выписка для бухгалтерии.txt.tpl";

} // namespace

TEST(SaveCommand, TheButtonAsksForAFileBesideTheInputOrTheLastSaveAndSavesThroughTheChosenType)
{
    SavingWindow saving({"PP_7701234560_20240305_000125.xml"});
    Form1& window = saving.window;
    const TemplateList templates(kConfigFolder);
    const std::unique_ptr<QFileDialog> dialog = window.Saver()->CreateDialog(templates);
    EXPECT_TRUE(dialog->acceptMode() == QFileDialog::AcceptSave && dialog->proxyModel() &&
                !dialog->testOption(QFileDialog::DontConfirmOverwrite));
    const QString txt = "Выписка для бухгалтерии (*.txt)";
    EXPECT_EQ(dialog->nameFilters() << dialog->selectedNameFilter() << dialog->defaultSuffix()
                                    << dialog->selectedFiles(),
              QStringList({"CSV-реестр (*.csv)", "HTML-реестр (*.html)", txt, txt, "txt",
                           saving.dir.filePath("000125.txt")}));
    // After a save elsewhere the next one starts there; a failed save moves nothing.
    const QString elsewhere = saving.dir.filePath("elsewhere/");
    QDir().mkpath(elsewhere);
    ASSERT_TRUE(window.Saver()->SaveTo(elsewhere + "first.txt", kStatement));
    EXPECT_FALSE(window.Saver()->SaveTo(saving.dir.filePath("absent/out.txt"), kStatement));
    EXPECT_EQ(window.Saver()->CreateDialog(templates)->selectedFiles(),
              QStringList(elsewhere + "000125.txt"));
    // A cancelled dialog writes nothing; the file type chosen picks the template.
    window.CommandSaveAs->setEnabled(true);
    const QString out = saving.dir.filePath("chosen.txt");
    for (const int type : {-1, 0}) {
        Answering(
            [&](QWidget* open) {
                auto* dialog = qobject_cast<QFileDialog*>(open);
                ASSERT_NE(dialog, nullptr);
                dialog->selectNameFilter(dialog->nameFilters().value(type));
                dialog->selectFile(out);
                QMetaObject::invokeMethod(dialog, type < 0 ? "reject" : "accept");
            },
            [&] { window.CommandSaveAs->click(); });
        EXPECT_TRUE(QFile::exists(out) == (type >= 0) && !QFile::exists(elsewhere + "000125.txt"));
    }
    EXPECT_TRUE(Contents(out).startsWith(AnsiCodec::Encode(QStringLiteral("Номер;Дата;Сумма;"))));
    EXPECT_EQ(window.StatusBar1->Text(), "Документ успешно сохранен в '" + out + "'");
}

TEST(SaveCommand, CheckedRowsAreSavedInTheListsOrderOnThePickersDayNeverOverTheInput)
{
    SavingWindow saving(QDir(ExamplesFolder()).entryList({"*.xml"}, QDir::Files));
    Form1& window = saving.window;
    window.Table()->setData(window.Table()->index(3, 0), Qt::Unchecked, Qt::CheckStateRole);
    const QString out = saving.dir.filePath("выписка 1.csv");
    // Dates and amounts each sort their own way, neither in the order of reading.
    for (const int column : {1, 2}) {
        emit window.ListHeader->sectionClicked(column);
        QStringList listed = ColumnTexts(window.List->model(), 0), saved;
        listed.removeOne(window.Table()->index(3, 0).data().toString());
        ASSERT_TRUE(window.Saver()->SaveTo(out, kConfigFolder + "/CSV-реестр.csv.tpl"));
        const QStringList lines = AnsiCodec::Decode(Contents(out)).split("\r\n");
        for (const QString& line : lines.mid(1, lines.size() - 3))
            saved.append(line.section(';', 0, 0));
        EXPECT_EQ(saved, listed) << column;
    }
    window.show();
    window.DTPicker1->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
    EXPECT_TRUE(window.Saver()->SaveTo(out, kStatement));
    EXPECT_EQ(window.StatusBar1->Text(),
              "Документы успешно сохранены в '" + out +
                  "'. Не задан расчетный счет организации (Настройки, CONFIG.INI)");
    EXPECT_EQ(window.StatusBar1->Color(), 0x8000);
    const QString text = AnsiCodec::Decode(Contents(out));
    EXPECT_TRUE(text.contains("ДатаСоздания=05.03.2024\r\nВремяСоздания=00:00:00\r\n"));
    EXPECT_EQ(text.count("СекцияДокумент="), window.Table()->rowCount() - 1);
    // The saved file is shown while the option is on, as USER.INI holds it.
    EXPECT_TRUE(saving.shown.isEmpty());
    window.mnuOpenAfter->trigger();
    EXPECT_EQ(Contents(saving.dir.filePath("USER.INI")), "[User]\r\nGotoAfterSave=1\r\n");
    EXPECT_TRUE(window.Saver()->SaveTo(out, kStatement));
    EXPECT_EQ(saving.shown, QStringList(out));
    WriteTestFile(saving.dir.filePath("USER.INI"), "[User]\r\nGotoAfterSave=1.0 ");
    EXPECT_TRUE(
        Form1(ConfigFolders(kConfigFolder, saving.dir.path(), true)).mnuOpenAfter->isChecked());
    // Failures are red and show nothing: a missing folder, the document being read.
    const QString absent = saving.dir.filePath("absent/out.txt");
    const QString input = WriteTestFile(window.TxtFileIn->text(), "input");
    const std::pair<QString, QString> failures[] = {
        {absent, "Ошибка! Не удалось сохранить файл! Не удалось записать файл '" + absent + "'"},
        {input, "Нельзя сохранить выписку в '" + input + "': это читаемый документ"}};
    for (const auto& [path, message] : failures) {
        window.ShowStatusText({"before", StatusColor::Green});
        EXPECT_FALSE(window.Saver()->SaveTo(path, kStatement));
        EXPECT_TRUE(window.StatusBar1->Text() == message && window.StatusBar1->Color() == 0xC0)
            << window.StatusBar1->Text();
    }
    EXPECT_TRUE(Contents(input) == "input" && saving.shown.size() == 1);
}
