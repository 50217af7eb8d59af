#include "InputSelection.h"

#include "FileSystemObject.h"
#include "Form1.h"
#include "TextCoder.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
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

void InputSelection::OpenFile()
{
    const QString path = QFileDialog::getOpenFileName(&m_form, QString(), QString(),
                                                      QStringLiteral("*.xml; *.zip (*.xml *.zip)"));
    if (!path.isEmpty())
        SetPath(QDir::toNativeSeparators(path));
}

void InputSelection::OpenFolder()
{
    const QString path = QFileDialog::getExistingDirectory(&m_form);
    if (!path.isEmpty())
        SetPath(QDir::toNativeSeparators(path));
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
    // Only drops the box would take are offered; anything else is refused where it lands.
    if (AcceptablePath(drop->mimeData()).isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        Drop(drop->mimeData());
    return true;
}
