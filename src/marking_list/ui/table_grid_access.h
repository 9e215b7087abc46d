#pragma once

#include "marking_list/ui/list_commands.h"

class QTableView;

namespace marking_list::ui {

// GridAccess over a table view whose model row r and column c show the list's row r + 1 and
// column c + 1 (the row numbers live in the vertical header).
class TableGridAccess final : public GridAccess {
public:
    explicit TableGridAccess(QTableView& view) : view_(view) {}

    // The rectangle around the selected cells; the current cell when nothing is selected;
    // row 1, column 1 without either.
    CellRange selection() const override;
    int topVisibleRow() const override;
    void setTopVisibleRow(int row) override;
    // Selects the rectangle (clipped to the model) with its top-left cell current.
    void select(const CellRange& range) override;

private:
    QTableView& view_;
};

}  // namespace marking_list::ui
