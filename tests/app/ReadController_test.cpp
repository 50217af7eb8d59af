#include "DocumentTableModel.h"
#include "StatusBar.h"
#include "WindowTestSupport.h"

#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString FolderOf(const QTemporaryDir& root, int documents)
{
    for (int i = 0; i < documents; ++i)
        WriteTestFile(root.filePath(QString("d%1.xml").arg(i, 4, 10, QChar('0'))),
                      Document(QString::number(i), "2024-03-05", "10.00"));
    return root.path();
}

} // namespace

TEST(ReadController, TheTimerReadsTheBoxPathAndReportsIt)
{
    Form1 window(kConfigFolder);
    window.Table()->SetHeaderCheckState(Qt::Unchecked);
    window.TxtFileIn->setText(ExamplesFolder());
    EXPECT_TRUE(window.ReadTimer->isActive());
    EXPECT_EQ(window.ReadTimer->interval(), 100);
    EXPECT_EQ(window.Table()->rowCount(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Table()->rowCount() > 0; }, 5000));
    EXPECT_EQ(window.StatusBar1->Text(),
              "Успешно прочитано 11 документов в '" + ExamplesFolder() + "'");
    EXPECT_EQ(window.StatusBar1->Color(), 0x8000);
    EXPECT_TRUE(window.CommandSaveAs->isEnabled());
    EXPECT_EQ(window.Table()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(),
              Qt::Checked);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(window.ReadTimer->isActive());

    // A path naming nothing arms nothing; the save button follows the rows still there.
    window.TxtFileIn->setText("/nonexistent/x.xml");
    EXPECT_FALSE(window.ReadTimer->isActive());
    EXPECT_TRUE(window.CommandSaveAs->isEnabled());

    QTemporaryDir root;
    window.TxtFileIn->setText(WriteTestFile(root.filePath("a.txt"), Document("1", "", "1")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Table()->rowCount() == 0; }, 5000));
    EXPECT_EQ(window.StatusBar1->Text(),
              "Не найдено совместимых документов в '" + root.filePath("a.txt") + "'");
    EXPECT_EQ(window.StatusBar1->Color(), 0xC0);
    EXPECT_FALSE(window.CommandSaveAs->isEnabled());
}

TEST(ReadController, TheProgressTextKeepsThePreviousColourAndIsPaintedFirst)
{
    Form1 window(kConfigFolder);
    for (const qint32 colour : {0xC0, 0x8000}) {
        window.ShowStatusText("before", colour);
        QString text;
        qint32 seen = 0;
        QTimer::singleShot(0, &window, [&] {
            text = window.StatusBar1->Text();
            seen = window.StatusBar1->Color();
        });
        ReadNow(window, ExamplesFolder() + "/PP_7701234560_20240305_000125.xml");
        EXPECT_EQ(text, "Обработка ...");
        EXPECT_EQ(seen, colour);
    }
}

TEST(ReadController, LongReadsShowProgressAndReadAPathArrivingMeanwhileAfterwards)
{
    QTemporaryDir first;
    QTemporaryDir second;
    Form1 window(kConfigFolder);
    window.show();
    auto* reader = window.findChild<ReadController*>();
    reader->SetTiming(0, 0);
    QList<std::tuple<int, int, bool>> shown;
    QProgressBar* bar = reader->ProgressBar();
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        shown.append({value, bar->maximum(), bar->isVisibleTo(&window)});
        // "1000 из 1000" fits within the bar's frame and padding.
        const QFontMetrics metrics = bar->fontMetrics();
        EXPECT_GE(bar->width(), metrics.horizontalAdvance(bar->text()) + 3 * metrics.averageCharWidth())
            << bar->text().toStdString();
    });
    const QString later = FolderOf(second, 2);
    bool nested = false;
    QTimer::singleShot(0, &window, [&] {
        window.TxtFileIn->setText(later);
        const int rows = window.Table()->rowCount();
        reader->RunCycle(); // the timer's tick, arriving while the first cycle yields
        nested = window.Table()->rowCount() != rows || !reader->IsRunning();
    });
    ReadNow(window, FolderOf(first, 1000));
    EXPECT_FALSE(nested);
    EXPECT_EQ(window.StatusBar1->Text(), "Успешно прочитано 1000 документов в '" + first.path() + "'");
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.last(), std::make_tuple(1000, 1000, true));
    EXPECT_FALSE(bar->isVisibleTo(&window));
    EXPECT_TRUE(window.ReadTimer->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Table()->rowCount() == 2; }, 5000));
    EXPECT_EQ(window.StatusBar1->Text(), "Успешно прочитано 2 документа в '" + later + "'");
}
