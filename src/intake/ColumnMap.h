#pragma once

#include "DocumentColumn.h"

#include <QList>
#include <QString>

/// The column map TAG.INI: one "caption = tag string" line per column of the document table.
class ColumnMap {
public:
    /// The columns of a column map's text; lines end at CR LF or LF, blank lines are skipped, a
    /// line without "=" keeps its column with an empty tag string, text after a second "=" is
    /// dropped.
    static QList<DocumentColumn> Parse(const QString& text);

    /// Reads configFolder/TAG.INI (Windows-1251, or UTF-8 as ProgramFileText detects it). On
    /// failure the map has no columns and errorString() says which file is missing or unreadable.
    bool Load(const QString& configFolder);
    const QList<DocumentColumn>& Columns() const { return m_columns; }
    QString errorString() const { return m_error; }

    /// The path of the column map in a configuration folder.
    static QString FilePath(const QString& configFolder);

private:
    QList<DocumentColumn> m_columns;
    QString m_error;
};
