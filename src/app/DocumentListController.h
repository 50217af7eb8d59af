#pragma once

#include <QObject>

class DocumentSortProxy;
class Form1;
class QItemSelection;

/// The list's and the grid's answers to the user: a header click sorts, the first header's check
/// box checks or unchecks every row, Space checks or unchecks the current row from any column,
/// and the selected row's requisites fill the grid.
class DocumentListController : public QObject {
    Q_OBJECT
public:
    /// Puts the sort proxy between the window's table and its list and shapes both controls.
    explicit DocumentListController(Form1& form);

    DocumentSortProxy* Proxy() const { return m_proxy; }

    /// Sorts ascending by the column, choosing the kind from the top row's value; on an empty
    /// table nothing changes, not even the sort indicator.
    void SortByColumn(int column);
    /// Gives every row and the first header the check state.
    void SetAllChecked(Qt::CheckState state);
    /// Shows a table row's requisites in the grid: grid row i − 1 holds the column with creation
    /// index i, whatever order the user dragged the columns into.
    void FillGrid(int tableRow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ToggleCurrentRow();
    void OnSelectionChanged(const QItemSelection& selected);
    void ShapeList();
    void ShapeGrid();

    Form1& m_form;
    DocumentSortProxy* m_proxy;
    // Where the sort indicator stands: a click on an empty table must leave it there.
    int m_indicatorSection = -1;
    Qt::SortOrder m_indicatorOrder = Qt::AscendingOrder;
};
