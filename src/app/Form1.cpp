#include "Form1.h"

#include "AppVersion.h"
#include "CheckableHeader.h"
#include "ColumnMap.h"
#include "DocumentListController.h"
#include "DocumentTableModel.h"
#include "FormAbout.h"
#include "INIStorage.h"
#include "InputSelection.h"
#include "MenuPlacement.h"
#include "OptionsDlg.h"
#include "ReadController.h"
#include "SaveCommand.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WindowChrome.h"
#include "WindowDrag.h"

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

Form1::Form1(const QString& configFolder, QWidget* parent)
    : Form1(ConfigFolders::Only(configFolder), parent)
{
}

Form1::Form1(const ConfigFolders& config, QWidget* parent)
    : QMainWindow(parent), m_config(config), m_table(new DocumentTableModel(this)),
      m_geometry(MainLayout::Design())
{
    CreateMenus();
    CreateSharedObjects();
    CreateControls();
    setWindowTitle(QStringLiteral("%1 %2.%3.%4")
                       .arg(QString::fromUtf8(kProductName))
                       .arg(kVersionMajor)
                       .arg(kVersionMinor)
                       .arg(kVersionRevision));
    if (!IsDevEnvironment()) {
        WindowChrome::SetMinMaxSize(this, 800, 600, 0, 0);
        WindowChrome::SetWindowIcons(this, true);
    }
    ShowStatusText(QStringLiteral("Готов к работе ..."), -1);
    LoadColumns();
    ShapeGrid();
    DTPicker1->setDateTime(QDateTime::currentDateTime());
    Shape1->setVisible(WindowChrome::IsGlassAvailable());
    const Twips twips(this);
    resize(twips.ToPixels(13572), twips.ToPixels(8028));
    m_lists = std::make_unique<DocumentListController>(*this);
    m_reader = std::make_unique<ReadController>(*this);
    m_input = std::make_unique<InputSelection>(*this);
    m_saver = std::make_unique<SaveCommand>(*this, *m_settings, m_config.TemplateFolders());
    connect(OptionsBtn, &QToolButton::clicked, this,
            [this] { OptionsDlg(*m_settings, this).exec(); });
    m_saver->RestoreOption();
}

void Form1::CreateSharedObjects()
{
    m_settings = std::make_unique<INIStorage>(m_config);
}

Form1::~Form1() = default;

bool Form1::IsDevEnvironment()
{
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base.compare(QLatin1String("DEVSTAGE"), Qt::CaseInsensitive) == 0;
}

void Form1::ShowStatusText(const QString& Txt, qint32 Color)
{
    StatusBar1->Show(Txt, static_cast<StatusColor>(Color));
}

void Form1::ShowStatusText(const StatusMessage& message)
{
    StatusBar1->Show(message.text, message.color);
}

void Form1::CreateMenus()
{
    // The "Файл" menu stays off the menu bar: its items serve as the split buttons' pop-up menus.
    MnuFile = new QMenu(QStringLiteral("Файл"), this);
    mnuOpn = MnuFile->addMenu(QStringLiteral("Открыть"));
    mnuOpen[0] = mnuOpn->addAction(QStringLiteral("Открыть файл ..."));
    mnuOpen[1] = mnuOpn->addAction(QStringLiteral("Открыть папку ..."));
    mnuOpn->setDefaultAction(mnuOpen[0]);
    mnuSave = MnuFile->addMenu(QStringLiteral("Сохранить"));
    mnuOpenAfter = mnuSave->addAction(QStringLiteral("Перейти к файлу после сохранения"));
    mnuOpenAfter->setCheckable(true);
    menuBar()->hide();
}

void Form1::CreateControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->installEventFilter(this);
    LabelW1 = new QLabel(QStringLiteral("Исходный файл:"), central);
    TxtFileIn = new QLineEdit(central);
    TxtFileIn->setReadOnly(true);
    CommandOpen = new QToolButton(central);
    CommandOpen->setPopupMode(QToolButton::MenuButtonPopup);
    CommandOpen->setMenu(mnuOpn);
    MenuPlacement::HangUnder(mnuOpn, CommandOpen);
    CommandOpen->setToolTip(QStringLiteral("Открыть файл ..."));
    CommandOpen->setIcon(QIcon::fromTheme(QStringLiteral("document-open"),
                                          QIcon(QStringLiteral(":/images/open.png"))));
    AlphaLogo = new QLabel(central);
    AlphaLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    AlphaLogo->setScaledContents(true);
    WindowChrome::SetHandCursor(AlphaLogo);
    // The band above the input row and the logo move the window; a press on the very top edge
    // does not. A click on the logo, not a drag, opens the about box.
    auto* drag = new WindowDrag(central, [this](QPoint at) {
        return (at.y() > 0 && at.y() < TxtFileIn->y()) || AlphaLogo->geometry().contains(at);
    });
    connect(drag, &WindowDrag::Clicked, this, [this](QPoint at) {
        if (AlphaLogo->geometry().contains(at))
            ShowAbout();
    });
    Shape1 = new QFrame(central);
    Shape1->setStyleSheet(QStringLiteral("background: black"));
    CreateListAndGrid();
    CreateBottomPanel();
    StatusBar1 = new StatusBar(this);
    setStatusBar(StatusBar1);
    ReadTimer = new QTimer(this);
    ReadTimer->setSingleShot(true);
    ReadTimer->setInterval(100);
}

void Form1::CreateListAndGrid()
{
    QWidget* central = centralWidget();
    List = new QTreeView(central);
    ListHeader = new CheckableHeader(List);
    List->setHeader(ListHeader);
    List->setModel(m_table);
    List->setRootIsDecorated(false);
    List->setUniformRowHeights(true);
    List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListHeader->setSectionsMovable(true);
    ListHeader->setStretchLastSection(false);

    Grid1 = new QTableWidget(central);
    Grid1->setEnabled(false);
    Grid1->setWordWrap(true);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control, as everywhere else in the window; arrows walk the cells.
    Grid1->setTabKeyNavigation(false);
    Grid1->verticalHeader()->hide();
    Grid1->horizontalHeader()->setStretchLastSection(true);
}

void Form1::CreateBottomPanel()
{
    PicCont = new QWidget(centralWidget());
    PicCont->setAutoFillBackground(true);
    const Twips twips(this);
    OptionsBtn = new QToolButton(PicCont);
    OptionsBtn->setToolTip(QStringLiteral("Настройки"));
    OptionsBtn->setIcon(QIcon::fromTheme(QStringLiteral("preferences-system"),
                                         QIcon(QStringLiteral(":/images/options.png"))));
    OptionsBtn->setGeometry(twips.Rect(36, 36, 720, 492));
    LabelW2 = new QLabel(QStringLiteral("Дата создания выписки:"), PicCont);
    LabelW2->setGeometry(twips.Rect(996, 144, 2508, 240));
    LabelW2->adjustSize();
    DTPicker1 = new QDateTimeEdit(PicCont);
    DTPicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy   HH:mm"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setGeometry(twips.Rect(3132, 96, 1656, 324));
    DTPicker1->move(std::max(DTPicker1->x(), LabelW2->geometry().right() + 6), DTPicker1->y());
    DTPicker1->adjustSize();
    CommandSaveAs = new QToolButton(PicCont);
    CommandSaveAs->setText(QStringLiteral("Сохранить как ..."));
    CommandSaveAs->setPopupMode(QToolButton::MenuButtonPopup);
    CommandSaveAs->setMenu(mnuSave);
    MenuPlacement::HangUnder(mnuSave, CommandSaveAs);
    CommandSaveAs->setEnabled(false);
}

void Form1::LoadColumns()
{
    ColumnMap map;
    if (!map.Load(m_config.ColumnMapFolder()))
        ShowStatusText({map.errorString(), StatusColor::Red});
    m_table->SetColumns(map.Columns());
    m_table->SetHeaderCheckState(Qt::Unchecked);
    for (int i = 0; i < m_table->columnCount(); ++i)
        List->resizeColumnToContents(i);
}

void Form1::ShapeGrid()
{
    const QList<DocumentColumn>& columns = m_table->Columns();
    Grid1->setColumnCount(2);
    Grid1->setHorizontalHeaderLabels({QStringLiteral("Реквизит"), QStringLiteral("Значение")});
    Grid1->setRowCount(int(columns.size()));
    Grid1->setColumnWidth(0, Twips(this).ToPixels(2000));
}

void Form1::ApplyGeometry(const MainGeometry& geometry)
{
    const Twips twips(this);
    auto place = [&](QWidget* widget, const QRectF& r) {
        widget->setGeometry(twips.Rect(r.left(), r.top(), r.width(), r.height()));
    };
    LabelW1->setGeometry(twips.Rect(204, 792, 2628, 264));
    LabelW1->adjustSize();
    place(TxtFileIn, geometry.txtFileIn);
    // Fonts wider than the design's Tahoma must not let the caption run under the input box.
    const int captionEnd = LabelW1->geometry().right() + 4;
    if (TxtFileIn->x() < captionEnd)
        TxtFileIn->setGeometry(
            TxtFileIn->geometry().adjusted(captionEnd - TxtFileIn->x(), 0, 0, 0));
    place(CommandOpen, geometry.commandOpen);
    place(AlphaLogo, geometry.alphaLogo);
    place(List, geometry.list);
    place(Grid1, geometry.grid);
    place(PicCont, geometry.picCont);
    place(CommandSaveAs, geometry.commandSaveAs);
    CommandSaveAs->resize(std::max(CommandSaveAs->width(), CommandSaveAs->sizeHint().width()),
                          CommandSaveAs->height());
    Grid1->resizeRowsToContents();
}

void Form1::ShowAbout()
{
    FormAbout about(this);
    about.exec();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // The client area is the central widget: the status bar below it has its own place.
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const Twips twips(this);
        const QSize client = centralWidget()->size();
        m_geometry = MainLayout::Arrange(m_geometry, twips.FromPixels(client.width()),
                                         twips.FromPixels(client.height()), 0);
        ApplyGeometry(m_geometry);
    }
    return QMainWindow::eventFilter(watched, event);
}
