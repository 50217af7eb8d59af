#pragma once

#include <QObject>
#include <QString>
#include <memory>

class Form1;
class QFileDialog;
class QMimeData;

/// How a path gets into the locked input box: dropped onto the box or the list, or chosen in the
/// open-file and folder dialogs of the open button and its menu.
class InputSelection : public QObject {
    Q_OBJECT
public:
    explicit InputSelection(Form1& form);

    /// The path a drop would put into the box: the first dropped path, when it names a folder or
    /// an existing ".zip" or ".xml" file (extension in any case); empty otherwise.
    static QString AcceptablePath(const QMimeData* data);
    /// Puts the drop's path into the box; false when the drop is ignored.
    bool Drop(const QMimeData* data);
    /// "Открыть файл ...": an XML document or a ZIP archive; a cancelled dialog changes nothing.
    void OpenFile();
    /// "Открыть папку ...": a folder; a cancelled dialog changes nothing.
    void OpenFolder();
    /// The dialog of either command, in Russian, starting in the folder of the current input (the
    /// home folder before the first), without a way to make folders.
    std::unique_ptr<QFileDialog> CreateDialog(bool folders) const;
    /// The folder an input path stands for: a folder itself, a file's folder; empty for none.
    static QString FolderOf(const QString& input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(const std::unique_ptr<QFileDialog>& dialog);
    void SetPath(const QString& path);

    Form1& m_form;
};
