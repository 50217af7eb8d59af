#pragma once

#include <QString>
#include <Qt>

/// One column of the document table, as the column map defines it.
struct DocumentColumn {
    QString caption;
    /// ";"-separated: the field key, then the element names searched in documents.
    QString tagString;
    /// 1, 2, 3 … in column-map order; column 1 holds the row text.
    int creationIndex = 1;
    /// Where the column's value sits among a row's sub-items (creation index − 1).
    int subItemIndex = 0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool hasHeaderCheckBox = false;
    Qt::CheckState headerCheckState = Qt::Unchecked;
};
