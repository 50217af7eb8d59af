#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "Form1.h"
#include "StatusBar.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSizeGrip>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

TEST(Form1, ALongStatusTextLosesTheMiddleOfItsPathAndShowsWholeAsToolTip)
{
    const QFontMetrics metrics{QFont()};
    const QString head = "Успешно прочитано 5 документов в '";
    const QString path = "/home/user/Документы/Платежи/2024/Март/выгрузка из банка за первый квартал";
    const QString text = head + path + "'";
    const int full = metrics.horizontalAdvance(text);
    const int ends = metrics.horizontalAdvance(head + "'");
    const struct {
        QString text;
        int width;
        QString starts;
        QString ends;
    } cases[] = {
        {text, full, text, text},
        {text, full - 40, head + "/home", "квартал'"},
        {"Обработка документов без пути в тексте", 60, "Обр", "…"},
        {text, ends - 10, "Успешно", "…"}, // no room left for the path: the end goes
    };
    for (const auto& c : cases) {
        const QString shown = StatusBar::Fit(c.text, metrics, c.width);
        EXPECT_LE(metrics.horizontalAdvance(shown), c.width) << shown.toStdString();
        EXPECT_TRUE(shown.startsWith(c.starts)) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(c.ends)) << shown.toStdString();
        EXPECT_EQ(shown.contains(QChar(0x2026)), c.width < full) << shown.toStdString();
    }

    Form1 window(kConfig);
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString status = head + path + path + path + "'";
    window.ShowStatusText(status, 0x8000);
    QCoreApplication::processEvents();
    const QString shown = window.StatusBar1->ShownText();
    EXPECT_TRUE(shown.startsWith(head + "/home") && shown.endsWith("квартал'")) << shown.toStdString();
    EXPECT_EQ(window.StatusBar1->Text(), status);
    EXPECT_EQ(window.StatusBar1->toolTip(), status);
    const auto* grip = window.StatusBar1->findChild<QSizeGrip*>();
    const auto* panel = window.StatusBar1->findChild<QLabel*>();
    ASSERT_TRUE(grip && panel);
    EXPECT_LT(panel->geometry().right(), grip->geometry().left());
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(shown), panel->contentsRect().width());
}

TEST(Form1, TheKeyboardOpensTheSplitButtonsMenus)
{
    Form1 window(kConfig);
    window.show();
    window.CommandSaveAs->setEnabled(true);
    for (QToolButton* button : {window.CommandOpen, window.CommandSaveAs}) {
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_F4, Qt::NoModifier},
                                             std::pair{Qt::Key_Down, Qt::AltModifier}}) {
            QMenu* shown = nullptr;
            QTimer::singleShot(0, [&] {
                shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (shown)
                    shown->close();
            });
            QTest::keyClick(button, key, modifiers);
            EXPECT_EQ(shown, button->menu()) << key;
        }
    }
}
