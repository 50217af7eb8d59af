#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "Form1.h"
#include "StatusBar.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");

} // namespace

TEST(Form1, StartsWithCaptionColumnsGridAndReadyText)
{
    Form1 window(kConfig);
    ColumnMap map;
    ASSERT_TRUE(map.Load(kConfig));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("XML-Выписка 1.0.0"));
    ASSERT_EQ(window.Table()->columnCount(), map.Columns().size());
    EXPECT_EQ(window.List->model()->headerData(0, Qt::Horizontal).toString(), map.Columns()[0].caption);
    EXPECT_EQ(window.Grid1->horizontalHeaderItem(0)->text(), QStringLiteral("Реквизит"));
    EXPECT_EQ(window.Grid1->horizontalHeaderItem(1)->text(), QStringLiteral("Значение"));
    EXPECT_EQ(window.Grid1->rowCount(), map.Columns().size());
    EXPECT_FALSE(window.Grid1->isEnabled());
    EXPECT_FALSE(window.CommandSaveAs->isEnabled());
    EXPECT_EQ(window.StatusBar1->Text(), QStringLiteral("Готов к работе ..."));
    EXPECT_EQ(window.CommandSaveAs->text(), QStringLiteral("Сохранить как ..."));
    EXPECT_EQ(window.mnuOpen[0]->text(), QStringLiteral("Открыть файл ..."));
    EXPECT_EQ(window.mnuOpen[1]->text(), QStringLiteral("Открыть папку ..."));
    EXPECT_EQ(window.mnuOpenAfter->text(), QStringLiteral("Перейти к файлу после сохранения"));
}

TEST(Form1, AMissingColumnMapIsReportedInRed)
{
    QTemporaryDir dir;
    Form1 window(dir.path());
    EXPECT_EQ(window.Table()->columnCount(), 0);
    EXPECT_EQ(window.Grid1->rowCount(), 0);
    EXPECT_TRUE(window.StatusBar1->Text().contains(QStringLiteral("TAG.INI")));
    EXPECT_EQ(window.StatusBar1->Color(), 0xC0);
}

TEST(Form1, StatusTextKeepsItsColourWhenAskedTo)
{
    Form1 window(kConfig);
    window.ShowStatusText(QStringLiteral("Ошибка"), 0xC0);
    window.ShowStatusText(QStringLiteral("Обработка ..."), -1);
    EXPECT_EQ(window.StatusBar1->Text(), QStringLiteral("Обработка ..."));
    EXPECT_EQ(window.StatusBar1->Color(), 0xC0);
    window.ShowStatusText(QStringLiteral("Хорошо"), 0x8000);
    EXPECT_EQ(window.StatusBar1->Color(), 0x8000);
}
