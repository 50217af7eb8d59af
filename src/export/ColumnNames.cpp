#include "ColumnNames.h"

ColumnNames::ColumnNames(const QList<DocumentColumn>& columns)
{
    for (int column = 0; column < columns.size(); ++column) {
        const QString& tagString = columns[column].tagString;
        if (tagString.isEmpty())
            continue;
        for (const QString& name : tagString.split(QLatin1Char(';'))) {
            const QString key = name.toCaseFolded();
            if (!m_columns.contains(key))
                m_columns.insert(key, column);
            m_longest = std::max(m_longest, name.size());
        }
    }
}

int ColumnNames::Find(QStringView name) const
{
    if (name.size() > m_longest)
        return -1;
    return m_columns.value(name.toString().toCaseFolded(), -1);
}
