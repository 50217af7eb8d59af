#pragma once

#include "DisplayValue.h"
#include "DocumentRow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class DocumentTableModel;

/// Turns document files into rows of the document table: each column's value is the first
/// non-empty element among the column's element names; a document without an amount is dropped.
class DocumentParser {
public:
    /// The largest file read as a document: payment documents take a few kilobytes, and a file
    /// beyond this would take several times its size in memory.
    static constexpr qint64 kLargestDocument = qint64(64) << 20;

    /// Prepares the table's columns once for any number of documents.
    explicit DocumentParser(DocumentTableModel& table, const QLocale& locale = QLocale());

    /// Reads one document file and appends its row; false when it was dropped or unreadable.
    bool Parse(const QString& path);
    /// The row of one document file, without appending it; empty when it was dropped or unreadable,
    /// and for anything but a regular file of at most kLargestDocument bytes.
    std::optional<DocumentRow> RowFromFile(const QString& path);
    /// The row of a document's decoded text; empty when an amount is missing.
    std::optional<DocumentRow> RowFromText(const QString& key, const QString& text);

private:
    struct Column {
        QStringList names;
        bool isAmount = false;
    };

    QString RawValue(const Column& column, const QString& text) const;

    DocumentTableModel& m_table;
    DisplayValue m_display;
    QList<Column> m_columns;
};

/// Reads one document file into at most one new row at the end of the table.
void ParseDocument(const QString& path, DocumentTableModel& table);
