#pragma once

#include "ConfigFolders.h"
#include "MainLayout.h"
#include "StatusMessage.h"

#include <QMainWindow>
#include <memory>

class CheckableHeader;
class DocumentListController;
class DocumentTableModel;
class INIStorage;
class InputSelection;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;
class QTimer;
class QToolButton;
class QTreeView;
class ReadController;
class SaveCommand;
class StatusBar;

/// The main window: the input path, the document table, the requisite grid and the export panel.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window and runs the start-up sequence with the given configuration folders.
    explicit Form1(const ConfigFolders& config, QWidget* parent = nullptr);
    /// The same with one configuration folder for everything.
    explicit Form1(const QString& configFolder, QWidget* parent = nullptr);
    ~Form1() override;

    /// Writes the status bar; a colour of -1 (StatusColor::Keep) keeps the previous colour.
    void ShowStatusText(const QString& Txt, qint32 Color);
    void ShowStatusText(const StatusMessage& message);

    /// Opens the about box, modal over the window.
    void ShowAbout();

    /// True when the executable's base name is "DEVSTAGE" in any case.
    static bool IsDevEnvironment();

    DocumentTableModel* Table() const { return m_table; }
    /// The settings store, created at start-up for the configuration folder.
    const INIStorage& Settings() const { return *m_settings; }
    /// The save command behind CommandSaveAs, mnuOpenAfter and DTPicker1.
    SaveCommand* Saver() const { return m_saver.get(); }

    // The named controls of the window.
    QLabel* LabelW1 = nullptr;
    QLineEdit* TxtFileIn = nullptr;
    QToolButton* CommandOpen = nullptr;
    QLabel* AlphaLogo = nullptr;
    QTreeView* List = nullptr;
    CheckableHeader* ListHeader = nullptr;
    QTableWidget* Grid1 = nullptr;
    QWidget* PicCont = nullptr;
    QToolButton* OptionsBtn = nullptr;
    QLabel* LabelW2 = nullptr;
    QDateTimeEdit* DTPicker1 = nullptr;
    QToolButton* CommandSaveAs = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QFrame* Shape1 = nullptr;
    QTimer* ReadTimer = nullptr;
    QMenu* MnuFile = nullptr;
    QMenu* mnuOpn = nullptr;
    QAction* mnuOpen[2] = {nullptr, nullptr};
    QMenu* mnuSave = nullptr;
    QAction* mnuOpenAfter = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateSharedObjects();
    void CreateControls();
    void CreateListAndGrid();
    void CreateMenus();
    void CreateBottomPanel();
    void LoadColumns();
    void ShapeGrid();
    void ApplyGeometry(const MainGeometry& geometry);

    ConfigFolders m_config;
    DocumentTableModel* m_table;
    MainGeometry m_geometry;
    std::unique_ptr<INIStorage> m_settings;
    // The controllers go before the widgets they watch, so none of them sees a half-destroyed form.
    std::unique_ptr<DocumentListController> m_lists;
    std::unique_ptr<ReadController> m_reader;
    std::unique_ptr<InputSelection> m_input;
    std::unique_ptr<SaveCommand> m_saver;
};
