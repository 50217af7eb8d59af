#include "DocumentSortProxy.h"

#include <QBrush>

DocumentSortProxy::DocumentSortProxy(QObject* parent)
    : QSortFilterProxyModel(parent), m_collator(m_locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void DocumentSortProxy::setSourceModel(QAbstractItemModel* source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    ForgetKeys();
    // Connected before the base class connects its own handlers, so that stale keys are gone
    // by the time it re-sorts changed or inserted rows.
    if (source) {
        connect(source, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int) {
                    if (size_t(first) < m_keys.size())
                        ForgetKeys();
                });
        connect(source, &QAbstractItemModel::rowsRemoved, this, &DocumentSortProxy::ForgetKeys);
        connect(source, &QAbstractItemModel::rowsMoved, this, &DocumentSortProxy::ForgetKeys);
        connect(source, &QAbstractItemModel::modelReset, this, &DocumentSortProxy::ForgetKeys);
        connect(source, &QAbstractItemModel::layoutChanged, this, &DocumentSortProxy::ForgetKeys);
        connect(source, &QAbstractItemModel::dataChanged, this,
                &DocumentSortProxy::ForgetChangedKeys);
    }
    QSortFilterProxyModel::setSourceModel(source);
}

QVariant DocumentSortProxy::data(const QModelIndex& index, int role) const
{
    if (role == Qt::BackgroundRole && index.isValid() && index.row() % 2 == 0)
        return QBrush(ShadeColor());
    return QSortFilterProxyModel::data(index, role);
}

void DocumentSortProxy::SortBy(int column, SortKind kind)
{
    const bool changed = kind != m_kind || column != sortColumn();
    m_kind = kind;
    if (changed)
        ForgetKeys();
    // Sorting again by the same column and order would not re-sort, but a new kind must.
    if (column == sortColumn() && sortOrder() == Qt::AscendingOrder) {
        if (changed)
            invalidate();
        return;
    }
    sort(column, Qt::AscendingOrder);
}

bool DocumentSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return KeyOf(left.row()) < KeyOf(right.row());
}

const SortKey& DocumentSortProxy::KeyOf(int sourceRow) const
{
    if (size_t(sourceRow) >= m_keys.size())
        m_keys.resize(size_t(sourceModel()->rowCount()));
    std::optional<SortKey>& key = m_keys[size_t(sourceRow)];
    if (!key) {
        const QString text = sourceModel()->index(sourceRow, sortColumn()).data().toString();
        key.emplace(text, m_kind, m_collator, m_locale);
    }
    return *key;
}

void DocumentSortProxy::ForgetKeys()
{
    m_keys.clear();
}

void DocumentSortProxy::ForgetChangedKeys(const QModelIndex& topLeft,
                                          const QModelIndex& bottomRight, const QList<int>& roles)
{
    if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
        return;
    for (int row = topLeft.row(); row <= bottomRight.row() && size_t(row) < m_keys.size(); ++row)
        m_keys[size_t(row)].reset();
}
