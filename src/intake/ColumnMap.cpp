#include "ColumnMap.h"

#include "FileSystemObject.h"
#include "ProgramFileText.h"
#include "ReadWholeFile.h"
#include "TextCleanup.h"

#include <QDir>

QList<DocumentColumn> ColumnMap::Parse(const QString& text)
{
    QList<DocumentColumn> columns;
    // A lone LF ends a line as CR LF does: the map may have been saved on Linux.
    QStringList lines = text.split(QLatin1Char('\n'));
    // Only the space character counts as blank in the column map.
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (TextCleanup::TrimSpaces(line).isEmpty())
            continue;
        const QStringList pieces = line.split(QLatin1Char('='));
        DocumentColumn column;
        column.caption = TextCleanup::TrimSpaces(pieces[0]);
        column.tagString = pieces.size() > 1 ? TextCleanup::TrimSpaces(pieces[1]) : QString();
        columns.append(column);
    }
    return columns;
}

QString ColumnMap::FilePath(const QString& configFolder)
{
    return QDir(configFolder).filePath(QStringLiteral("TAG.INI"));
}

bool ColumnMap::Load(const QString& configFolder)
{
    const QString path = QDir::toNativeSeparators(FilePath(configFolder));
    m_columns.clear();
    m_error.clear();
    if (!FileSystemObject::FileExists(path)) {
        m_error = QStringLiteral("Не найден файл столбцов '%1'").arg(path);
        return false;
    }
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        m_error = QStringLiteral("Не удалось прочитать файл столбцов '%1'").arg(path);
        return false;
    }
    m_columns = Parse(ProgramFileText::Decode(*bytes));
    return true;
}
