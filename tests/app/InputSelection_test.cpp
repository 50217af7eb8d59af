#include "InputSelection.h"
#include "WindowTestSupport.h"

TEST(InputSelection, ADropOrTheOpenDialogsTakeAPathThatCanBeReadAndTheDialogsSpeakRussian)
{
    QTemporaryDir root;
    const QString zip = WriteTestFile(root.filePath("PACK.Zip"), "x");
    const QString xml = WriteTestFile(root.filePath("doc.XML"), "x");
    const QString txt = WriteTestFile(root.filePath("a.txt"), "x");
    const QString folder = root.filePath("in.2024");
    QDir().mkpath(folder);
    const Qt::DropAction C = Qt::CopyAction, M = Qt::MoveAction, L = Qt::LinkAction,
                         I = Qt::IgnoreAction;
    const QString old = "before", none = root.filePath("none.xml"), web = "https://a.org/a.xml";
    // What is dragged, what its source offers; the box afterwards and the action taken: a copy
    // or a link, never a move, which would let the source delete the file.
    const std::tuple<QStringList, Qt::DropActions, QString, Qt::DropAction> cases[] = {
        {{zip}, C, zip, C},       {{xml, zip}, C, xml, C},
        {{folder}, C, folder, C}, {{folder + "/"}, C, folder, C},
        {{"/"}, C, "/", C},       {{xml}, M | C, xml, C},
        {{xml}, M | L, xml, L},   {{xml}, M, old, I},
        {{txt}, C, old, I},       {{txt, zip}, C, old, I},
        {{none}, C, old, I},      {{web}, C, old, I}};
    Form1 window(kConfigFolder);
    // Drags urls over the target and drops them, the source offering some actions: gives the
    // action taken. Every step is the selection's, and the box keeps its text until the drop.
    auto* selection = window.findChild<InputSelection*>();
    QObject* filter = selection;
    const auto dropOn = [&](QWidget* target, const QStringList& paths, Qt::DropActions offered) {
        QMimeData data;
        for (const QString& path : paths)
            data.setUrls(data.urls() << QUrl::fromUserInput(path));
        const QString before = window.TxtFileIn->text();
        QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
        EXPECT_TRUE(filter->eventFilter(target, &move) && window.TxtFileIn->text() == before);
        QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
        EXPECT_TRUE(filter->eventFilter(target, &drop));
        EXPECT_TRUE(enter.isAccepted() == drop.isAccepted() &&
                    move.isAccepted() == drop.isAccepted());
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    };
    EXPECT_TRUE(window.TxtFileIn->acceptDrops() && window.List->acceptDrops() &&
                window.List->viewport()->acceptDrops());
    for (QWidget* target : {static_cast<QWidget*>(window.TxtFileIn), window.List->viewport()}) {
        for (const auto& [paths, offered, result, taken] : cases) {
            window.TxtFileIn->setText(old);
            EXPECT_EQ(dropOn(target, paths, offered), taken) << paths.first();
            EXPECT_EQ(window.TxtFileIn->text(), result) << paths.first();
        }
    }
    // Drags of anything but files are the widgets' own; a drop of no files is no path.
    QMimeData text, file;
    text.setText(xml);
    file.setUrls({QUrl::fromLocalFile(zip)});
    EXPECT_FALSE(Filtered(selection, window.TxtFileIn, QDragEnterEvent({}, C, &text, {}, {})));
    EXPECT_FALSE(selection->Drop(&text) || selection->Drop(nullptr));
    EXPECT_TRUE(selection->Drop(&file) && window.TxtFileIn->text() == zip);

    // The button itself or a menu item, the dialog's title, what is chosen (nothing: cancelled).
    QAction *file0 = window.mnuOpen[0], *folder1 = window.mnuOpen[1];
    const QString open = "Открыть файл", dir = "Открыть папку";
    const std::tuple<QAction*, QString, QString, QString> commands[] = {
        {nullptr, open, xml, xml},
        {folder1, dir, folder, folder},
        {file0, open, {}, folder},
        {folder1, dir, {}, folder}};
    for (const auto& [command, title, chosen, input] : commands) {
        Answering(
            [&, c = chosen, t = title](QWidget* open) {
                auto* dialog = qobject_cast<QFileDialog*>(open);
                ASSERT_TRUE(dialog && dialog->windowTitle() == t);
                dialog->selectFile(c.isEmpty() ? xml : c);
                QMetaObject::invokeMethod(dialog, c.isEmpty() ? "reject" : "accept");
            },
            [&, c = command] { c ? c->trigger() : window.CommandOpen->click(); });
        EXPECT_EQ(window.TxtFileIn->text(), input);
    }
    // Where the dialogs start: the input's folder, else the home folder. Neither makes folders.
    const QString home = QDir::homePath();
    const std::tuple<QString, bool, QString> starts[] = {{QString(), false, home},
                                                         {xml, true, root.path()},
                                                         {folder, false, folder},
                                                         {folder + "/gone/a.xml", true, home}};
    for (const auto& [input, folders, start] : starts) {
        window.TxtFileIn->setText(input);
        const auto dialog = selection->CreateDialog(folders);
        const auto* newFolder = dialog->findChild<QWidget*>("newFolderButton");
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(start).absolutePath()) << input;
        EXPECT_TRUE(dialog->testOption(QFileDialog::ReadOnly) &&
                    dialog->testOption(QFileDialog::ShowDirsOnly) == folders &&
                    newFolder->isVisibleTo(dialog.get()) != folders);
    }

    // Sizes, kinds and dates in Russian, whatever the system's language.
    const QMap<QString, std::pair<qint64, QString>> files = {
        {"a.xml", {1023, "1023 Б"}},      {"b.xml", {1024, "1,0 КБ"}},
        {"c.xml", {1536, "1,5 КБ"}},      {"d.xml", {1 << 20, "1,0 МБ"}},
        {"e.xml", {3LL << 29, "1,5 ГБ"}}, {"in", {-1, ""}}};
    QTemporaryDir sized;
    QDir(sized.path()).mkpath("in");
    for (auto file = files.begin(); file != files.end(); ++file)
        EXPECT_TRUE(file->first < 0 ||
                    QFile(WriteTestFile(sized.filePath(file.key()), "")).resize(file->first));
    window.TxtFileIn->setText(sized.path());
    const auto dialog = selection->CreateDialog(false);
    const auto* view = dialog->findChild<QTreeView*>("treeView");
    const QModelIndex top = view->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(top) == 6; }, 5000));
    const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"));
    for (int row = 0; row < 6; ++row) {
        const QModelIndex name = view->model()->index(row, 0, top);
        const auto [size, shown] = files.value(name.data().toString(), {0, "?"});
        EXPECT_EQ(name.siblingAtColumn(1).data(), shown) << name.data().toString();
        EXPECT_EQ(name.siblingAtColumn(2).data() == "Папка", size < 0) << shown;
        EXPECT_TRUE(date.match(name.siblingAtColumn(3).data().toString()).hasMatch());
    }
}
