#include "marking_list/list_undo.h"

#include "app/program_state.h"

#include <algorithm>

namespace marking_list {

namespace {

constexpr int kRowsBelowTopShown = 14;
constexpr int kRowsAboveSelection = 13;

// Puts an image back as the list and says where the selection goes.
RestoreResult restore(app::ProgramState& state, const std::string& image, int topVisibleRow)
{
    RestoreResult result;
    const int named = state.list.restoreSnapshot(image);
    result.selectRow = std::clamp(named, 1, MarkingList::kRows);
    result.topVisibleRow = topRowShowing(result.selectRow, topVisibleRow);
    state.fullWidthMode = state.list.examineFullWidth().fullWidth;
    return result;
}

}  // namespace

void takeSnapshot(app::ProgramState& state, int rowToSelect)
{
    state.listSnapshot = state.list.snapshot(rowToSelect);
}

void keepUndo(app::ProgramState& state, int selectionTop)
{
    state.undoSnapshot = state.list.snapshot(selectionTop);
}

void changeDone(app::ProgramState& state, int selectionTop)
{
    takeSnapshot(state, selectionTop);
    state.snapshotRequested = true;
    state.undoEnabled = true;
    state.redoEnabled = false;
    state.generatorUndoVisible = false;
}

int topRowShowing(int selectRow, int topVisibleRow)
{
    const bool outOfView = selectRow > topVisibleRow + kRowsBelowTopShown || selectRow < topVisibleRow;
    if (outOfView && selectRow > kRowsAboveSelection)
        return selectRow - kRowsAboveSelection;
    if (selectRow < topVisibleRow)
        return 1;  // a row near the top: show the list from its start
    return topVisibleRow;
}

RestoreResult undo(app::ProgramState& state, int selectionTop, int topVisibleRow, UndoSource source)
{
    const bool offered =
        source == UndoSource::Command ? state.undoEnabled : state.textPanelUndoEnabled;
    if (!offered)
        return {};

    state.redoSnapshot = state.list.snapshot(selectionTop);
    state.snapshotRequested = true;

    if (source == UndoSource::Command && state.generatorUndoVisible)
        return {UndoOutcome::GeneratorUndo, selectionTop, topVisibleRow, false};

    RestoreResult result;
    if (!state.undoSnapshot.empty()) {
        result = restore(state, state.undoSnapshot, topVisibleRow);
        result.outcome = UndoOutcome::Restored;
        if (source == UndoSource::TextPanel) {
            result.selectRow = std::min(state.list.nextFreeRow(), MarkingList::kRows);
            result.topVisibleRow = topRowShowing(result.selectRow, topVisibleRow);
        }
        state.redoEnabled = source == UndoSource::Command;
    } else {
        state.list.clear();
        state.fullWidthMode = false;
        result.outcome = UndoOutcome::Emptied;
        result.stringInsertSwitchedOff = state.stringInsertMode;
        state.stringInsertMode = false;
        state.generatorUndoVisible = false;
        state.redoEnabled = true;
    }
    state.undoEnabled = false;
    state.textPanelUndoEnabled = false;
    takeSnapshot(state, result.selectRow);
    return result;
}

RestoreResult redo(app::ProgramState& state, int selectionTop, int topVisibleRow)
{
    if (!state.redoEnabled)
        return {};
    state.undoSnapshot = state.list.snapshot(selectionTop);
    state.snapshotRequested = true;
    RestoreResult result = restore(state, state.redoSnapshot, topVisibleRow);
    result.outcome = UndoOutcome::Restored;
    state.redoEnabled = false;
    state.undoEnabled = true;
    state.generatorUndoVisible = false;
    takeSnapshot(state, result.selectRow);
    return result;
}

}  // namespace marking_list
