#include "DocumentTableModel.h"

DocumentTableModel::DocumentTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int DocumentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DocumentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

const SubItem* DocumentTableModel::SubItemAt(int row, int column) const
{
    const int index = m_columns[column].subItemIndex - 1;
    const QList<SubItem>& items = m_rows[row].subItems;
    return index >= 0 && index < items.size() ? &items[index] : nullptr;
}

QString DocumentTableModel::DisplayText(int row, int column) const
{
    if (m_columns[column].creationIndex == 1)
        return m_rows[row].text;
    const SubItem* item = SubItemAt(row, column);
    return item ? item->display : QString();
}

QString DocumentTableModel::ExportValue(int row, int column) const
{
    if (m_columns[column].creationIndex == 1)
        return m_rows[row].text;
    const SubItem* item = SubItemAt(row, column);
    return item ? item->raw : QString();
}

QVariant DocumentTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return DisplayText(row, column);
    case Qt::CheckStateRole:
        return column == 0 ? QVariant(m_rows[row].checkState) : QVariant();
    case Qt::TextAlignmentRole:
        return int(m_columns[column].alignment);
    case RawValueRole:
        return column == 0 ? QVariant() : QVariant(ExportValue(row, column));
    case KeyRole:
        return m_rows[row].key;
    default:
        return {};
    }
}

bool DocumentTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::CheckStateRole ||
        index.column() != 0)
        return false;
    m_rows[index.row()].checkState = static_cast<Qt::CheckState>(value.toInt());
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags DocumentTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant DocumentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const DocumentColumn& column = m_columns[section];
    if (role == Qt::DisplayRole)
        return column.caption;
    if (role == Qt::CheckStateRole && column.hasHeaderCheckBox)
        return QVariant(column.headerCheckState);
    return {};
}

void DocumentTableModel::SetColumns(const QList<DocumentColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    for (int i = 0; i < m_columns.size(); ++i) {
        m_columns[i].creationIndex = i + 1;
        m_columns[i].subItemIndex = i;
        m_columns[i].hasHeaderCheckBox = i == 0;
    }
    m_rows.clear();
    endResetModel();
}

void DocumentTableModel::SetColumnAlignment(int column, Qt::Alignment alignment)
{
    if (m_columns[column].alignment == alignment)
        return;
    m_columns[column].alignment = alignment;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

void DocumentTableModel::SetHeaderCheckState(Qt::CheckState state)
{
    if (m_columns.isEmpty())
        return;
    m_columns[0].headerCheckState = state;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void DocumentTableModel::AppendRow(const DocumentRow& row)
{
    AppendRows({row});
}

void DocumentTableModel::AppendRows(const QList<DocumentRow>& rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, rowCount(), rowCount() + int(rows.size()) - 1);
    m_rows.append(rows);
    endInsertRows();
}

void DocumentTableModel::ClearRows()
{
    if (m_rows.isEmpty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    m_rows.clear();
    endRemoveRows();
}

void DocumentTableModel::SetAllChecked(Qt::CheckState state)
{
    for (DocumentRow& row : m_rows)
        row.checkState = state;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}
