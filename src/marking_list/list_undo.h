#pragma once

namespace app {
struct ProgramState;
}

namespace marking_list {

// One level of undo and redo over the list's text image. ProgramState::listSnapshot is the
// image as last taken; every command here refreshes it after its change, and the grid takes
// it again at the next repaint when snapshotRequested is set (with its selection row).

// Takes the list's image now, naming `rowToSelect` as the row to select after a restore.
void takeSnapshot(app::ProgramState& state, int rowToSelect);

// Before a change: the image of the list as it is becomes the undo image.
void keepUndo(app::ProgramState& state, int selectionTop);
// After a change: a new image is taken (and asked for again at the next repaint); undo is
// offered, redo is not, and the generator's own undo is hidden.
void changeDone(app::ProgramState& state, int selectionTop);

enum class UndoSource {
    Command,    // "元に戻す" or Ctrl+Z
    TextPanel,  // a text-operation panel's "取消"
};

enum class UndoOutcome {
    NotOffered,          // "元に戻す" is disabled: nothing happens
    GeneratorUndo,       // the generator's "取消" is shown: the caller presses it instead
    Restored,            // the undo image was put back
    Emptied,             // there was no undo image: the list was emptied
};

struct RestoreResult {
    UndoOutcome outcome = UndoOutcome::NotOffered;
    int selectRow = 1;      // row to put the selection on (column 1)
    int topVisibleRow = 1;  // the grid's top visible row afterwards
    bool stringInsertSwitchedOff = false;
};

// "元に戻す". `topVisibleRow` is the grid's top visible row before.
RestoreResult undo(app::ProgramState& state, int selectionTop, int topVisibleRow,
                   UndoSource source = UndoSource::Command);
// "やり直し".
RestoreResult redo(app::ProgramState& state, int selectionTop, int topVisibleRow);

// The top visible row after the selection went to row `selectRow`: rows far from the view
// are brought into it.
int topRowShowing(int selectRow, int topVisibleRow);

}  // namespace marking_list
