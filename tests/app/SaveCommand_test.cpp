#include "AnsiCodec.h"
#include "DocumentParser.h"
#include "SaveCommand.h"
#include "TemplateList.h"
#include "WindowTestSupport.h"

TEST(SaveCommand, SavesTheCheckedRowsInTheListsOrderThroughTheChosenTypeBesideTheInputOrTheLastSave)
{
    // Settings of its own, the samples read as if from that folder, the files shown noted.
    QTemporaryDir dir;
    WriteTestFile(dir.filePath("USER.INI"),
                  "[User]\r\nGotoAfterSave=1.0 \r\n"); // shows saved files
    Form1 window(ConfigFolders(kConfigFolder, dir.path(), true));
    QStringList shown;
    window.Saver()->SetFileShower([&](const QString& path) { shown.append(path); });
    for (const QString& path : QDir(ExamplesFolder()).entryList({"*.xml"}, QDir::Files))
        ParseDocument(ExamplesFolder() + "/" + path, *window.Table());
    window.TxtFileIn->setText(dir.filePath("PP_7701234560_20240305_000125.xml"));
    window.Table()->setData(window.Table()->index(3, 0), Qt::Unchecked, Qt::CheckStateRole);
    const QString statement = kConfigFolder + "/Выписка для бухгалтерии.txt.tpl";

    const auto dialog = window.Saver()->CreateDialog(TemplateList(kConfigFolder));
    const QString txt = "Выписка для бухгалтерии (*.txt)";
    EXPECT_EQ(dialog->nameFilters() << dialog->selectedNameFilter() << dialog->defaultSuffix()
                                    << dialog->selectedFiles(),
              QStringList({"CSV-реестр (*.csv)", "HTML-реестр (*.html)", txt, txt, "txt",
                           dir.filePath("000125.txt")}));
    // A cancelled dialog writes nothing; the file type chosen picks the template, and the rows
    // go in the order the list shows, dates and amounts each sorted their own way.
    window.CommandSaveAs->setEnabled(true);
    const QString out = dir.filePath("выписка 1.txt");
    for (const int column : {0, 1, 2}) {
        emit window.ListHeader->sectionClicked(column);
        QFile::remove(out); // a file there would be asked about first
        Answering(
            [&](QWidget* open) {
                auto* dialog = qobject_cast<QFileDialog*>(open);
                ASSERT_NE(dialog, nullptr);
                dialog->selectNameFilter(dialog->nameFilters().value(0));
                dialog->selectFile(out);
                QMetaObject::invokeMethod(dialog, column == 0 ? "reject" : "accept");
            },
            [&] { window.CommandSaveAs->click(); });
        QStringList listed = ColumnTexts(window.List->model(), 0), saved;
        listed.removeOne(window.Table()->index(3, 0).data().toString());
        const QStringList lines = AnsiCodec::Decode(Contents(out)).split("\r\n");
        for (const QString& line : lines.mid(1, lines.size() - 3))
            saved.append(line.section(';', 0, 0));
        EXPECT_EQ(saved, column > 0 ? listed : QStringList()) << column;
    }
    EXPECT_EQ(window.StatusBar1->Text(), "Документы успешно сохранены в '" + out + "'");

    // The day the picker shows, without its time; the saved file shown while the option is on.
    window.show();
    window.DTPicker1->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
    EXPECT_TRUE(window.Saver()->SaveTo(out, statement) && window.StatusBar1->Color() == 0x8000);
    const QString text = AnsiCodec::Decode(Contents(out));
    EXPECT_TRUE(text.contains("ДатаСоздания=05.03.2024\r\nВремяСоздания=00:00:00\r\n"));
    EXPECT_EQ(text.count("СекцияДокумент="), window.Table()->rowCount() - 1);
    EXPECT_EQ(shown, QStringList(3, out));
    window.mnuOpenAfter->trigger();
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), "[User]\r\nGotoAfterSave=0\r\n");
    EXPECT_TRUE(window.Saver()->SaveTo(out, statement) && shown.size() == 3);
    window.mnuOpenAfter->trigger();
    EXPECT_EQ(Contents(dir.filePath("USER.INI")), "[User]\r\nGotoAfterSave=1\r\n");
    // Failures are red and show nothing: a missing folder, the document being read.
    const QString absent = dir.filePath("absent/out.txt");
    const QString input = WriteTestFile(window.TxtFileIn->text(), "input");
    for (const QString& path : {absent, input}) {
        window.ShowStatusText({"before", StatusColor::Green});
        EXPECT_FALSE(window.Saver()->SaveTo(path, statement));
        EXPECT_EQ(window.StatusBar1->Color(), 0xC0) << path;
    }
    EXPECT_EQ(window.StatusBar1->Text(),
              "Нельзя сохранить выписку в '" + input + "': это читаемый документ");
    EXPECT_TRUE(Contents(input) == "input" && shown.size() == 3);
    // After a save elsewhere, the next dialog proposes its name in that folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("elsewhere"));
    EXPECT_TRUE(window.Saver()->SaveTo(dir.filePath("elsewhere/x.txt"), statement));
    EXPECT_EQ(window.Saver()->CreateDialog(TemplateList(kConfigFolder))->selectedFiles(),
              QStringList(dir.filePath("elsewhere/000125.txt")));
}
