#include "InputSelection.h"
#include "WindowTestSupport.h"

#include <QAbstractProxyModel>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Delivers a drag and a drop of the urls to a widget, the source proposing its first action;
// true when the drag was accepted. The action taken lands in taken.
bool DropOn(QWidget* target, const QList<QUrl>& urls, Qt::DropActions offered = Qt::CopyAction,
            Qt::DropAction* taken = nullptr)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    if (taken)
        *taken = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    return enter.isAccepted();
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
            QWidget* target =
                onList ? window.List->viewport() : static_cast<QWidget*>(window.TxtFileIn);
            EXPECT_EQ(DropOn(target, c.urls), !c.expected.isEmpty())
                << c.urls.first().toString().toStdString();
            EXPECT_EQ(window.TxtFileIn->text(),
                      c.expected.isEmpty() ? QString("before") : c.expected)
                << c.urls.first().toString().toStdString()
                << (onList ? " on the list" : " on the box");
        }
    }
}

TEST(InputSelection, ADropIsTakenAsACopyOrALinkNeverAsAMove)
{
    QTemporaryDir root;
    const QString xml = WriteTestFile(root.filePath("doc.xml"), "x");
    const struct {
        Qt::DropActions offered;
        Qt::DropAction taken;
    } cases[] = {
        {Qt::CopyAction, Qt::CopyAction},
        {Qt::MoveAction | Qt::CopyAction, Qt::CopyAction},
        {Qt::MoveAction | Qt::LinkAction, Qt::LinkAction},
        {Qt::MoveAction, Qt::IgnoreAction},
    };
    for (const auto& c : cases) {
        Form1 window(kConfigFolder);
        Qt::DropAction taken = Qt::MoveAction;
        DropOn(window.TxtFileIn, {QUrl::fromLocalFile(xml)}, c.offered, &taken);
        EXPECT_EQ(taken, c.taken) << int(c.offered);
        EXPECT_EQ(window.TxtFileIn->text(), c.taken == Qt::IgnoreAction ? QString() : xml);
    }
}

TEST(InputSelection, TheOpenDialogsStartInTheInputsFolderAndMakeNoFolders)
{
    QTemporaryDir root;
    const QString xml = WriteTestFile(root.filePath("doc.xml"), "x");
    QDir().mkpath(root.filePath("in"));
    const struct {
        QString input;
        QString start;
    } cases[] = {
        {QString(), QDir::homePath()},
        {xml, root.path()},
        {root.filePath("in"), root.filePath("in")},
        {root.filePath("gone/doc.xml"), QDir::homePath()},
    };
    for (const auto& c : cases) {
        Form1 window(kConfigFolder);
        window.TxtFileIn->setText(c.input);
        for (const bool folders : {false, true}) {
            const auto dialog = window.findChild<InputSelection*>()->CreateDialog(folders);
            EXPECT_EQ(dialog->directory().absolutePath(), QDir(c.start).absolutePath())
                << c.input.toStdString();
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog->windowTitle(), folders ? "Открыть папку" : "Открыть файл");
            const auto* newFolder = dialog->findChild<QWidget*>("newFolderButton");
            ASSERT_NE(newFolder, nullptr);
            EXPECT_EQ(newFolder->isVisibleTo(dialog.get()), !folders);
        }
    }

    // Kinds, sizes and dates in Russian, whatever the system's language.
    Form1 window(kConfigFolder);
    window.TxtFileIn->setText(xml);
    const auto dialog = window.findChild<InputSelection*>()->CreateDialog(false);
    const QAbstractItemModel* files = dialog->proxyModel();
    ASSERT_NE(files, nullptr);
    const auto* view = dialog->findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount(view->rootIndex()) == 2; }, 5000));
    const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"));
    for (int row = 0; row < 2; ++row) {
        const QModelIndex name = files->index(row, 0, view->rootIndex());
        const bool folder = name.data().toString() == "in";
        EXPECT_EQ(name.siblingAtColumn(1).data().toString(), folder ? "" : "1 Б");
        if (folder) {
            EXPECT_EQ(name.siblingAtColumn(2).data().toString(), "Папка");
        }
        EXPECT_TRUE(date.match(name.siblingAtColumn(3).data().toString()).hasMatch())
            << name.siblingAtColumn(3).data().toString().toStdString();
    }
}
