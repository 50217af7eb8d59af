#pragma once

#include "DocumentColumn.h"

#include <QHash>
#include <QList>
#include <QString>

/// The names a template may give the table's columns: every name of a column's tag string,
/// exactly as written between the semicolons, in any letter case. Where two columns carry the
/// same name, the first one has it.
class ColumnNames {
public:
    explicit ColumnNames(const QList<DocumentColumn>& columns);

    /// The column with that name; -1 when none has it.
    int Find(QStringView name) const;
    /// The length of the longest name: no longer text can name a column.
    qsizetype LongestName() const { return m_longest; }

private:
    QHash<QString, int> m_columns;
    qsizetype m_longest = 0;
};
