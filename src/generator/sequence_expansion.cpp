#include "generator/sequence_expansion.h"

#include "app/program_state.h"
#include "generator/history_entry.h"
#include "marking_list/marking_list.h"
#include "text/full_width.h"
#include "text/marks.h"
#include "text/sjis.h"

#include <vector>

namespace generator {

namespace {

using marking_list::CountBoxMode;
using marking_list::MarkingList;

constexpr int kLastTopRow = 986;  // the grid cannot scroll its top row further down

int serialFirstPriorityState(const GeneratorFields& fields)
{
    if (!fields.serialFirstPriorityShown)
        return 0;
    return fields.serialFirstPriority ? 2 : 1;
}

std::vector<std::string> rowCells(CountBoxMode layout, std::string rowText,
                                  const GeneratorFields& fields)
{
    switch (layout) {
    case CountBoxMode::OneBox:
        return {std::move(rowText), fields.counts[0], fields.numberingEnd};
    case CountBoxMode::ThreeBox:
        return {std::move(rowText), fields.counts[0], fields.counts[1], fields.counts[2],
                fields.numberingEnd};
    case CountBoxMode::Text:
        return {std::move(rowText), fields.counts[0]};
    }
    return {std::move(rowText)};
}

// Writes the rows of every combination; stops when the list reaches 1000 rows.
class RowWriter {
public:
    RowWriter(app::ProgramState& state, const GeneratorFields& fields, int insertionRow,
              int topVisibleRow)
        : state_(state), list_(state.list), fields_(fields), insertionRow_(insertionRow),
          top_(topVisibleRow)
    {
    }

    // False once the list is full: nothing more may be written.
    bool write(std::string rowText)
    {
        if (!rowText.empty() && !state_.fullWidthMode && text::isFullWidth(rowText))
            state_.fullWidthMode = true;
        auto cells = rowCells(list_.layout(), std::move(rowText), fields_);
        if (insertionRow_ > 0)
            insert(cells);
        else
            append(cells);
        ++written_;
        return !list_.isFull();
    }

    int written() const { return written_; }
    int topVisibleRow() const { return top_; }
    int insertionRow() const { return insertionRow_; }

private:
    void append(const std::vector<std::string>& cells)
    {
        list_.appendRow(cells);
        const int next = list_.nextFreeRow();
        if (next > 13 && top_ < kLastTopRow && top_ + 12 < next)
            top_ = next - 13;
        if (top_ > next)
            top_ = next - 1;
    }

    // The rows from the insertion row down move one row lower; the list grows by one row,
    // so nothing is pushed past row 1000 (the list stops at 1000 rows).
    void insert(const std::vector<std::string>& cells)
    {
        list_.insertEmptyRows(insertionRow_, 1);
        list_.setRow(insertionRow_, cells);
        list_.setNextFreeRow(list_.nextFreeRow() + 1);
        ++insertionRow_;
        if (insertionRow_ > 14 && top_ < kLastTopRow && top_ + 12 < insertionRow_)
            top_ = insertionRow_ - 14;
    }

    app::ProgramState& state_;
    MarkingList& list_;
    const GeneratorFields& fields_;
    int insertionRow_;
    int top_;
    int written_ = 0;
};

// Every combination of the three ranges' texts, the inner range varying fastest. Returns
// false when the writer stopped early.
bool generateRows(const std::array<std::vector<std::string>, 3>& texts,
                  const std::array<int, 3>& order, const GeneratorFields& fields, RowWriter& writer)
{
    const auto& outer = texts[static_cast<size_t>(order[0])];
    const auto& middle = texts[static_cast<size_t>(order[1])];
    const auto& inner = texts[static_cast<size_t>(order[2])];
    std::array<const std::string*, 3> current{};
    for (const auto& a : outer) {
        current[static_cast<size_t>(order[0])] = &a;
        for (const auto& b : middle) {
            current[static_cast<size_t>(order[1])] = &b;
            for (const auto& c : inner) {
                current[static_cast<size_t>(order[2])] = &c;
                std::string rowText = *current[0];
                rowText += fields.wireTexts[0];
                rowText += *current[1];
                rowText += fields.wireTexts[1];
                rowText += *current[2];
                if (!writer.write(std::move(rowText)))
                    return false;
            }
        }
    }
    return true;
}

void emptyFieldsAfterGeneration(GeneratorFields& fields, CountBoxMode layout)
{
    fields.numberingEnd.clear();
    if (layout == CountBoxMode::ThreeBox) {
        if (!fields.counts[0].empty()) {
            fields.counts[1].clear();
            fields.counts[2].clear();
        }
        if (!fields.counts[1].empty())
            fields.counts[2].clear();
    }
    for (auto& range : fields.ranges) {
        if (!range.fixed) {
            range.start.clear();
            range.end.clear();
            range.middle.clear();
        }
    }
    const auto& r = fields.ranges;
    if (!(r[0].fixed && (r[1].fixed || r[2].fixed)))
        fields.serialFirstPriorityShown = false;
    if (!fields.wireFixed[0] && !fields.wireFixed[1])
        fields.wireTexts[1].clear();
}

GeneratorInput historyInput(const GeneratorFields& fields)
{
    GeneratorInput input;
    for (size_t k = 0; k < 3; ++k) {
        const SerialRange& range = fields.ranges[k];
        input.ranges[k] = {range.start, range.middle, range.end, range.mode};
    }
    input.wire1 = fields.wireTexts[0];
    input.wire2 = fields.wireTexts[1];
    return input;
}

bool holdsNumberingBracket(const GeneratorFields& fields)
{
    const std::string both = fields.wireTexts[0] + fields.wireTexts[1];
    return text::find(both, text::marks::open()) != std::string::npos &&
           text::find(both, text::marks::close()) != std::string::npos;
}

}  // namespace

int insertionRowFor(const app::ProgramState& state, bool rowCursorTimerRunning, int selectionTop)
{
    if (state.stringInsertMode && !rowCursorTimerRunning && selectionTop >= 1 &&
        selectionTop < state.list.nextFreeRow())
        return selectionTop;
    return 0;
}

ExpansionResult expandSequence(app::ProgramState& state, GeneratorFields& fields,
                               GeneratorUndoRecord& record, const ExpansionContext& context)
{
    MarkingList& list = state.list;
    ExpansionResult result;
    result.topVisibleRow = context.topVisibleRow;
    const int insertionRow =
        context.insertionRow > 0 && context.insertionRow < list.nextFreeRow() ? context.insertionRow : 0;

    record.fields = fields;
    record.fullWidthMode = state.fullWidthMode;
    record.serialFirstPriorityState = serialFirstPriorityState(fields);
    record.insertionRow = insertionRow;

    for (auto& range : fields.ranges)
        emptyIfIncomplete(range);

    const bool anyComplete = fields.ranges[0].isComplete() || fields.ranges[1].isComplete() ||
                             fields.ranges[2].isComplete();
    if (!anyComplete && fields.wireTexts[0].empty() && fields.wireTexts[1].empty()) {
        result.outcome = ExpansionOutcome::NothingToGenerate;
        result.numberingState = holdsNumberingBracket(fields);
        return result;
    }

    for (int k = 0; k < 3; ++k) {
        const SerialRange& range = fields.ranges[static_cast<size_t>(k)];
        if (range.isComplete() && range.start == range.end) {
            result.outcome = ExpansionOutcome::StartEqualsEnd;
            result.rangeWithEqualEnds = k;
            return result;
        }
    }

    if (state.textRegisters.historyMode()) {
        result.historyEntry = formatHistoryEntry(historyInput(fields));
        if (result.historyEntry)
            state.textRegisters.addHistoryEntry(*result.historyEntry);
    }

    if (list.isFull()) {
        result.outcome = ExpansionOutcome::ListAlreadyFull;
        return result;
    }

    record.startRow = list.nextFreeRow();
    record.endRow = 0;

    std::array<std::vector<std::string>, 3> texts;
    for (size_t k = 0; k < 3; ++k)
        texts[k] = rangeTexts(fields.ranges[k], MarkingList::kRows);
    // "連番前優先" only counts while the user can see it.
    const bool rangeOneFastest = fields.serialFirstPriorityShown && fields.serialFirstPriority;
    const std::array<int, 3> order = rangeOneFastest ? std::array<int, 3>{2, 1, 0}
                                                     : std::array<int, 3>{0, 1, 2};

    RowWriter writer(state, fields, insertionRow, context.topVisibleRow);
    bool complete = true;
    {
        MarkingList::Batch batch(list);
        complete = generateRows(texts, order, fields, writer);
    }
    result.outcome = complete ? ExpansionOutcome::Generated : ExpansionOutcome::ListBecameFull;
    result.rowsWritten = writer.written();
    result.topVisibleRow = writer.topVisibleRow();
    if (insertionRow > 0) {
        result.nextInsertionRow = writer.insertionRow();
        record.endRow = writer.insertionRow();
    }

    emptyFieldsAfterGeneration(fields, list.layout());
    state.generatorUndoVisible = true;
    state.undoSnapshot = state.listSnapshot;
    state.listSnapshot = list.snapshot(list.nextFreeRow());
    state.snapshotRequested = false;
    state.undoEnabled = true;
    state.redoEnabled = false;
    state.textPanelUndoEnabled = false;

    result.numberingState = holdsNumberingBracket(fields);
    return result;
}

}  // namespace generator
