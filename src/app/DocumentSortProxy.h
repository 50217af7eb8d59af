#pragma once

#include "SortKey.h"

#include <QCollator>
#include <QColor>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

/// The document table as the list shows it: sorted ascending by one column under a sort kind,
/// kept in order as rows arrive, with every odd position from the top shaded.
class DocumentSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit DocumentSortProxy(QObject* parent = nullptr);

    /// The background of the first, third, fifth … row from the top.
    static QColor ShadeColor() { return QColor(238, 238, 238); }

    void setSourceModel(QAbstractItemModel* source) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Sorts ascending by the column, comparing its values as the kind says.
    void SortBy(int column, SortKind kind);
    SortKind Kind() const { return m_kind; }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const SortKey& KeyOf(int sourceRow) const;
    void ForgetKeys();
    void ForgetChangedKeys(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles);

    SortKind m_kind = SortKind::Text;
    QLocale m_locale;
    QCollator m_collator;
    // One key per source row of the sort column, made when first compared: a sort reads every
    // value once instead of parsing it at each comparison.
    mutable std::vector<std::optional<SortKey>> m_keys;
};
