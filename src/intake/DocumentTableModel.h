#pragma once

#include "DocumentColumn.h"
#include "DocumentRow.h"

#include <QAbstractTableModel>

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

    /// Appends a row at the end of the table.
    void AppendRow(const DocumentRow& row);
    void AppendRows(const QList<DocumentRow>& rows);
    /// Removes every row; the columns stay as they are.
    void ClearRows();
    const QList<DocumentRow>& Rows() const { return m_rows; }
    /// Gives every row the same check state.
    void SetAllChecked(Qt::CheckState state);

    /// The value of a row for a column: its text for column 0, else the sub-item's display text.
    QString DisplayText(int row, int column) const;
    /// The value the export takes: the row text for column 0, else the sub-item's raw value.
    QString ExportValue(int row, int column) const;

private:
    const SubItem* SubItemAt(int row, int column) const;

    QList<DocumentColumn> m_columns;
    QList<DocumentRow> m_rows;
};
