#include "CheckableHeader.h"
#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "FormAbout.h"
#include "MainLayout.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "WindowTestSupport.h"

#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSizeGrip>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

TEST(Form1, StartsWithTheColumnMapsColumnsAndItsControlsSetUp)
{
    Form1 w(kConfigFolder);
    ColumnMap map;
    ASSERT_TRUE(map.Load(kConfigFolder));
    const Twips twips(&w);
    EXPECT_EQ(w.windowTitle(), "XML-Выписка 1.0.0");
    EXPECT_EQ(w.width(), twips.ToPixels(13572));
    const QList<QSize> icons = {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {256, 256}};
    EXPECT_EQ(w.windowIcon().availableSizes(), icons);
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), icons);
    ASSERT_EQ(w.Table()->columnCount(), map.Columns().size());
    EXPECT_EQ(w.List->model()->headerData(0, Qt::Horizontal), map.Columns()[0].caption);
    for (int i = 0; i < map.Columns().size(); ++i)
        EXPECT_EQ(w.ListHeader->sectionSize(i), w.ListHeader->sectionSizeHint(i)) << i;
    EXPECT_EQ(w.Grid1->rowCount(), map.Columns().size());
    EXPECT_EQ(w.Grid1->columnWidth(0), twips.ToPixels(2000));
    EXPECT_EQ(w.StatusBar1->Text(), "Готов к работе ...");
    EXPECT_LT(qAbs(w.DTPicker1->dateTime().secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(w.OptionsBtn->geometry(), twips.Rect(36, 36, 720, 492));
    EXPECT_GT(w.DTPicker1->x(), w.LabelW2->geometry().right());
    EXPECT_EQ(
        QStringList({w.CommandOpen->toolTip(), w.OptionsBtn->toolTip(), w.CommandSaveAs->text(),
                     w.DTPicker1->displayFormat(), w.Grid1->horizontalHeaderItem(0)->text(),
                     w.Grid1->horizontalHeaderItem(1)->text()}),
        QStringList({"Открыть файл ...", "Настройки", "Сохранить как ...", "dd.MM.yyyy   HH:mm",
                     "Реквизит", "Значение"}));
    const QPalette grid = w.Grid1->palette();
    const QFont gridFont = w.Grid1->horizontalHeader()->font();
    const QAbstractItemView::SelectionMode single = QAbstractItemView::SingleSelection;
    // What the user meets before reading anything, a few traits of the window per entry.
    const bool traits[] = {
        w.TxtFileIn->isReadOnly() && !w.CommandSaveAs->isEnabled() && !w.Grid1->isEnabled(),
        !w.Shape1->isVisibleTo(&w) && w.PicCont->autoFillBackground() &&
            w.DTPicker1->calendarPopup(),
        w.CommandOpen->popupMode() == w.CommandSaveAs->popupMode(),
        w.CommandSaveAs->popupMode() == QToolButton::MenuButtonPopup,
        !w.CommandOpen->icon().isNull() && !w.OptionsBtn->icon().isNull(),
        w.AlphaLogo->hasScaledContents() && !w.AlphaLogo->pixmap().isNull(),
        w.mnuOpn->defaultAction() == w.mnuOpen[0] && w.mnuOpenAfter->isCheckable(),
        w.ReadTimer->isSingleShot() && w.ReadTimer->interval() == 100,
        w.ListHeader->CheckState(0) == Qt::Unchecked && w.ListHeader->sectionsMovable(),
        !w.List->rootIsDecorated() && w.List->uniformRowHeights() && w.List->allColumnsShowFocus(),
        w.List->selectionMode() == QAbstractItemView::ExtendedSelection,
        w.List->selectionBehavior() == QAbstractItemView::SelectRows,
        !w.ListHeader->stretchLastSection() && w.Grid1->horizontalHeader()->stretchLastSection(),
        w.Grid1->wordWrap() && w.Grid1->alternatingRowColors() &&
            w.Grid1->selectionMode() == single,
        w.Grid1->editTriggers() == QAbstractItemView::NoEditTriggers,
        w.Grid1->verticalHeader()->isHidden() && w.StatusBar1->isSizeGripEnabled(),
        gridFont.family() == "Tahoma" && gridFont.pointSize() == 9,
        grid.color(QPalette::AlternateBase) == QColor(246, 246, 246),
        grid.color(QPalette::Active, QPalette::Highlight) == QColor(213, 225, 242),
        grid.color(QPalette::Inactive, QPalette::Highlight) == QColor(213, 225, 242),
        grid.color(QPalette::Inactive, QPalette::HighlightedText) ==
            grid.color(QPalette::Inactive, QPalette::WindowText),
    };
    for (size_t i = 0; i < std::size(traits); ++i)
        EXPECT_TRUE(traits[i]) << "trait " << i;

    QTemporaryDir empty;
    const Form1 unmapped(empty.path());
    EXPECT_EQ(unmapped.Table()->columnCount(), 0);
    EXPECT_TRUE(unmapped.StatusBar1->Text().contains("TAG.INI"));
    EXPECT_EQ(unmapped.StatusBar1->Color(), 0xC0);
}

TEST(Form1, TheLayoutFollowsTheClientAreaAndKeepsItsLastUsableSizes)
{
    // The list takes 60 % of the height the list and the grid share.
    const QList<QRectF> usual = {{1668, 768, 8604, 324},   {10356, 720, 696, 396},
                                 {10968, 12, 2592, 1224},  {168, 1248, 13224, 3000},
                                 {156, 4332, 13224, 2000}, {168, 6416, 13224, 564},
                                 {10332, 84, 2892, 384}};
    const QList<QRectF> large = {{1668, 768, 9604, 324},   {11356, 720, 696, 396},
                                 {11968, 12, 2592, 1224},  {168, 1248, 14224, 6000},
                                 {156, 7332, 14224, 4000}, {168, 11416, 14224, 564},
                                 {11332, 84, 2892, 384}};
    const auto placed = [](double width, double height) {
        const MainGeometry g = MainLayout::Arrange(MainLayout::Design(), width, height, 0);
        return QList<QRectF>{g.txtFileIn, g.commandOpen, g.alphaLogo,    g.list,
                             g.grid,      g.picCont,     g.commandSaveAs};
    };
    EXPECT_EQ(placed(13560, 7064), usual);
    EXPECT_EQ(placed(14560, 12064), large);
    const MainGeometry usable = MainLayout::Arrange(MainLayout::Design(), 13560, 7064, 0);
    const MainGeometry tiny = MainLayout::Arrange(usable, 0, 0, 0);
    EXPECT_EQ(QList<QSizeF>({tiny.list.size(), tiny.grid.size(), tiny.txtFileIn.size()}),
              QList<QSizeF>({usable.list.size(), usable.grid.size(), usable.txtFileIn.size()}));
    EXPECT_EQ(MainLayout::Arrange(tiny, 13560, 7064, 0).grid, usable.grid);
    EXPECT_EQ(MainLayout::Arrange(usable, 336, 2064, 0).list.size(), QSizeF(0, 0));
    EXPECT_EQ(MainLayout::Arrange(usable, 13560, 7064, 100).picCont.top(), 6316);

    Form1 window(kConfigFolder);
    window.show();
    window.resize(300, 200);
    EXPECT_EQ(window.frameGeometry().size(), QSize(800, 600)) << "the smallest the window gets";
    window.resize(1000, 700);
    const Twips twips(&window);
    const QList<QWidget*> moving = {window.CommandOpen, window.AlphaLogo, window.CommandSaveAs};
    const QList<QWidget*> widening = {window.TxtFileIn, window.List, window.Grid1, window.PicCont};
    QList<QRect> before;
    for (QWidget* w : moving + widening)
        before.append(w->geometry());
    window.resize(1000 + twips.ToPixels(1000), 700 + twips.ToPixels(1000));
    for (int i = 0; i < moving.size(); ++i)
        EXPECT_NEAR(moving[i]->x() - before[i].x(), twips.ToPixels(1000), 1) << i;
    for (int i = 0; i < widening.size(); ++i)
        EXPECT_NEAR(widening[i]->width() - before[3 + i].width(), twips.ToPixels(1000), 1) << i;
    EXPECT_NEAR(window.List->height() - before[4].height(), twips.ToPixels(600), 1);
    EXPECT_NEAR(window.PicCont->y() - before[6].y(), twips.ToPixels(1000), 1);
    EXPECT_GT(window.TxtFileIn->x(), window.LabelW1->geometry().right());
    EXPECT_GE(window.CommandSaveAs->width(), window.CommandSaveAs->sizeHint().width());
}

TEST(Form1, TheStatusTextKeepsItsColourUntilToldAndLosesTheMiddleOfALongPath)
{
    Form1 window(kConfigFolder);
    for (const auto& [colour, shown] : {std::pair{0xC0, 0xC0}, {-1, 0xC0}, {0x13579B, 0x13579B}}) {
        window.ShowStatusText("Текст", colour);
        EXPECT_EQ(window.StatusBar1->Color(), shown) << colour;
    }
    const QFontMetrics metrics{QFont()};
    const QString head = "Успешно прочитано 5 документов в '";
    const QString path = "/home/user/Документы/Платежи/2024/Март/выгрузка из банка за квартал";
    const QString text = head + path + "'";
    const int full = metrics.horizontalAdvance(text);
    // A text, the room for it, how what is shown starts and ends.
    const std::tuple<QString, int, QString, QString> cases[] = {
        {text, full, text, text},
        {text, full - 40, head + "/home", "квартал'"},
        {"Обработка документов без пути в тексте", 60, "Обр", "…"},
        {"Файл 'без второй кавычки в тексте", 60, "Фай", "…"},
        {text, metrics.horizontalAdvance(head + "'…") + 2, head, "…"}, // a path of nothing but "…"
    };
    for (const auto& [text, width, starts, ends] : cases) {
        const QString shown = StatusBar::Fit(text, metrics, width);
        EXPECT_LE(metrics.horizontalAdvance(shown), width) << shown;
        EXPECT_TRUE(shown.startsWith(starts) && shown.endsWith(ends)) << shown;
        EXPECT_EQ(shown.contains(QChar(0x2026)), width < full) << shown;
    }

    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString status = head + path + path + path + "'";
    window.ShowStatusText({status, StatusColor::Green});
    QCoreApplication::processEvents();
    const QString shown = window.StatusBar1->ShownText();
    EXPECT_TRUE(shown.startsWith(head + "/home") && shown.endsWith("квартал'")) << shown;
    EXPECT_EQ(window.StatusBar1->Text(), status);
    EXPECT_EQ(window.StatusBar1->toolTip(), status);
    const auto* grip = window.StatusBar1->findChild<QSizeGrip*>();
    const auto* panel = window.StatusBar1->findChild<QLabel*>();
    ASSERT_TRUE(grip && panel);
    EXPECT_LT(panel->geometry().right(), grip->geometry().left());
    EXPECT_GT(panel->width(), window.StatusBar1->width() / 2);
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(shown), panel->contentsRect().width());
    window.resize(1000, 600); // a wider panel shows more of the path
    QCoreApplication::processEvents();
    EXPECT_GT(window.StatusBar1->ShownText().size(), shown.size());
}

TEST(Form1, TheSplitButtonsMenusOpenFromTheKeyboardUnderTheirButtons)
{
    QTemporaryDir user;
    Form1 window(ConfigFolders(kConfigFolder, user.path(), true));
    window.show();
    window.CommandSaveAs->setEnabled(true);
    QToolButton* open = window.CommandOpen;
    QToolButton* save = window.CommandSaveAs;
    const std::tuple<QToolButton*, Qt::Key, Qt::KeyboardModifiers, QMenu*> cases[] = {
        {open, Qt::Key_F4, Qt::NoModifier, window.mnuOpn},
        {open, Qt::Key_Down, Qt::AltModifier, window.mnuOpn},
        {open, Qt::Key_Down, Qt::NoModifier, nullptr},
        {open, Qt::Key_Up, Qt::AltModifier, nullptr},
        {save, Qt::Key_F4, Qt::NoModifier, window.mnuSave},
        {save, Qt::Key_Down, Qt::AltModifier, window.mnuSave},
    };
    for (const auto& [button, key, modifiers, menu] : cases) {
        QWidget* shown = nullptr;
        Answering(
            [&, b = button](QWidget* popup) {
                if (!(shown = popup))
                    return;
                EXPECT_EQ(popup->pos(),
                          b->mapToGlobal(QPoint(b->width() - popup->width(), b->height())));
                // The save menu's one item is the option; the open menu's are dialogs.
                QTest::keyClick(popup, popup == window.mnuSave ? Qt::Key_Down : Qt::Key_Escape);
                QTest::keyClick(popup, popup == window.mnuSave ? Qt::Key_Return : Qt::Key_Escape);
                EXPECT_FALSE(popup->isVisible());
                popup->close();
            },
            [&, b = button, k = key, m = modifiers] { QTest::keyClick(b, k, m); });
        EXPECT_EQ(shown, menu) << key;
    }
    EXPECT_EQ(Contents(user.filePath("USER.INI")), "[User]\r\nGotoAfterSave=0\r\n")
        << "chosen twice from the keyboard";
}

TEST(Form1, ALeftDragOnTheBandOrTheLogoMovesTheWindowUntilTheReleaseAndAClickOnTheLogoOpensAbout)
{
    Form1 window(kConfigFolder);
    window.move(50, 50);
    window.show();
    QWidget* band = window.centralWidget();
    auto* drag = band->findChild<WindowDrag*>();
    ASSERT_NE(drag, nullptr);
    const QPoint start = window.pos();
    const QPoint screen = band->mapToGlobal(QPoint(0, 0)); // where the band began on the screen
    const int top = window.TxtFileIn->y();
    const QPoint in(20, top / 2), logo = window.AlphaLogo->geometry().center(), far(40, 25);
    const QPoint near(QApplication::startDragDistance(), 0);
    const Qt::MouseButton left = Qt::LeftButton, right = Qt::RightButton, none = Qt::NoButton;
    const QEvent::Type press = QEvent::MouseButtonPress, move = QEvent::MouseMove,
                       release = QEvent::MouseButtonRelease;
    // An event, its button, the buttons held, where; whether the drag takes it, where the
    // window is then from where it started, and whether the about box opens.
    const std::tuple<QEvent::Type, Qt::MouseButton, Qt::MouseButtons, QPoint, bool, QPoint, bool>
        steps[] = {
            {press, left, left, in, true, {}, false},
            {move, none, left, in + QPoint(2, 1), true, {}, false}, // a shaky click moves nothing
            {move, none, left, in + near, true, near, false},
            {move, none, left, in + far, true, far, false},
            {release, left, none, in + far, true, far, false},
            {move, none, left, in, false, far, false}, // the release has ended the move
            {release, left, none, in, false, far, false},
            {press, right, right, in, false, far, false},
            {press, left, left, {20, 0}, false, far, false},
            {press, left, left, {20, top}, false, far, false},
            {press, left, left, {20, 1}, true, far, false},
            {move, none, none, {60, 60}, false, far, false}, // released where the band did not see
            {move, none, left, {90, 90}, false, far, false},
            {press, left, left, in, true, far, false},
            {release, right, none, in, false, far, false},
            {release, left, none, in, true, far, false}, // a click on the band opens nothing
            {press, left, left, logo, true, far, false},
            {release, left, none, logo, true, far, true},
        };
    for (const auto& [type, button, held, at, taken, moved, about] : steps) {
        bool opened = false;
        bool took = false;
        Answering(
            [&](QWidget* open) {
                if (auto* box = qobject_cast<FormAbout*>(open)) {
                    box->Command1->click(); // Ok closes the box
                    opened = box->isModal() && !box->isVisible();
                    box->close();
                }
            },
            [&, t = type, b = button, h = held, p = at] {
                took = Filtered(drag, band, QMouseEvent(t, p, screen + p, b, h, Qt::NoModifier));
            });
        EXPECT_EQ(took, taken) << type << " at " << at.x() << "," << at.y();
        EXPECT_EQ(window.pos(), start + moved) << type << " at " << at.x() << "," << at.y();
        EXPECT_EQ(opened, about) << type;
    }
    EXPECT_FALSE(Filtered(drag, window.List, QMouseEvent(press, in, in, left, left, {})));
    EXPECT_EQ(window.AlphaLogo->cursor().shape(), Qt::PointingHandCursor);

    FormAbout box;
    const Twips twips(&box);
    EXPECT_EQ(QStringList({box.windowTitle(), box.LabelW2->text(), box.LabelW1->text(),
                           box.LabelW3->text(), box.LabelW4->text()}),
              QStringList({"О программе", "XML-Выписка", "Версия: 1.0.0",
                           "© 2026 Разработчики XML-Выписка", FormAbout::InformationText()}));
    EXPECT_EQ(box.LabelW2->font().pointSize(), 12);
    EXPECT_EQ(box.LabelW1->geometry(), twips.Rect(0, 3276, 6420, 336));
    EXPECT_EQ(box.LabelW1->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_TRUE(box.AlphaLogo->hasScaledContents() && box.LabelW4->wordWrap());
    EXPECT_GE(box.LabelW4->height(), box.LabelW4->heightForWidth(box.LabelW4->width()));
    EXPECT_GT(box.Command1->y(), box.LabelW4->geometry().bottom());
    EXPECT_GT(box.minimumHeight(), box.Command1->geometry().bottom());
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    box.move(100, 100);
    box.show();
    const QPoint boxAt = box.pos();
    Filtered(box.AlphaLogo->findChild<WindowDrag*>(), box.AlphaLogo,
             QMouseEvent(press, QPoint(10, 10), QPoint(110, 110), left, left, {}));
    Filtered(box.AlphaLogo->findChild<WindowDrag*>(), box.AlphaLogo,
             QMouseEvent(move, QPoint(60, 40), QPoint(160, 140), none, left, {}));
    EXPECT_EQ(box.pos(), boxAt + QPoint(50, 30));
}
