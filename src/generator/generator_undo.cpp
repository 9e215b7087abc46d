#include "generator/generator_undo.h"

#include "app/program_state.h"
#include "generator/sequence_expansion.h"

namespace generator {

GeneratorUndoResult undoGeneration(app::ProgramState& state, const GeneratorUndoRecord& record,
                                   int topVisibleRow)
{
    marking_list::MarkingList& list = state.list;
    GeneratorUndoResult result;
    result.topVisibleRow = topVisibleRow;

    state.redoSnapshot = state.listSnapshot;
    state.snapshotRequested = true;

    if (record.insertionRow > 0) {
        const int count = record.endRow - record.insertionRow;
        if (count > 0)
            list.removeRows(record.insertionRow, count);
        result.selectRow = record.insertionRow;
    } else if (record.startRow >= 1 && record.startRow < list.nextFreeRow()) {
        const marking_list::MarkingList::Batch batch(list);
        const std::vector<std::string> empty(static_cast<size_t>(list.columnCount()));
        for (int row = record.startRow; row < list.nextFreeRow(); ++row)
            list.setRow(row, empty);
        list.setNextFreeRow(record.startRow);
        const int next = list.nextFreeRow();
        if (topVisibleRow - next > 6 && topVisibleRow != 1)
            result.topVisibleRow = next == 1 ? 1 : next - 1;
    }

    if (!record.fullWidthMode)
        state.fullWidthMode = false;

    state.generatorUndoVisible = false;
    state.textPanelUndoEnabled = false;
    state.undoEnabled = false;
    state.redoEnabled = true;
    return result;
}

}  // namespace generator
