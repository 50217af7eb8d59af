#include "WindowTestSupport.h"

TEST(ReadController, TheTimerReadsTheBoxPathWithProgressAndReadsAPathArrivingMeanwhileAfterwards)
{
    QTemporaryDir first, second;
    for (int i = 0; i < 1002; ++i)
        WriteTestFile((i < 1000 ? first : second).filePath(QString("d%1.xml").arg(i)),
                      Document({QString::number(i), "2024-03-05", "10.00"}));
    Form1 window(kConfigFolder);
    window.show();
    auto* reader = window.findChild<ReadController*>();
    reader->SetTiming(0, 0);
    QProgressBar* bar = reader->ProgressBar();
    QList<std::tuple<int, int, bool>> shown;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        shown.append({value, bar->maximum(), bar->isVisibleTo(&window)});
        EXPECT_TRUE(window.cursor().shape() == Qt::WaitCursor &&
                    !window.CommandSaveAs->isEnabled());
        // "1000 из 1000" fits within the bar's frame and padding.
        const QFontMetrics metrics = bar->fontMetrics();
        EXPECT_GE(bar->width(),
                  metrics.horizontalAdvance("1000 из 1000") + 3 * metrics.averageCharWidth());
        if (value != 500)
            return;
        window.TxtFileIn->setText(second.path());
        reader->RunCycle(); // the timer's tick, arriving while the first cycle yields
        EXPECT_TRUE(window.Table()->rowCount() <= 500 && reader->IsRunning());
    });
    window.TxtFileIn->setText(first.path());
    EXPECT_TRUE(window.ReadTimer->isActive());
    reader->RunCycle();
    EXPECT_EQ(window.StatusBar1->Text(),
              "Успешно прочитано 1000 документов в '" + first.path() + "'");
    EXPECT_TRUE(!shown.isEmpty() && shown.last() == std::make_tuple(1000, 1000, true) &&
                !bar->isVisibleTo(&window));
    EXPECT_TRUE(window.ReadTimer->isActive() && window.CommandSaveAs->isEnabled() &&
                window.cursor().shape() == Qt::ArrowCursor && window.List->updatesEnabled());
    const QAbstractItemView* list = window.List;
    for (int c = 0; c < window.Table()->columnCount(); ++c)
        EXPECT_GE(window.List->columnWidth(c), list->sizeHintForColumn(c)) << c;
    const qsizetype updates = shown.size();
    reader->SetTiming(60000, 0); // a read shorter than the delay shows no bar
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Table()->rowCount() == 2; }, 5000));
    EXPECT_EQ(shown.size(), updates);
    // A path naming nothing arms nothing; the save button follows the rows.
    window.CommandSaveAs->setEnabled(false);
    window.TxtFileIn->setText("/nonexistent/x.xml");
    EXPECT_TRUE(!window.ReadTimer->isActive() && window.CommandSaveAs->isEnabled());
    ReadNow(window, WriteTestFile(first.filePath("a.txt"), Document({"1", "", "1"})));
    EXPECT_FALSE(window.CommandSaveAs->isEnabled() || window.ReadTimer->isActive());
}
