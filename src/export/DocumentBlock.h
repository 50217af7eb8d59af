#pragma once

#include "ValueFormatter.h"

#include <QList>
#include <QString>
#include <QStringList>

/// A template's document block prepared once for every row of an export. Filling it gives the
/// same text as substituting every column's placeholders one after another, in column order; but
/// where the block's braces all belong to placeholders, it is cut once into text and placeholder
/// slots, so a row costs one pass instead of one search of the block per placeholder.
class DocumentBlock {
public:
    /// placeholders holds, per column in column order, the column's "{name}" texts.
    DocumentBlock(const QString& block, const QList<QStringList>& placeholders);

    /// The block filled with one row's values, one per column.
    QString Fill(const QStringList& values, const ValueFormatter& formatter) const;
    /// The same by substituting placeholder after placeholder: the reference for Fill.
    QString FillSequentially(const QStringList& values, const ValueFormatter& formatter) const;

    /// False when the block has to be filled sequentially, for braces outside placeholders.
    bool IsPrepared() const { return m_prepared; }

private:
    struct Segment {
        qsizetype start = 0;
        qsizetype length = 0;
        /// The column whose value replaces this piece; -1 for text kept as it is.
        int column = -1;
    };

    bool Prepare();
    int ColumnOfPlaceholder(QStringView text) const;

    QString m_block;
    QList<QStringList> m_placeholders;
    QList<Segment> m_segments;
    bool m_prepared = false;
};
