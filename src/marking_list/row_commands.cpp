#include "marking_list/row_commands.h"

#include "app/program_state.h"
#include "marking_list/list_undo.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marking_list {

namespace {
constexpr int kRowsKeptAboveEnd = 15;
constexpr int kMaxScrollBack = 14;
}  // namespace

DeleteLastRowResult deleteLastRow(app::ProgramState& state, int selectionTop, int topVisibleRow)
{
    DeleteLastRowResult result;
    result.topVisibleRow = topVisibleRow;
    MarkingList& list = state.list;
    if (list.isEmpty()) {
        state.generatorUndoVisible = false;
        return result;
    }

    keepUndo(state, selectionTop);
    int top = topVisibleRow;
    if (list.nextFreeRow() - kRowsKeptAboveEnd >= top)
        top = list.nextFreeRow() - kRowsKeptAboveEnd;
    const int last = list.nextFreeRow() - 1;
    list.setRow(last, {});
    list.setNextFreeRow(last);
    if (list.isEmpty()) {
        state.fullWidthMode = false;
        top = 1;
        result.listNowEmpty = true;
    }
    if (top == list.nextFreeRow() && top > 1)
        top = std::max(1, top - kMaxScrollBack);

    changeDone(state, selectionTop);
    result.deleted = true;
    result.topVisibleRow = top;
    return result;
}

DeleteAllResult deleteAllRows(app::ProgramState& state, int selectionTop)
{
    DeleteAllResult result;
    if (state.list.isEmpty())
        return result;
    keepUndo(state, selectionTop);
    state.list.clear();
    state.fullWidthMode = false;
    result.stringInsertSwitchedOff = state.stringInsertMode;
    state.stringInsertMode = false;
    changeDone(state, 1);
    result.deleted = true;
    return result;
}

InsertRowsOutcome insertRows(app::ProgramState& state, const CellRange& selection)
{
    MarkingList& list = state.list;
    const int first = std::clamp(selection.top, 1, MarkingList::kRows);
    const int count = std::clamp(selection.rowCount(), 1, MarkingList::kRows - first + 1);
    // Rows kRows - count + 1 .. kRows would be pushed out; any text there belongs to the list.
    for (int r = MarkingList::kRows - count + 1; r <= MarkingList::kRows; ++r)
        for (int c = 1; c <= list.columnCount(); ++c)
            if (!list.cell(c, r).empty())
                return InsertRowsOutcome::WouldPushRowsOut;

    keepUndo(state, first);
    list.insertEmptyRows(first, count);
    list.recomputeNextFreeRow();
    changeDone(state, first);
    return InsertRowsOutcome::Inserted;
}

void deleteRows(app::ProgramState& state, const CellRange& selection)
{
    MarkingList& list = state.list;
    const int first = std::clamp(selection.top, 1, MarkingList::kRows);
    const int count = std::clamp(selection.rowCount(), 1, MarkingList::kRows - first + 1);
    keepUndo(state, first);
    list.removeRows(first, count);
    list.recomputeNextFreeRow();
    state.fullWidthMode = list.anyRowFullWidth();
    changeDone(state, first);
}

bool reverseRows(app::ProgramState& state, int selectionTop)
{
    MarkingList& list = state.list;
    if (list.isEmpty())
        return false;
    keepUndo(state, selectionTop);
    const int rows = list.rowCount();
    {
        MarkingList::Batch batch(list);
        std::vector<std::vector<std::string>> reversed;
        reversed.reserve(static_cast<size_t>(rows));
        for (int r = rows; r >= 1; --r)
            reversed.push_back(list.row(r));
        for (int r = 1; r <= rows; ++r)
            list.setRow(r, reversed[static_cast<size_t>(r - 1)]);
    }
    list.setNextFreeRow(rows + 1);
    changeDone(state, selectionTop);
    return true;
}

std::optional<CellRange> selectAllRange(const app::ProgramState& state)
{
    const MarkingList& list = state.list;
    if (list.isEmpty())
        return std::nullopt;
    return CellRange{1, 1, list.columnCount(), list.rowCount()};
}

bool setStringInsertMode(app::ProgramState& state, bool on)
{
    if (state.stringInsertMode == on) {
        if (on && state.generatorUndoVisible && !state.undoEnabled)
            state.undoEnabled = true;
        return false;
    }
    state.stringInsertMode = on;
    if (on && state.gridMode == app::GridMode::Edit)
        state.gridMode = app::GridMode::None;  // rows are placed by the generator now
    return true;
}

}  // namespace marking_list
