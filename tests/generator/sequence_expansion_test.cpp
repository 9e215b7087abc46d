#include "app/program_state.h"
#include "generator/sequence_expansion.h"
#include "marking_list/list_undo.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using generator::ExpansionContext;
using generator::ExpansionOutcome;
using generator::GeneratorFields;
using generator::GeneratorUndoRecord;
using generator::RangeMode;
using generator::SerialRange;
using marking_list::CountBoxMode;

namespace {

using Texts = std::vector<std::string>;

SerialRange span(const char* start, const char* end)
{
    return {start, "", end, RangeMode::Span, false};
}

Texts markingTexts(const app::ProgramState& state, int first = 1)
{
    Texts texts;
    for (int r = first; r < state.list.nextFreeRow(); ++r)
        texts.push_back(state.list.cell(1, r));
    return texts;
}

struct Expansion {
    app::ProgramState state;
    GeneratorFields fields;
    GeneratorUndoRecord record;

    generator::ExpansionResult ok(ExpansionContext context = {})
    {
        return generator::expandSequence(state, fields, record, context);
    }
};

}  // namespace

TEST(SequenceExpansion, RowsFromRangesAndWireTexts)
{
    struct Case {
        const char* name;
        std::array<SerialRange, 3> ranges;
        std::string wire1, wire2;
        bool serialFirst;
        Texts expected;
    };
    const Case cases[] = {
        {"range and wire text", {span("1", "3"), {}, {}}, "-R", "", false, {"1-R", "2-R", "3-R"}},
        {"range 3 fastest", {span("1", "2"), span("A", "B"), {}}, "-", "", false,
         {"1-A", "1-B", "2-A", "2-B"}},
        {"range 1 fastest", {span("1", "2"), span("A", "B"), {}}, "-", "", true,
         {"1-A", "2-A", "1-B", "2-B"}},
        {"three ranges", {span("1", "2"), span("a", "b"), span("X", "Y")}, "", "", false,
         {"1aX", "1aY", "1bX", "1bY", "2aX", "2aY", "2bX", "2bY"}},
        {"range 2 alone", {SerialRange{}, span("1", "3"), SerialRange{}}, "", "A", false, {"1A", "2A", "3A"}},
        {"incomplete range emptied", {span("1", ""), {}, {}}, "X", "", false, {"X"}},
        {"wire texts only", std::array<SerialRange, 3>{}, "MCB", "-1", false, {"MCB-1"}},
        {"pair and triple", {SerialRange{"R", "", "T", RangeMode::Pair, false},
                             SerialRange{"1", "2", "3", RangeMode::Triple, false}, {}},
         "", "", false, {"R1", "R2", "R3", "T1", "T2", "T3"}},
    };
    for (const auto& c : cases) {
        Expansion e;
        e.fields.ranges = c.ranges;
        e.fields.wireTexts = {c.wire1, c.wire2};
        e.fields.serialFirstPriorityShown = true;
        e.fields.serialFirstPriority = c.serialFirst;
        const auto result = e.ok();
        EXPECT_EQ(result.outcome, ExpansionOutcome::Generated) << c.name;
        EXPECT_EQ(markingTexts(e.state), c.expected) << c.name;
        EXPECT_EQ(result.rowsWritten, static_cast<int>(c.expected.size())) << c.name;
    }
}

TEST(SequenceExpansion, NineRowsNestedBothWays)
{
    for (bool serialFirst : {false, true}) {
        Expansion e;
        e.fields.ranges = {span("1", "3"), span("1", "3"), {}};
        e.fields.wireTexts = {"-", ""};
        e.fields.serialFirstPriorityShown = true;
        e.fields.serialFirstPriority = serialFirst;
        e.ok();
        const Texts texts = markingTexts(e.state);
        ASSERT_EQ(texts.size(), 9u);
        EXPECT_EQ(texts[1], serialFirst ? "2-1" : "1-2");
    }
}

TEST(SequenceExpansion, CellsPerLayout)
{
    struct Case {
        CountBoxMode layout;
        std::array<std::string, 3> counts;
        Texts row;
        std::array<std::string, 3> countsAfter;
    };
    const Case cases[] = {
        {CountBoxMode::OneBox, {"2", "", ""}, {"1-R", "2", "F"}, {"2", "", ""}},
        {CountBoxMode::ThreeBox, {"2", "", "5"}, {"1-R", "2", "", "5", "F"}, {"2", "", ""}},
        {CountBoxMode::ThreeBox, {"", "3", "5"}, {"1-R", "", "3", "5", "F"}, {"", "3", ""}},
        {CountBoxMode::ThreeBox, {"", "", "5"}, {"1-R", "", "", "5", "F"}, {"", "", "5"}},
        {CountBoxMode::Text, {sj("盤A"), "", ""}, {"1-R", sj("盤A")}, {sj("盤A"), "", ""}},
    };
    for (const auto& c : cases) {
        Expansion e;
        e.state.list.setLayout(c.layout);
        e.fields.ranges[0] = span("1", "2");
        e.fields.wireTexts = {"-R", ""};
        e.fields.counts = c.counts;
        e.fields.numberingEnd = "F";
        e.ok();
        EXPECT_EQ(e.state.list.row(1), c.row);
        EXPECT_EQ(e.fields.counts, c.countsAfter);
        EXPECT_EQ(e.fields.numberingEnd, "");
    }
}

TEST(SequenceExpansion, StartEqualToEndStopsWithoutRows)
{
    const std::pair<SerialRange, int> cases[] = {
        {span("5", "5"), 0},
        {SerialRange{"R", "", "R", RangeMode::Pair, false}, 0},
    };
    for (const auto& [range, index] : cases) {
        Expansion e;
        e.fields.ranges[0] = range;
        e.state.textRegisters.setHistoryMode(true);
        const auto result = e.ok();
        EXPECT_EQ(result.outcome, ExpansionOutcome::StartEqualsEnd);
        EXPECT_EQ(result.rangeWithEqualEnds, index);
        EXPECT_FALSE(result.historyEntry.has_value());
        EXPECT_TRUE(e.state.list.isEmpty());
        EXPECT_EQ(e.fields.ranges[0], range);  // the user corrects the end field
    }
    Expansion e;
    e.fields.ranges = {span("1", "2"), {}, span("A", "A")};
    EXPECT_EQ(e.ok().rangeWithEqualEnds, 2);
}

TEST(SequenceExpansion, NothingToGenerate)
{
    Expansion e;
    e.fields.ranges[1] = span("", "9");
    e.state.textRegisters.setHistoryMode(true);
    const auto result = e.ok();
    EXPECT_EQ(result.outcome, ExpansionOutcome::NothingToGenerate);
    EXPECT_EQ(e.fields.ranges[1], SerialRange{});
    EXPECT_FALSE(result.historyEntry.has_value());
    EXPECT_FALSE(e.state.generatorUndoVisible);
}

TEST(SequenceExpansion, FillsTheListToThousandRows)
{
    Expansion e;
    for (int i = 1; i <= 995; ++i)
        e.state.list.appendRow({"x", "", ""});
    e.fields.ranges[0] = span("1", "10");
    auto result = e.ok();
    EXPECT_EQ(result.outcome, ExpansionOutcome::ListBecameFull);
    EXPECT_EQ(result.rowsWritten, 5);
    EXPECT_EQ(e.state.list.nextFreeRow(), 1001);
    EXPECT_EQ(e.state.list.cell(1, 1000), "5");

    e.fields.ranges[0] = span("1", "3");
    e.state.textRegisters.setHistoryMode(true);
    result = e.ok();
    EXPECT_EQ(result.outcome, ExpansionOutcome::ListAlreadyFull);
    EXPECT_EQ(result.historyEntry, "[1-3][][]");
    EXPECT_EQ(e.state.textRegisters.text(0), "[1-3][][]");  // filed although nothing was made
    EXPECT_EQ(e.fields.ranges[0], span("1", "3"));  // nothing emptied but incomplete ranges
}

TEST(SequenceExpansion, FullWidthModeFollowsTheRowText)
{
    const std::pair<std::string, bool> cases[] = {
        {sj("【1】A"), false},
        {sj("【1】【2】"), true},
        {sj("ｱｲ"), false},
        {std::string(300, 'A') + sj("表"), true},
    };
    for (const auto& [wire, fullWidth] : cases) {
        Expansion e;
        e.fields.wireTexts[0] = wire;
        e.ok();
        EXPECT_EQ(e.state.fullWidthMode, fullWidth) << text::toUtf8(wire);
    }
}

TEST(SequenceExpansion, FieldsAfterGeneration)
{
    Expansion e;
    e.fields.ranges = {span("1", "2"), span("A", "B"), SerialRange{"R", "S", "T", RangeMode::Triple, false}};
    e.fields.ranges[0].fixed = true;
    e.fields.ranges[1].fixed = true;
    e.fields.wireTexts = {"W1", "W2"};
    e.fields.serialFirstPriorityShown = true;
    e.ok();
    EXPECT_EQ(e.fields.ranges[0].start, "1");
    EXPECT_EQ(e.fields.ranges[1].end, "B");
    EXPECT_EQ(e.fields.ranges[2], (SerialRange{"", "", "", RangeMode::Triple, false}));
    EXPECT_TRUE(e.fields.serialFirstPriorityShown);  // ranges 1 and 2 fixed
    EXPECT_EQ(e.fields.wireTexts[0], "W1");
    EXPECT_EQ(e.fields.wireTexts[1], "");

    Expansion fixedWire;
    fixedWire.fields.ranges = {span("1", "2"), {}, span("A", "B")};
    fixedWire.fields.ranges[2].fixed = true;
    fixedWire.fields.wireTexts = {"W1", "W2"};
    fixedWire.fields.wireFixed[0] = true;
    fixedWire.fields.serialFirstPriorityShown = true;
    fixedWire.ok();
    EXPECT_FALSE(fixedWire.fields.serialFirstPriorityShown);
    EXPECT_EQ(fixedWire.fields.wireTexts[1], "W2");
    EXPECT_EQ(fixedWire.fields.ranges[0].start, "");
}

TEST(SequenceExpansion, UndoRecordAndListImage)
{
    Expansion e;
    e.state.list.appendRow({"old", "1", ""});
    marking_list::takeSnapshot(e.state, 1);
    const std::string before = e.state.listSnapshot;
    e.state.fullWidthMode = false;
    e.fields.ranges[0] = span("1", "2");
    e.fields.ranges[1] = span("9", "");  // emptied, but recorded as typed
    e.fields.wireTexts = {"-", ""};
    e.fields.serialFirstPriorityShown = true;
    e.fields.serialFirstPriority = true;
    const GeneratorFields typed = e.fields;
    e.ok();
    EXPECT_EQ(e.record.fields, typed);
    EXPECT_EQ(e.record.serialFirstPriorityState, 2);
    EXPECT_EQ(e.record.startRow, 2);
    EXPECT_EQ(e.record.insertionRow, 0);
    EXPECT_EQ(e.state.undoSnapshot, before);
    EXPECT_EQ(e.state.listSnapshot, "4\r\nold\t1\t\r\n1-\t\t\r\n2-\t\t");
    EXPECT_TRUE(e.state.generatorUndoVisible);
    EXPECT_TRUE(e.state.undoEnabled);
    EXPECT_FALSE(e.state.redoEnabled);
}

TEST(SequenceExpansion, StringInsertModeInsertsAtTheCursor)
{
    Expansion e;
    for (const char* t : {"A", "B", "C"})
        e.state.list.appendRow({t, "", ""});
    e.state.stringInsertMode = true;
    EXPECT_EQ(generator::insertionRowFor(e.state, true, 2), 0);
    EXPECT_EQ(generator::insertionRowFor(e.state, false, 4), 0);
    const int row = generator::insertionRowFor(e.state, false, 2);
    ASSERT_EQ(row, 2);
    e.fields.ranges[0] = span("1", "3");
    const auto result = e.ok({row, 1});
    EXPECT_EQ(markingTexts(e.state), (Texts{"A", "1", "2", "3", "B", "C"}));
    EXPECT_EQ(result.nextInsertionRow, 5);
    EXPECT_EQ(e.record.insertionRow, 2);
    EXPECT_EQ(e.record.endRow, 5);
}

TEST(SequenceExpansion, InsertionStopsAtThousandRowsWithoutLosingOne)
{
    Expansion e;
    for (int i = 1; i <= 998; ++i)
        e.state.list.appendRow({std::to_string(i), "", ""});
    e.state.stringInsertMode = true;
    e.fields.ranges[0] = span("a", "f");
    const auto result = e.ok({10, 1});
    EXPECT_EQ(result.outcome, ExpansionOutcome::ListBecameFull);
    EXPECT_EQ(result.rowsWritten, 2);
    EXPECT_EQ(e.state.list.cell(1, 11), "b");
    EXPECT_EQ(e.state.list.cell(1, 1000), "998");
    EXPECT_EQ(e.state.list.nextFreeRow(), 1001);
}

TEST(SequenceExpansion, ScrollKeepsTheNewRowsInView)
{
    struct Case {
        int rowsBefore;
        int top;
        const char* end;
        int expectedTop;
    };
    const Case cases[] = {
        {0, 1, "5", 1},
        {0, 1, "19", 8},     // rows 0..19: NextFreeRow 21, top 21 - 13
        {980, 967, "20", 986},
        {100, 300, "1", 101},  // the top row was below the list
    };
    for (const auto& c : cases) {
        Expansion e;
        for (int i = 0; i < c.rowsBefore; ++i)
            e.state.list.appendRow({"x", "", ""});
        e.fields.ranges[0] = span("0", c.end);
        EXPECT_EQ(e.ok({0, c.top}).topVisibleRow, c.expectedTop) << c.rowsBefore << " " << c.top;
    }
}

TEST(SequenceExpansion, NumberingStateWhenBothMarksAreTyped)
{
    Expansion e;
    e.fields.wireTexts = {sj("【1】"), ""};
    e.fields.wireFixed[0] = true;
    EXPECT_TRUE(e.ok().numberingState);
    Expansion open;
    open.fields.wireTexts = {sj("【1"), ""};
    EXPECT_FALSE(open.ok().numberingState);
}
