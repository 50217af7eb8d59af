#include "InputSelection.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Delivers a drag and a drop of the urls to a widget; true when the drag was accepted.
bool DropOn(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

// Answers the next modal file dialog: picks the path, or cancels when it is empty.
void AnswerDialog(const QString& path, QStringList* filters = nullptr)
{
    QTimer::singleShot(0, [path, filters] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (filters)
            *filters = dialog->nameFilters();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

} // namespace

TEST(InputSelection, DropsOnTheBoxOrTheListTakeTheFirstAcceptablePath)
{
    QTemporaryDir root;
    const QString zip = WriteTestFile(root.filePath("PACK.Zip"), "x");
    const QString xml = WriteTestFile(root.filePath("doc.XML"), "x");
    const QString txt = WriteTestFile(root.filePath("a.txt"), "x");
    QDir().mkpath(root.filePath("in.2024"));
    const QString folder = root.filePath("in.2024");
    const struct {
        QList<QUrl> urls;
        QString expected; // empty: the box keeps its text
    } cases[] = {
        {{QUrl::fromLocalFile(zip)}, zip},
        {{QUrl::fromLocalFile(xml)}, xml},
        {{QUrl::fromLocalFile(folder)}, folder},
        {{QUrl::fromLocalFile(folder + "/")}, folder},
        {{QUrl::fromLocalFile(xml), QUrl::fromLocalFile(zip), QUrl::fromLocalFile(folder)}, xml},
        {{QUrl::fromLocalFile(txt)}, {}},
        {{QUrl::fromLocalFile(root.filePath("missing.xml"))}, {}},
        {{QUrl::fromLocalFile(txt), QUrl::fromLocalFile(zip)}, {}},
        {{QUrl("https://example.org/a.xml")}, {}},
    };
    for (const bool onList : {false, true}) {
        for (const auto& c : cases) {
            Form1 window(kConfigFolder);
            window.TxtFileIn->setText("before");
            QWidget* target = onList ? window.List->viewport() : static_cast<QWidget*>(window.TxtFileIn);
            EXPECT_EQ(DropOn(target, c.urls), !c.expected.isEmpty()) << c.urls.first().toString().toStdString();
            EXPECT_EQ(window.TxtFileIn->text(), c.expected.isEmpty() ? QString("before") : c.expected)
                << c.urls.first().toString().toStdString() << (onList ? " on the list" : " on the box");
        }
    }
}

TEST(InputSelection, TheDroppedPathIsReadAfterTheTimer)
{
    Form1 window(kConfigFolder);
    DropOn(window.TxtFileIn, {QUrl::fromLocalFile(QStringLiteral(VYPISKA_SOURCE_DIR "/examples/documents.zip"))});
    EXPECT_TRUE(window.ReadTimer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.CommandSaveAs->isEnabled(); }, 5000));
}

TEST(InputSelection, TheOpenDialogsPutTheChosenPathIntoTheBox)
{
    QTemporaryDir root;
    const QString xml = WriteTestFile(root.filePath("doc.xml"), "x");
    Form1 window(kConfigFolder);
    window.TxtFileIn->setText("before");

    AnswerDialog({});
    window.CommandOpen->click();
    EXPECT_EQ(window.TxtFileIn->text(), "before");

    QStringList filters;
    AnswerDialog(xml, &filters);
    window.mnuOpen[0]->trigger();
    EXPECT_EQ(filters, QStringList({"*.xml; *.zip (*.xml *.zip)"}));
    EXPECT_EQ(window.TxtFileIn->text(), xml);

    AnswerDialog(root.path());
    window.mnuOpen[1]->trigger();
    EXPECT_EQ(window.TxtFileIn->text(), root.path());
}
