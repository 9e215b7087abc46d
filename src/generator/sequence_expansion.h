#pragma once

#include "generator/serial_range.h"

#include <array>
#include <optional>
#include <string>

namespace app {
struct ProgramState;
}

// The generator's OK: the three serial ranges and two wire texts expanded into rows of the
// marking list. Every combination of the ranges' values gives one row whose marking text is
// range 1 + wire text 1 + range 2 + wire text 2 + range 3; the counts and the numbering end
// value go unchanged into the row's other columns.
namespace generator {

// What the generator panel holds when OK is pressed. OK empties some fields afterwards (the
// panel shows them back): see expandSequence.
struct GeneratorFields {
    std::array<SerialRange, 3> ranges;
    std::array<std::string, 2> wireTexts;  // 線番１, 線番２
    std::array<bool, 2> wireFixed{};
    // Count 1 ("個数"; free text in the TEXT layout); counts 2 and 3 in 3BOX only.
    std::array<std::string, 3> counts;
    std::string numberingEnd;
    bool serialFirstPriorityShown = false;  // "連番前優先" visible
    bool serialFirstPriority = false;       // "連番前優先" checked: range 1 varies fastest

    bool operator==(const GeneratorFields&) const = default;
};

// What "取消" needs to take one OK back. Overwritten by every OK.
struct GeneratorUndoRecord {
    GeneratorFields fields;      // as they were when OK was pressed
    bool fullWidthMode = false;  // the list's FullWidthMode before OK
    // "連番前優先": 0 hidden, 1 shown and unchecked, 2 shown and checked.
    int serialFirstPriorityState = 0;
    int startRow = 0;      // NextFreeRow when generation began
    int insertionRow = 0;  // 0 when rows were appended
    int endRow = 0;        // after an insertion: the row below the last inserted row
};

// Where the grid stands when OK is pressed.
struct ExpansionContext {
    int insertionRow = 0;   // see insertionRowFor; 0 appends
    int topVisibleRow = 1;  // the grid's top visible row
};

// The row new rows are inserted at: in string-insert mode, when the user put the grid cursor
// on a row of the list (the row-cursor timer stopped), that row; otherwise 0 (append).
int insertionRowFor(const app::ProgramState& state, bool rowCursorTimerRunning, int selectionTop);

enum class ExpansionOutcome {
    NothingToGenerate,  // no wire text and no complete range
    StartEqualsEnd,     // a range's start equals its end: focus its end field, nothing made
    ListAlreadyFull,    // "マーキングデータが１０００行入力されています"
    Generated,
    ListBecameFull,     // "マーキングデータが1000行になりました": the rest was dropped
};

struct ExpansionResult {
    ExpansionOutcome outcome = ExpansionOutcome::NothingToGenerate;
    int rangeWithEqualEnds = -1;  // 0..2, for StartEqualsEnd
    // The entry filed into the text registers, when history mode made one.
    std::optional<std::string> historyEntry;
    int rowsWritten = 0;
    int topVisibleRow = 1;     // the grid's top visible row afterwards
    int nextInsertionRow = 0;  // after an insertion: the row the grid cursor moves to
    bool numberingState = false;  // the wire texts hold both "【" and "】"
};

// Runs OK on the list. `fields` is updated as the panel must show it afterwards: incomplete
// ranges emptied; after generation the numbering end value, counts 2 and 3 (when an earlier
// count is filled), unfixed ranges and (when no wire text is fixed) wire text 2 are emptied,
// and "連番前優先" hidden unless range 1 is fixed with range 2 or 3. `record` is filled for
// "取消". In history mode (state.textRegisters) the input is filed as a history entry, even
// when the list turns out to be full. After generation the list's image is taken, the old one kept for "元に戻す", and
// the generator's "取消" is marked shown in `state`.
ExpansionResult expandSequence(app::ProgramState& state, GeneratorFields& fields,
                               GeneratorUndoRecord& record, const ExpansionContext& context);

}  // namespace generator
