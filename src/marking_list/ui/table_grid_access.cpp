#include "marking_list/ui/table_grid_access.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace marking_list::ui {

CellRange TableGridAccess::selection() const
{
    const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const QModelIndex current = view_.currentIndex();
        if (!current.isValid())
            return {};
        return {current.column() + 1, current.row() + 1, current.column() + 1, current.row() + 1};
    }
    CellRange r{selected.constFirst().column() + 1, selected.constFirst().row() + 1,
                selected.constFirst().column() + 1, selected.constFirst().row() + 1};
    for (const QModelIndex& i : selected) {
        r.left = std::min(r.left, i.column() + 1);
        r.right = std::max(r.right, i.column() + 1);
        r.top = std::min(r.top, i.row() + 1);
        r.bottom = std::max(r.bottom, i.row() + 1);
    }
    return r;
}

int TableGridAccess::topVisibleRow() const
{
    return view_.verticalScrollBar()->value() + 1;
}

void TableGridAccess::setTopVisibleRow(int row)
{
    view_.verticalScrollBar()->setValue(row - 1);
}

void TableGridAccess::select(const CellRange& range)
{
    const QAbstractItemModel* model = view_.model();
    if (!model || model->rowCount() == 0 || model->columnCount() == 0)
        return;
    const int lastRow = model->rowCount() - 1;
    const int lastColumn = model->columnCount() - 1;
    const QModelIndex from = model->index(std::clamp(range.top - 1, 0, lastRow),
                                          std::clamp(range.left - 1, 0, lastColumn));
    const QModelIndex to = model->index(std::clamp(range.bottom - 1, 0, lastRow),
                                        std::clamp(range.right - 1, 0, lastColumn));
    view_.selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
    view_.selectionModel()->select(QItemSelection(from, to), QItemSelectionModel::ClearAndSelect);
}

}  // namespace marking_list::ui
