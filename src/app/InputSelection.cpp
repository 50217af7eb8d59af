#include "InputSelection.h"

#include "FileDialogTexts.h"
#include "FileSystemObject.h"
#include "Form1.h"
#include "TextCoder.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

InputSelection::InputSelection(Form1& form) : QObject(&form), m_form(form)
{
    for (QWidget* target : {static_cast<QWidget*>(form.TxtFileIn), form.List->viewport()}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
    form.List->setAcceptDrops(true);
    connect(form.CommandOpen, &QToolButton::clicked, this, &InputSelection::OpenFile);
    connect(form.mnuOpen[0], &QAction::triggered, this, &InputSelection::OpenFile);
    connect(form.mnuOpen[1], &QAction::triggered, this, &InputSelection::OpenFolder);
}

QString InputSelection::AcceptablePath(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl first = data->urls().first();
    if (!first.isLocalFile())
        return {};
    QString path = QDir::toNativeSeparators(first.toLocalFile());
    if (path.size() > 1 && path.endsWith(QDir::separator()))
        path.chop(1);
    if (FileSystemObject::FolderExists(path))
        return path;
    const QString ext = TextCoder::Shared().GetExt(path).toUpper();
    const bool known = ext == QLatin1String("ZIP") || ext == QLatin1String("XML");
    return known && FileSystemObject::FileExists(path) ? path : QString();
}

bool InputSelection::Drop(const QMimeData* data)
{
    const QString path = AcceptablePath(data);
    if (path.isEmpty())
        return false;
    SetPath(path);
    return true;
}

QString InputSelection::FolderOf(const QString& input)
{
    if (input.isEmpty())
        return QString();
    const QFileInfo info(input);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

std::unique_ptr<QFileDialog> InputSelection::CreateDialog(bool folders) const
{
    QString start = FolderOf(m_form.TxtFileIn->text());
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    auto dialog = std::make_unique<QFileDialog>(&m_form);
    // The program's own dialogs speak Russian whatever the desktop's language, and they choose
    // what to read: making folders belongs elsewhere.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
    dialog->setDirectory(start);
    FileDialogTexts::Apply(dialog.get());
    if (!folders) {
        dialog->setWindowTitle(QStringLiteral("Открыть файл"));
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(QStringLiteral("*.xml; *.zip (*.xml *.zip)"));
        return dialog;
    }
    dialog->setWindowTitle(QStringLiteral("Открыть папку"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Папка:"));
    if (auto* newFolder = dialog->findChild<QWidget*>(QStringLiteral("newFolderButton")))
        newFolder->hide();
    return dialog;
}

void InputSelection::OpenFile()
{
    Choose(CreateDialog(false));
}

void InputSelection::OpenFolder()
{
    Choose(CreateDialog(true));
}

void InputSelection::Choose(const std::unique_ptr<QFileDialog>& dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    SetPath(QDir::toNativeSeparators(dialog->selectedFiles().constFirst()));
}

void InputSelection::SetPath(const QString& path)
{
    m_form.TxtFileIn->setText(path);
}

bool InputSelection::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    // Only drops the box would take are offered; anything else is refused where it lands. A
    // source told of a move may delete the user's file, so a drop is only ever a copy or a link.
    const Qt::DropActions allowed = drop->possibleActions();
    const Qt::DropAction action = allowed & Qt::CopyAction   ? Qt::CopyAction
                                  : allowed & Qt::LinkAction ? Qt::LinkAction
                                                             : Qt::IgnoreAction;
    if (action == Qt::IgnoreAction || AcceptablePath(drop->mimeData()).isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop)
        Drop(drop->mimeData());
    return true;
}
