#include "FileDialogTexts.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace {

enum Column { Size = 1, Kind = 2, Modified = 3 };

// "512 Б", "1,5 КБ": the short units need no plural forms.
QString SizeText(qint64 bytes, const QLocale& locale)
{
    if (bytes < 1024)
        return QStringLiteral("%1 Б").arg(bytes);
    const char* const units[] = {"КБ", "МБ", "ГБ", "ТБ"};
    double value = double(bytes) / 1024;
    int unit = 0;
    for (; value >= 1024 && unit < 3; ++unit)
        value /= 1024;
    return locale.toString(value, 'f', 1) + QLatin1Char(' ') + QString::fromUtf8(units[unit]);
}

} // namespace

FileDialogTexts::FileDialogTexts(QObject* parent) : QIdentityProxyModel(parent) {}

void FileDialogTexts::Apply(QFileDialog* dialog)
{
    dialog->setProxyModel(new FileDialogTexts(dialog));
}

QVariant FileDialogTexts::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int column = index.column();
    if (role != Qt::DisplayRole || !files || (column != Size && column != Kind && column != Modified))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (column == Modified)
        return russian.toString(info.lastModified(), QStringLiteral("dd.MM.yyyy HH:mm"));
    if (info.isDir())
        return column == Kind ? QStringLiteral("Папка") : QString();
    if (column == Size)
        return SizeText(info.size(), russian);
    return QIdentityProxyModel::data(index, role);
}
