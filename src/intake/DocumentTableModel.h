#pragma once

#include "DocumentColumn.h"
#include "DocumentRow.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

/// The document table: columns from the column map, one checkable row per document read.
class DocumentTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// The value a document held for a column, before it was normalised for display.
    static constexpr int RawValueRole = Qt::UserRole + 1;
    /// The row's key, the document's path.
    static constexpr int KeyRole = Qt::UserRole + 2;

    explicit DocumentTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// Replaces all columns; creation and sub-item indexes follow the list's order.
    void SetColumns(const QList<DocumentColumn>& columns);
    const QList<DocumentColumn>& Columns() const { return m_columns; }
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    void SetHeaderCheckState(Qt::CheckState state);

    /// The rows, each one made afresh from the table's storage when it is asked for.
    class RowList {
    public:
        /// Walks the rows in order, making each as it comes.
        class Iterator {
        public:
            Iterator(const DocumentTableModel* table, int row) : m_table(table), m_row(row) {}
            DocumentRow operator*() const { return m_table->Row(m_row); }
            Iterator& operator++()
            {
                ++m_row;
                return *this;
            }
            bool operator==(const Iterator&) const = default;

        private:
            const DocumentTableModel* m_table;
            int m_row;
        };

        explicit RowList(const DocumentTableModel* table) : m_table(table) {}
        qsizetype size() const { return m_table->rowCount(); }
        bool isEmpty() const { return size() == 0; }
        DocumentRow operator[](qsizetype row) const { return m_table->Row(int(row)); }
        Iterator begin() const { return {m_table, 0}; }
        Iterator end() const { return {m_table, m_table->rowCount()}; }

    private:
        const DocumentTableModel* m_table;
    };

    /// Appends a row at the end of the table.
    void AppendRow(const DocumentRow& row);
    void AppendRows(const QList<DocumentRow>& rows);
    /// Removes every row; the columns stay as they are.
    void ClearRows();
    RowList Rows() const { return RowList(this); }
    /// One row as it was appended, with its present check state.
    DocumentRow Row(int row) const;
    /// The row's key, the document's path.
    QString Key(int row) const { return Text(row, 0); }
    Qt::CheckState CheckState(int row) const { return m_rows[size_t(row)].checkState; }
    /// Gives every row the same check state.
    void SetAllChecked(Qt::CheckState state);

    /// The value of a row for a column: its text for column 0, else the sub-item's display text.
    QString DisplayText(int row, int column) const;
    /// The value the export takes: the row text for column 0, else the sub-item's raw value.
    QString ExportValue(int row, int column) const;

private:
    /// A row as the table keeps it: its key, its text and the display and raw value of each
    /// sub-item one after another in UTF-8, in one block. A table of a hundred thousand rows
    /// would otherwise spend more on the bookkeeping of its many small strings than on the text.
    struct StoredRow {
        QByteArray texts;
        /// Where the ends of the row's texts start in m_ends.
        size_t firstEnd = 0;
        Qt::CheckState checkState = Qt::Checked;
    };

    /// The mark on the end of a display value that is the same as the raw value after it, and
    /// so is not kept twice.
    static constexpr quint32 kSameAsNext = 0x80000000u;

    void Store(const DocumentRow& row);
    size_t TextCount(int row) const;
    /// The row's text of an index: 0 the key, 1 the text, then display and raw of sub-item 1, …;
    /// empty past the last.
    QString Text(int row, size_t index) const;
    /// A column's display or raw value beyond the first column; empty when the row has none.
    QString SubItemValue(int row, int column, bool raw) const;

    QList<DocumentColumn> m_columns;
    std::vector<StoredRow> m_rows;
    /// The end of each text of every row within its block, row after row.
    std::vector<quint32> m_ends;
};
