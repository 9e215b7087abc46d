#pragma once

#include "marking_list/count_box_mode.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marking_list {

// What changed, for the views: rows [firstRow, lastRow] (1-based), or everything.
struct ListChange {
    int firstRow = 1;
    int lastRow = 0;
    bool layoutChanged = false;
};

// The marking list: 1000 rows of CP932 cells in the columns of the layout, and the counter
// NextFreeRow (rows + 1). Rows inside the list may be empty; rows from NextFreeRow on are.
// Columns are 1-based as in the grid (column 0 holds only the row numbers).
class MarkingList final {
public:
    static constexpr int kRows = 1000;
    static constexpr int kMaxColumns = 5;

    MarkingList();
    MarkingList(const MarkingList&) = delete;
    MarkingList& operator=(const MarkingList&) = delete;

    CountBoxMode layout() const { return layout_; }
    int columnCount() const { return marking_list::columnCount(layout_); }
    // Switches the layout; cells of columns the new layout lacks are emptied.
    void setLayout(CountBoxMode mode);

    // Cells outside rows 1..1000 or columns 1..5 read as empty and are not written.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // Columns 1.. of a row, as many as the layout has.
    std::vector<std::string> row(int row) const;
    void setRow(int row, const std::vector<std::string>& cells);

    int nextFreeRow() const { return nextFreeRow_; }
    int rowCount() const { return nextFreeRow_ - 1; }
    bool isEmpty() const { return nextFreeRow_ < 2; }
    bool isFull() const { return nextFreeRow_ > kRows; }
    void setNextFreeRow(int row);
    // The timer's rule: the last row with text in column 1, 2 or 3, plus 1.
    int recomputeNextFreeRow();

    // Writes the cells into row NextFreeRow and advances it. False, with nothing written,
    // when the list is full.
    bool appendRow(const std::vector<std::string>& cells);
    // Empties every cell and sets NextFreeRow to 1.
    void clear();
    // Moves rows first.. down by `count`; rows pushed past row 1000 are dropped and
    // returned (as cells of the layout), so a caller can tell the user what was lost.
    std::vector<std::vector<std::string>> insertEmptyRows(int first, int count);
    // Removes rows first..first+count-1; the rows below move up, the last rows become empty.
    void removeRows(int first, int count);
    // Moves one whole row to another position (dragging a row number).
    void moveRow(int from, int to);

    // Full-width state of the list: the marking texts of rows 1..100 are examined.
    struct FullWidthState {
        bool fullWidth = false;
        bool numberingPresent = false;  // a "【" in an examined row
    };
    FullWidthState examineFullWidth() const;
    // Every row of the list (not only the first 100) examined with the full-width test.
    bool anyRowFullWidth() const;

    // The list's text image: the row to select, then one TAB-joined line per row of the
    // list, lines separated by CR LF.
    std::string snapshot(int rowToSelect) const;
    // Empties the list and fills it from a snapshot; fields past the layout's last column and
    // rows past 1000 are dropped. Returns the row to select that the image names (0 when
    // its first line is not a number).
    int restoreSnapshot(std::string_view image);

    // Views listen here. Changes made inside a batch reach them once, at its end.
    void setChangeListener(std::function<void(const ListChange&)> listener);
    class Batch {
    public:
        explicit Batch(MarkingList& list);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        MarkingList& list_;
    };

private:
    void changed(int firstRow, int lastRow, bool layoutChanged = false);
    void flush();

    using Row = std::array<std::string, kMaxColumns>;
    std::vector<Row> rows_;  // index 0 is row 1
    CountBoxMode layout_ = CountBoxMode::OneBox;
    int nextFreeRow_ = 1;

    std::function<void(const ListChange&)> listener_;
    int batchDepth_ = 0;
    bool pending_ = false;
    ListChange pendingChange_;
};

}  // namespace marking_list
