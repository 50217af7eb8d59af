#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Form1;
class INIStorage;
class QDateTime;
class QFileDialog;
class TemplateList;

/// The save command of the main window: the button "Сохранить как ...", its menu item
/// "Перейти к файлу после сохранения" (GotoAfterSave, kept in USER.INI) and the statement's
/// creation date DTPicker1.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(Form1& form, const INIStorage& settings, const QStringList& templateFolders);

    /// Asks for the output file with the templates as file types, then saves.
    void Run();
    /// The save dialog: a file type per template, the proposed name in the folder of the last save
    /// of this run (else the input's folder), the last template's extension as default suffix and
    /// its file type chosen, overwrite prompt on.
    std::unique_ptr<QFileDialog> CreateDialog(const TemplateList& templates) const;
    /// Renders the checked rows, in the order the list shows them, through the template into
    /// out, reports in the status bar and, when GotoAfterSave is on, shows the file. True when
    /// the file was written.
    bool SaveTo(const QString& out, const QString& templatePath);

    /// Checks the menu item when USER.INI holds GotoAfterSave as the number 1.
    void RestoreOption();
    /// Replaces the way a saved file is shown; tests watch it instead of the file manager.
    void SetFileShower(std::function<void(const QString&)> shower)
    {
        m_showFile = std::move(shower);
    }

protected:
private:
    void StoreOption(bool checked);
    void DropTimeOfDay(const QDateTime& value);
    /// The table's rows in the order the list shows them.
    QList<int> ShownOrder() const;

    Form1& m_form;
    const INIStorage& m_settings;
    QStringList m_templateFolders;
    std::function<void(const QString&)> m_showFile;
    // Where the last successful save of this run went; the next save dialog starts there.
    QString m_lastSaveFolder;
};
