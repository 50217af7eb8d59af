#include "InputSelection.h"
#include "WindowTestSupport.h"

#include <QAbstractProxyModel>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Drags paths (or other urls) over the target and drops them there, the source offering some
// actions; returns the action the drop took, IgnoreAction when refused. Every step of a drag of
// files is the selection's, and the box keeps its text until the drop.
Qt::DropAction DropOn(Form1& window, QWidget* target, const QStringList& paths,
                      Qt::DropActions offered)
{
    QObject* selection = window.findChild<InputSelection*>();
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(path.startsWith('/') ? QUrl::fromLocalFile(path) : QUrl(path));
    data.setUrls(urls);
    const QString before = window.TxtFileIn->text();
    QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(selection->eventFilter(target, &move));
    EXPECT_EQ(window.TxtFileIn->text(), before);
    QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(selection->eventFilter(target, &drop));
    EXPECT_TRUE(enter.isAccepted() == drop.isAccepted() && move.isAccepted() == drop.isAccepted());
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

} // namespace

TEST(InputSelection, ADropOnTheBoxOrTheListTakesTheFirstPathWhenItCanBeReadAsACopyOrALink)
{
    QTemporaryDir root;
    const QString zip = WriteTestFile(root.filePath("PACK.Zip"), "x");
    const QString xml = WriteTestFile(root.filePath("doc.XML"), "x");
    const QString txt = WriteTestFile(root.filePath("a.txt"), "x");
    const QString folder = root.filePath("in.2024");
    QDir().mkpath(folder);
    const Qt::DropActions copy = Qt::CopyAction, move = Qt::MoveAction, link = Qt::LinkAction;
    // What is dragged, what its source offers; the box afterwards and the action taken.
    const std::tuple<QStringList, Qt::DropActions, QString, Qt::DropAction> cases[] = {
        {{zip}, copy, zip, Qt::CopyAction},
        {{xml, zip, folder}, copy, xml, Qt::CopyAction},
        {{folder}, copy, folder, Qt::CopyAction},
        {{folder + "/"}, copy, folder, Qt::CopyAction},
        {{"/"}, copy, "/", Qt::CopyAction},
        {{xml}, move | copy, xml, Qt::CopyAction}, // told of a move, a source may delete the file
        {{xml}, move | link, xml, Qt::LinkAction},
        {{xml}, move, "before", Qt::IgnoreAction},
        {{txt}, copy, "before", Qt::IgnoreAction},
        {{root.filePath("missing.xml")}, copy, "before", Qt::IgnoreAction},
        {{txt, zip}, copy, "before", Qt::IgnoreAction},
        {{"https://example.org/a.xml"}, copy, "before", Qt::IgnoreAction},
    };
    Form1 window(kConfigFolder);
    EXPECT_TRUE(window.TxtFileIn->acceptDrops() && window.List->acceptDrops() &&
                window.List->viewport()->acceptDrops());
    for (QWidget* target : {static_cast<QWidget*>(window.TxtFileIn), window.List->viewport()}) {
        for (const auto& [paths, offered, result, taken] : cases) {
            window.TxtFileIn->setText("before");
            EXPECT_EQ(DropOn(window, target, paths, offered), taken) << paths.first();
            EXPECT_EQ(window.TxtFileIn->text(), result) << paths.first();
        }
    }
    // Drags of anything but files are the widgets' own; a drop of no files is no path.
    QMimeData text;
    text.setText(xml);
    auto* selection = window.findChild<InputSelection*>();
    EXPECT_FALSE(Filtered(selection, window.TxtFileIn,
                          QDragEnterEvent({5, 5}, Qt::CopyAction, &text, Qt::LeftButton, {})));
    EXPECT_FALSE(selection->Drop(&text) || selection->Drop(nullptr));
}

TEST(InputSelection, TheOpenCommandsAskForAFileOrAFolderBesideTheInputAndACancelChangesNothing)
{
    QTemporaryDir root;
    const QString xml = WriteTestFile(root.filePath("doc.xml"), "x");
    const QString folder = root.filePath("in");
    QDir().mkpath(folder);
    Form1 window(kConfigFolder);
    const std::tuple<QAction*, QString, QString, QString> cases[] = {
        {nullptr, "Открыть файл", xml, xml}, // the button itself
        {window.mnuOpen[1], "Открыть папку", folder, folder},
        {window.mnuOpen[0], "Открыть файл", {}, folder}, // cancelled
        {window.mnuOpen[1], "Открыть папку", {}, folder},
        {window.mnuOpen[0], "Открыть файл", xml, xml},
    };
    for (const auto& [command, title, chosen, input] : cases) {
        QString asked;
        Answering(
            [&, c = chosen](QWidget* open) {
                auto* dialog = qobject_cast<QFileDialog*>(open);
                ASSERT_NE(dialog, nullptr);
                asked = dialog->windowTitle();
                dialog->selectFile(c.isEmpty() ? xml : c);
                QMetaObject::invokeMethod(dialog, c.isEmpty() ? "reject" : "accept");
            },
            [&, c = command] { c ? c->trigger() : window.CommandOpen->click(); });
        EXPECT_EQ(asked, title);
        EXPECT_EQ(window.TxtFileIn->text(), input);
    }

    // Where the dialogs start: the input's folder, else the home folder.
    const std::pair<QString, QString> starts[] = {
        {QString(), QDir::homePath()},
        {xml, root.path()},
        {folder, folder},
        {root.filePath("gone/doc.xml"), QDir::homePath()}};
    auto* selection = window.findChild<InputSelection*>();
    for (const auto& [input, start] : starts) {
        window.TxtFileIn->setText(input);
        for (const bool folders : {false, true}) {
            const auto dialog = selection->CreateDialog(folders);
            EXPECT_EQ(dialog->directory().absolutePath(), QDir(start).absolutePath()) << input;
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog) &&
                        dialog->testOption(QFileDialog::ReadOnly));
            EXPECT_EQ(dialog->testOption(QFileDialog::ShowDirsOnly), folders);
            EXPECT_EQ(dialog->fileMode(),
                      folders ? QFileDialog::Directory : QFileDialog::ExistingFile);
            EXPECT_EQ(dialog->nameFilters().join("|"),
                      folders ? "All Files (*)" : "*.xml; *.zip (*.xml *.zip)");
            EXPECT_EQ(dialog->labelText(QFileDialog::FileName) == "Папка:", folders);
            const auto* newFolder = dialog->findChild<QWidget*>("newFolderButton");
            EXPECT_TRUE(newFolder && newFolder->isVisibleTo(dialog.get()) != folders);
        }
    }
}

TEST(InputSelection, TheOpenDialogShowsSizesKindsAndDatesInRussian)
{
    QTemporaryDir root;
    const std::tuple<QString, qint64, QString> files[] = {
        {"a.xml", 1023, "1023 Б"},    {"b.xml", 1024, "1,0 КБ"},      {"c.xml", 1536, "1,5 КБ"},
        {"d.xml", 1 << 20, "1,0 МБ"}, {"e.xml", 3LL << 29, "1,5 ГБ"}, {"in", -1, ""},
    };
    for (const auto& [name, size, shown] : files) {
        if (size < 0)
            QDir().mkpath(root.filePath(name));
        else
            ASSERT_TRUE(QFile(WriteTestFile(root.filePath(name), "")).resize(size));
    }
    Form1 window(kConfigFolder);
    window.TxtFileIn->setText(root.path());
    const auto dialog = window.findChild<InputSelection*>()->CreateDialog(false);
    const QAbstractItemModel* shown = dialog->proxyModel();
    const auto* view = dialog->findChild<QTreeView*>("treeView");
    ASSERT_TRUE(shown && view);
    const QModelIndex top = view->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->rowCount(top) == 6; }, 5000));
    const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"));
    for (int row = 0; row < shown->rowCount(top); ++row) {
        const QModelIndex name = shown->index(row, 0, top);
        const auto file = std::find_if(std::begin(files), std::end(files),
                                       [&](const auto& f) { return name.data() == get<0>(f); });
        ASSERT_NE(file, std::end(files)) << name.data().toString();
        EXPECT_EQ(name.siblingAtColumn(1).data(), get<2>(*file)) << get<0>(*file);
        EXPECT_EQ(name.siblingAtColumn(2).data() == "Папка", get<1>(*file) < 0) << get<0>(*file);
        EXPECT_TRUE(date.match(name.siblingAtColumn(3).data().toString()).hasMatch());
    }
}
