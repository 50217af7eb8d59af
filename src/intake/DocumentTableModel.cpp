#include "DocumentTableModel.h"

DocumentTableModel::DocumentTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int DocumentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

void DocumentTableModel::Store(const DocumentRow& row)
{
    StoredRow stored;
    stored.firstEnd = m_ends.size();
    stored.checkState = row.checkState;
    const auto add = [&](const QString& text) {
        stored.texts += text.toUtf8();
        m_ends.push_back(quint32(stored.texts.size()));
    };
    add(row.key);
    add(row.text);
    for (const SubItem& item : row.subItems) {
        if (item.display == item.raw)
            m_ends.push_back(quint32(stored.texts.size()) | kSameAsNext);
        else
            add(item.display);
        add(item.raw);
    }
    stored.texts.squeeze();
    m_rows.push_back(std::move(stored));
}

size_t DocumentTableModel::TextCount(int row) const
{
    const size_t next = size_t(row) + 1;
    return (next < m_rows.size() ? m_rows[next].firstEnd : m_ends.size()) -
           m_rows[size_t(row)].firstEnd;
}

QString DocumentTableModel::Text(int row, size_t index) const
{
    if (index >= TextCount(row))
        return {};
    const StoredRow& stored = m_rows[size_t(row)];
    const quint32 end = m_ends[stored.firstEnd + index];
    if (end & kSameAsNext)
        return Text(row, index + 1);
    const quint32 start = index == 0 ? 0 : m_ends[stored.firstEnd + index - 1] & ~kSameAsNext;
    return QString::fromUtf8(stored.texts.constData() + start, qsizetype(end - start));
}

QString DocumentTableModel::SubItemValue(int row, int column, bool raw) const
{
    const int index = m_columns[column].subItemIndex - 1;
    return index < 0 ? QString() : Text(row, 2 + 2 * size_t(index) + (raw ? 1 : 0));
}

DocumentRow DocumentTableModel::Row(int row) const
{
    DocumentRow result;
    result.key = Text(row, 0);
    result.text = Text(row, 1);
    result.checkState = CheckState(row);
    for (size_t index = 2; index + 1 < TextCount(row); index += 2)
        result.subItems.append({Text(row, index), Text(row, index + 1)});
    return result;
}

int DocumentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DocumentTableModel::DisplayText(int row, int column) const
{
    if (m_columns[column].creationIndex == 1)
        return Text(row, 1);
    return SubItemValue(row, column, false);
}

QString DocumentTableModel::ExportValue(int row, int column) const
{
    if (m_columns[column].creationIndex == 1)
        return Text(row, 1);
    return SubItemValue(row, column, true);
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
        return column == 0 ? QVariant(CheckState(row)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(m_columns[column].alignment);
    case RawValueRole:
        return column == 0 ? QVariant() : QVariant(ExportValue(row, column));
    case KeyRole:
        return Key(row);
    default:
        return {};
    }
}

bool DocumentTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::CheckStateRole ||
        index.column() != 0)
        return false;
    m_rows[size_t(index.row())].checkState = static_cast<Qt::CheckState>(value.toInt());
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
    m_ends.clear();
    endResetModel();
}

void DocumentTableModel::SetColumnAlignment(int column, Qt::Alignment alignment)
{
    if (m_columns[column].alignment == alignment)
        return;
    m_columns[column].alignment = alignment;
    if (!m_rows.empty())
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
    for (const DocumentRow& row : rows)
        Store(row);
    endInsertRows();
}

void DocumentTableModel::ClearRows()
{
    if (m_rows.empty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    // Given back whole: the next read may be far smaller.
    std::vector<StoredRow>().swap(m_rows);
    std::vector<quint32>().swap(m_ends);
    endRemoveRows();
}

void DocumentTableModel::SetAllChecked(Qt::CheckState state)
{
    for (StoredRow& row : m_rows)
        row.checkState = state;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}
