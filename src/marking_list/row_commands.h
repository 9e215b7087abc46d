#pragma once

#include "marking_list/cell_range.h"

#include <optional>

namespace app {
struct ProgramState;
}

// The list's row commands. Each keeps one level of undo (list_undo.h); the caller shows the
// outcome, moves the focus back to the generator and scrolls the grid as told.
namespace marking_list {

struct DeleteLastRowResult {
    bool deleted = false;
    bool listNowEmpty = false;  // cut, copy, row delete and row insert go disabled
    int topVisibleRow = 1;
};

// "一行削除": the last row of the list is emptied and leaves the list.
DeleteLastRowResult deleteLastRow(app::ProgramState& state, int selectionTop, int topVisibleRow);

struct DeleteAllResult {
    bool deleted = false;
    bool stringInsertSwitchedOff = false;
};

// "全行削除", after the user answered Yes: rows 1 to 1000 are emptied.
DeleteAllResult deleteAllRows(app::ProgramState& state, int selectionTop);

enum class InsertRowsOutcome {
    Inserted,
    WouldPushRowsOut,  // rows of the list would be pushed past row 1000: nothing changed
};

// "行挿入": as many empty rows as `selection` spans are inserted above its top row. It never
// drops a row of the list: when the rows pushed down would pass row 1000 it refuses.
InsertRowsOutcome insertRows(app::ProgramState& state, const CellRange& selection);

// "行削除": the selected rows leave the list, the rows below move up.
void deleteRows(app::ProgramState& state, const CellRange& selection);

// "逆順に並び替え": the rows of the list in reverse order. False on an empty list.
bool reverseRows(app::ProgramState& state, int selectionTop);

// "全行選択": columns 1 to the layout's last of every row of the list; none when it is empty.
std::optional<CellRange> selectAllRange(const app::ProgramState& state);

// "文字列挿入モード" / "文字列挿入モード解除". Returns whether the mode changed. Turning it
// on ends edit mode; turning it on again while on offers "元に戻す" when the generator's
// "取消" is shown.
bool setStringInsertMode(app::ProgramState& state, bool on);

}  // namespace marking_list
