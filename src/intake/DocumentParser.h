#pragma once

#include "DisplayValue.h"
#include "DocumentLookup.h"
#include "DocumentRow.h"
#include "XmlPathReader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class DocumentTableModel;

/// Turns document files into rows of the document table: each column's value is the first
/// non-empty value among the column's lookups; a document without an amount is dropped.
class DocumentParser {
public:
    /// The largest file read as a document: payment documents take a few kilobytes, and a file
    /// beyond this would take several times its size in memory.
    static constexpr qint64 kLargestDocument = qint64(64) << 20;
    /// The most characters a value keeps: requisites take a few hundred at most, and the cut keeps
    /// a document's row small whatever its elements hold.
    static constexpr qsizetype kLongestValue = 4096;

    /// Prepares the table's columns once for any number of documents.
    explicit DocumentParser(DocumentTableModel& table, const QLocale& locale = QLocale());

    /// Reads one document file and appends its row; false when it was dropped or unreadable.
    bool Parse(const QString& path);
    /// The row of one document file, without appending it; empty when it was dropped or could
    /// not be read. Unreadable (when given) says which: anything but a regular file of at most
    /// kLargestDocument bytes, or a file that cannot be read whole, is unreadable.
    std::optional<DocumentRow> RowFromFile(const QString& path, bool* unreadable = nullptr);
    /// The row of a document's decoded text; empty when an amount is missing.
    std::optional<DocumentRow> RowFromText(const QString& key, const QString& text);

private:
    struct Column {
        QList<DocumentLookup> lookups;
        // Where each lookup's value sits among the path values; -1 for other kinds.
        QList<qsizetype> pathIndexes;
        bool isAmount = false;
    };
    // One document while its row is built; the paths are read once, when a column first needs them.
    struct Document {
        const QString& text;
        std::optional<QStringList> pathValues;
    };

    // The decoded text of a document file; empty when it cannot be read.
    static std::optional<QString> FileText(const QString& path);
    QString RawValue(const Column& column, Document& document) const;
    QString LookupValue(const Column& column, qsizetype i, Document& document) const;

    DocumentTableModel& m_table;
    DisplayValue m_display;
    QList<Column> m_columns;
    XmlPathReader m_paths;
};

/// Reads one document file into at most one new row at the end of the table.
void ParseDocument(const QString& path, DocumentTableModel& table);
