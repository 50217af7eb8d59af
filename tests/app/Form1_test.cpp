#include "FormAbout.h"
#include "MainLayout.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "WindowTestSupport.h"

TEST(Form1, StartsSetUpFollowsItsSizeOpensMenusFromTheKeyboardFitsTheStatusAndMovesByTheBand)
{
    Form1 w(kConfigFolder);
    const Twips twips(&w);
    const QList<QSize> icons = {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {256, 256}};
    // What the user meets before reading anything, a few traits of the window per entry.
    const bool traits[] = {
        w.windowTitle() == "XML-Выписка 1.0.0" && w.StatusBar1->Text() == "Готов к работе ...",
        w.List->model()->headerData(0, Qt::Horizontal) == "Номер",
        w.CommandOpen->toolTip() == "Открыть файл ..." && w.OptionsBtn->toolTip() == "Настройки",
        QApplication::windowIcon().availableSizes() == icons,
        w.width() == twips.ToPixels(13572) &&
            w.OptionsBtn->geometry() == twips.Rect(36, 36, 720, 492),
        w.Grid1->rowCount() == w.Table()->columnCount() &&
            w.Grid1->columnWidth(0) == twips.ToPixels(2000),
        w.TxtFileIn->isReadOnly() && !w.CommandSaveAs->isEnabled() && !w.Grid1->isEnabled(),
        !w.Shape1->isVisibleTo(&w) && w.mnuOpn->defaultAction() == w.mnuOpen[0],
        w.CommandSaveAs->popupMode() == QToolButton::MenuButtonPopup,
        w.ListHeader->CheckState(0) == Qt::Unchecked && w.ListHeader->sectionsMovable(),
        w.List->selectionMode() == QAbstractItemView::ExtendedSelection,
        !w.ListHeader->stretchLastSection() && w.Grid1->horizontalHeader()->stretchLastSection(),
        w.Grid1->editTriggers() == QAbstractItemView::NoEditTriggers &&
            !w.Grid1->tabKeyNavigation(),
        w.Grid1->palette().color(QPalette::Inactive, QPalette::Highlight) == QColor(213, 225, 242),
        // The list's check box has room of its own beside the caption.
        w.ListHeader->sectionSizeHint(0) - w.ListHeader->fontMetrics().horizontalAdvance("Номер") >=
            w.style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2,
    };
    for (size_t i = 0; i < std::size(traits); ++i)
        EXPECT_TRUE(traits[i]) << "trait " << i;

    // The list takes 60 % of the height the list and the grid share.
    const MainGeometry g = MainLayout::Arrange(MainLayout::Design(), 13560, 7064, 0);
    const QList<QRectF> design = {{1668, 768, 8604, 324},   {10356, 720, 696, 396},
                                  {10968, 12, 2592, 1224},  {168, 1248, 13224, 3000},
                                  {156, 4332, 13224, 2000}, {168, 6416, 13224, 564},
                                  {10332, 84, 2892, 384}};
    EXPECT_EQ(QList<QRectF>({g.txtFileIn, g.commandOpen, g.alphaLogo, g.list, g.grid, g.picCont,
                             g.commandSaveAs}),
              design);
    const MainGeometry tiny = MainLayout::Arrange(g, 0, 0, 0);
    EXPECT_EQ(QList<QSizeF>({tiny.list.size(), tiny.grid.size(), tiny.txtFileIn.size()}),
              QList<QSizeF>({g.list.size(), g.grid.size(), g.txtFileIn.size()}));
    EXPECT_EQ(MainLayout::Arrange(g, 336, 2064, 0).list.size(), QSizeF(0, 0));
    EXPECT_EQ(MainLayout::Arrange(g, 13560, 7064, 100).picCont.top(), 6316);
    w.show();
    w.resize(300, 200);
    EXPECT_EQ(w.frameGeometry().size(), QSize(800, 600)) << "the smallest the window gets";
    w.resize(1000, 700);
    const int more = twips.ToPixels(1000);
    // Controls that move right, then those that widen, by what the window grows.
    const QList<QWidget*> widgets = {w.CommandOpen, w.AlphaLogo, w.CommandSaveAs, w.TxtFileIn,
                                     w.List,        w.Grid1,     w.PicCont};
    QList<QRect> before;
    for (QWidget* widget : widgets)
        before.append(widget->geometry());
    w.resize(1000 + more, 700 + more);
    for (int i = 0; i < widgets.size(); ++i)
        EXPECT_NEAR(i < 3 ? widgets[i]->x() - before[i].x()
                          : widgets[i]->width() - before[i].width(),
                    more, 1)
            << i;
    EXPECT_NEAR(w.List->height() - before[4].height(), more * 0.6, 1);
    EXPECT_NEAR(w.PicCont->y() - before[6].y(), more, 1);
    EXPECT_GT(w.TxtFileIn->x(), w.LabelW1->geometry().right());
    EXPECT_GE(w.CommandSaveAs->width(), w.CommandSaveAs->sizeHint().width());

    // The split buttons' menus open from the keyboard under their buttons.
    w.CommandSaveAs->setEnabled(true);
    QToolButton *opener = w.CommandOpen, *saver = w.CommandSaveAs;
    const Qt::KeyboardModifiers alt = Qt::AltModifier, no = Qt::NoModifier;
    const std::tuple<QToolButton*, Qt::Key, Qt::KeyboardModifiers, QMenu*> keys[] = {
        {opener, Qt::Key_F4, no, w.mnuOpn},  {opener, Qt::Key_Down, alt, w.mnuOpn},
        {opener, Qt::Key_Down, no, nullptr}, {opener, Qt::Key_Up, alt, nullptr},
        {saver, Qt::Key_F4, no, w.mnuSave},  {saver, Qt::Key_Down, alt, w.mnuSave}};
    for (const auto& [button, key, modifiers, menu] : keys) {
        QWidget* shown = nullptr;
        Answering(
            [&, b = button](QWidget* popup) {
                if (!(shown = popup))
                    return;
                EXPECT_EQ(popup->pos(),
                          b->mapToGlobal(QPoint(b->width() - popup->width(), b->height())));
                QTest::keyClick(popup, Qt::Key_Escape);
                EXPECT_FALSE(popup->isVisible());
                popup->close(); // a menu deaf to its keys would hold the test forever
            },
            [&, b = button, k = key, m = modifiers] { QTest::keyClick(b, k, m); });
        EXPECT_EQ(shown, menu) << key;
    }

    // The status text keeps its colour until told, and loses the middle of a long path.
    for (const auto& [colour, shown] : {std::pair{0xC0, 0xC0}, {-1, 0xC0}, {0x13579B, 0x13579B}}) {
        w.ShowStatusText("Текст", colour);
        EXPECT_EQ(w.StatusBar1->Color(), shown) << colour;
    }
    const QFontMetrics metrics{QFont()};
    const QString head = "Успешно прочитано 5 документов в '";
    const QString path = "/home/user/Документы/Платежи/2024/Март/выгрузка из банка за квартал";
    const QString text = head + path + "'", unquoted = "Файл 'без второй кавычки в тексте";
    const int full = metrics.horizontalAdvance(text), room = metrics.horizontalAdvance(head + "'…");
    // A text that just fits stays whole; one without a path, or with no room for one, is cut.
    EXPECT_EQ(StatusBar::Fit(text, metrics, full), text);
    EXPECT_EQ(StatusBar::Fit(unquoted, metrics, 60),
              metrics.elidedText(unquoted, Qt::ElideRight, 60));
    EXPECT_EQ(StatusBar::Fit(text, metrics, room), head + "…");
    w.ShowStatusText({head + path + path + path + "'", StatusColor::Green});
    const QString shown = w.StatusBar1->ShownText();
    EXPECT_TRUE(shown.startsWith(head + "/home") && shown.endsWith("квартал'")) << shown;
    EXPECT_EQ(w.StatusBar1->toolTip(), head + path + path + path + "'");

    w.move(50, 50);
    QWidget* band = w.centralWidget();
    auto* drag = band->findChild<WindowDrag*>();
    const QPoint start = w.pos(), screen = band->mapToGlobal(QPoint(0, 0)); // the band's origin
    const int top = w.TxtFileIn->y();
    const QPoint in(20, top / 2), logo = w.AlphaLogo->geometry().center(), far(40, 25);
    const QPoint near(QApplication::startDragDistance(), 0);
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton, N = Qt::NoButton;
    const QEvent::Type press = QEvent::MouseButtonPress, move = QEvent::MouseMove,
                       release = QEvent::MouseButtonRelease;
    // A left drag on the band or the logo moves the window until any release; a click on the logo
    // opens the about box. An event, its button, the buttons held, where; whether the drag takes
    // it, where the window is then from where it started, whether the about box opens.
    const std::tuple<QEvent::Type, Qt::MouseButton, Qt::MouseButtons, QPoint, bool, QPoint, bool>
        steps[] = {{press, L, L, in, 1, {}, 0},          {move, N, L, in + QPoint(2, 1), 1, {}, 0},
                   {move, N, L, in + near, 1, near, 0},  {move, N, L, in + far, 1, far, 0},
                   {release, L, N, in + far, 1, far, 0}, {move, N, L, in, 0, far, 0},
                   {release, L, N, in, 0, far, 0},       {press, R, R, in, 0, far, 0},
                   {press, L, L, {20, 0}, 0, far, 0},    {press, L, L, {20, top}, 0, far, 0},
                   {press, L, L, {20, 1}, 1, far, 0},    {move, N, N, {60, 60}, 0, far, 0},
                   {move, N, L, {90, 90}, 0, far, 0},    {press, L, L, in, 1, far, 0},
                   {release, R, N, in, 0, far, 0},       {release, L, N, in, 1, far, 0},
                   {press, L, L, logo, 1, far, 0},       {release, L, N, logo, 1, far, 1}};
    for (const auto& [type, button, held, at, taken, moved, about] : steps) {
        bool opened = false, took = false;
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
        EXPECT_TRUE(took == taken && w.pos() == start + moved && opened == about)
            << type << " at " << at.x() << "," << at.y();
    }
    EXPECT_FALSE(Filtered(drag, w.List, QMouseEvent(press, in, in, L, L, {})));
    EXPECT_EQ(w.AlphaLogo->cursor().shape(), Qt::PointingHandCursor);
    FormAbout box; // whose own logo moves it
    EXPECT_TRUE(Filtered(box.AlphaLogo->findChild<WindowDrag*>(), box.AlphaLogo,
                         QMouseEvent(press, in, in, L, L, {})));
}
