#include "ColumnMap.h"

#include "AnsiCodec.h"
#include "FileSystemObject.h"
#include "ReadWholeFile.h"

#include <QDir>

namespace {

// Only the space character counts as blank in the column map.
QString TrimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first).toString();
}

} // namespace

QList<DocumentColumn> ColumnMap::Parse(const QString& text)
{
    QList<DocumentColumn> columns;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        if (TrimSpaces(line).isEmpty())
            continue;
        const QStringList pieces = line.split(QLatin1Char('='));
        DocumentColumn column;
        column.caption = TrimSpaces(pieces[0]);
        column.tagString = pieces.size() > 1 ? TrimSpaces(pieces[1]) : QString();
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
    m_columns = Parse(AnsiCodec::Decode(*bytes));
    return true;
}
