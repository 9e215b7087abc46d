#pragma once

namespace app {
struct ProgramState;
}

namespace generator {

struct GeneratorUndoRecord;

// Where the grid stands after the generator's "取消".
struct GeneratorUndoResult {
    int selectRow = 0;      // the grid selection goes to this row, column 1 (0: left alone)
    int topVisibleRow = 1;  // the grid's top visible row afterwards
};

// Takes back the rows of the last OK on the list: inserted rows are removed and the rows
// below move back up; appended rows are emptied and NextFreeRow returns to where generation
// began. The list's image becomes the redo image, FullWidthMode returns to what it was before
// that OK when it was off, and the generator's "取消" is spent: "元に戻す" and the panels'
// "取消" are disabled and "やり直し" offered. The caller restores the panel's fields from
// `record.fields`.
GeneratorUndoResult undoGeneration(app::ProgramState& state, const GeneratorUndoRecord& record,
                                   int topVisibleRow);

}  // namespace generator
