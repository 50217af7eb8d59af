#pragma once

#include <QList>
#include <QString>
#include <Qt>

/// A value of a row beyond the first column: what the table shows and what the document held.
struct SubItem {
    QString display;
    QString raw;
};

/// One document in the table.
struct DocumentRow {
    /// The document's file path; unique within the table.
    QString key;
    /// The display value of the column with creation index 1.
    QString text;
    Qt::CheckState checkState = Qt::Checked;
    /// Indexed by sub-item index − 1.
    QList<SubItem> subItems;
};
