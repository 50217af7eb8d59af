#include "DocumentListController.h"

#include "CheckableHeader.h"
#include "DocumentSortProxy.h"
#include "DocumentTableModel.h"
#include "Form1.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTreeView>

DocumentListController::DocumentListController(Form1& form)
    : QObject(&form), m_form(form), m_proxy(new DocumentSortProxy(this))
{
    m_proxy->setSourceModel(form.Table());
    form.List->setModel(m_proxy);
    // The tree view makes its header unclickable while its own sorting is off; sorting here is
    // this controller's.
    form.ListHeader->setSectionsClickable(true);
    connect(form.ListHeader, &QHeaderView::sectionClicked, this,
            &DocumentListController::SortByColumn);
    connect(form.ListHeader, &CheckableHeader::CheckBoxToggled, this,
            [this](int, Qt::CheckState state) { SetAllChecked(state); });
    connect(form.List->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) { OnSelectionChanged(selected); });
    form.List->installEventFilter(this);
    m_indicatorSection = form.ListHeader->sortIndicatorSection();
    m_indicatorOrder = form.ListHeader->sortIndicatorOrder();
    ShapeList();
    ShapeGrid();
}

void DocumentListController::ShapeList()
{
    // The selection stays visible when the list loses focus.
    QPalette palette = m_form.List->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_form.List->setPalette(palette);
    m_form.List->setAllColumnsShowFocus(true);
}

void DocumentListController::ShapeGrid()
{
    QTableWidget* grid = m_form.Grid1;
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    QPalette palette = grid->palette();
    palette.setColor(QPalette::AlternateBase, QColor(246, 246, 246));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(213, 225, 242));
        palette.setColor(group, QPalette::HighlightedText,
                         palette.color(group, QPalette::WindowText));
    }
    grid->setPalette(palette);
    grid->horizontalHeader()->setFont(QFont(QStringLiteral("Tahoma"), 9));
}

void DocumentListController::SortByColumn(int column)
{
    QHeaderView* header = m_form.ListHeader;
    if (m_form.Table()->rowCount() == 0) {
        // The header has already moved its indicator on the click: put it back.
        header->setSortIndicator(m_indicatorSection, m_indicatorOrder);
        return;
    }
    const QString sample = m_proxy->index(0, column).data().toString();
    m_proxy->SortBy(column, SortKey::KindOf(sample));
    m_indicatorSection = column;
    m_indicatorOrder = Qt::AscendingOrder;
    header->setSortIndicator(column, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    // The arrow takes room from the caption: the column widens so that both stay whole.
    header->resizeSection(column,
                          std::max(header->sectionSize(column), header->sectionSizeHint(column)));
}

bool DocumentListController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form.List || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier)
        return false;
    ToggleCurrentRow();
    return true;
}

void DocumentListController::ToggleCurrentRow()
{
    const QModelIndex current = m_form.List->currentIndex();
    if (!current.isValid())
        return;
    // The check box lives in the first column of the model, wherever the user dragged it.
    const QModelIndex box = m_proxy->index(current.row(), 0);
    const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    m_proxy->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void DocumentListController::SetAllChecked(Qt::CheckState state)
{
    m_form.Table()->SetHeaderCheckState(state);
    m_form.Table()->SetAllChecked(state);
}

void DocumentListController::OnSelectionChanged(const QItemSelection& selected)
{
    const QModelIndex current = m_form.List->currentIndex();
    int row = -1;
    if (current.isValid() && m_form.List->selectionModel()->isRowSelected(current.row()))
        row = current.row();
    else if (!selected.isEmpty())
        row = selected.last().bottom();
    if (row < 0)
        return;
    FillGrid(m_proxy->mapToSource(m_proxy->index(row, 0)).row());
}

void DocumentListController::FillGrid(int tableRow)
{
    const DocumentTableModel& table = *m_form.Table();
    QTableWidget* grid = m_form.Grid1;
    grid->setUpdatesEnabled(false);
    grid->clearContents();
    const QList<DocumentColumn>& columns = table.Columns();
    for (int column = 0; column < columns.size(); ++column) {
        const int gridRow = columns[column].creationIndex - 1;
        if (gridRow < 0 || gridRow >= grid->rowCount())
            continue;
        grid->setItem(gridRow, 0, new QTableWidgetItem(columns[column].caption));
        grid->setItem(gridRow, 1, new QTableWidgetItem(table.DisplayText(tableRow, column)));
    }
    grid->resizeRowsToContents();
    grid->setUpdatesEnabled(true);
    grid->setEnabled(true);
}
