#include "app/program_state.h"
#include "marking_list/list_undo.h"
#include "marking_list/row_commands.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using marking_list::CellRange;
using marking_list::CountBoxMode;
using marking_list::InsertRowsOutcome;
using marking_list::UndoOutcome;
using marking_list::UndoSource;

namespace {

void fill(app::ProgramState& state, std::initializer_list<const char*> texts)
{
    for (const char* t : texts)
        state.list.appendRow({t, "1", ""});
}

void fillNumbered(app::ProgramState& state, int rows)
{
    for (int i = 1; i <= rows; ++i)
        state.list.appendRow({std::to_string(i), "1", ""});
}

std::vector<std::string> markingTexts(const app::ProgramState& state)
{
    std::vector<std::string> texts;
    for (int r = 1; r < state.list.nextFreeRow(); ++r)
        texts.push_back(state.list.cell(1, r));
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(RowCommands, DeleteLastRowEmptiesTheLastRowAndOffersUndo)
{
    app::ProgramState state;
    fill(state, {"A", "B"});
    state.generatorUndoVisible = true;
    auto result = marking_list::deleteLastRow(state, 1, 1);
    EXPECT_TRUE(result.deleted);
    EXPECT_FALSE(result.listNowEmpty);
    EXPECT_EQ(markingTexts(state), Texts{"A"});
    EXPECT_EQ(state.list.cell(2, 2), "");
    EXPECT_TRUE(state.undoEnabled);
    EXPECT_FALSE(state.generatorUndoVisible);

    state.fullWidthMode = true;
    result = marking_list::deleteLastRow(state, 1, 1);
    EXPECT_TRUE(result.listNowEmpty);
    EXPECT_EQ(state.list.nextFreeRow(), 1);
    EXPECT_FALSE(state.fullWidthMode);

    result = marking_list::deleteLastRow(state, 1, 1);  // nothing left
    EXPECT_FALSE(result.deleted);

    marking_list::undo(state, 1, 1);
    EXPECT_EQ(markingTexts(state), Texts{"A"});
}

TEST(RowCommands, DeleteLastRowScrollsSoTheEndStaysInView)
{
    struct Case {
        int rows;
        int top;
        int expectedTop;
    };
    const Case cases[] = {
        {100, 1, 86},    // 101 - 15 = 86 becomes the top row
        {100, 90, 90},   // already near the end
        {50, 50, 36},    // the top row would be the first free one: up by 14 rows
        {10, 10, 1},     // up by at most 14, never above row 1
        {1, 1, 1},
    };
    for (const auto& c : cases) {
        app::ProgramState state;
        fillNumbered(state, c.rows);
        const auto result = marking_list::deleteLastRow(state, 1, c.top);
        EXPECT_EQ(result.topVisibleRow, c.expectedTop) << c.rows << " rows, top " << c.top;
    }
}

TEST(RowCommands, DeleteAllThenUndoAndRedo)
{
    app::ProgramState state;
    fill(state, {"A", "B", "C"});
    state.stringInsertMode = true;
    state.fullWidthMode = true;
    const auto result = marking_list::deleteAllRows(state, 2);
    EXPECT_TRUE(result.deleted);
    EXPECT_TRUE(result.stringInsertSwitchedOff);
    EXPECT_FALSE(state.stringInsertMode);
    EXPECT_FALSE(state.fullWidthMode);
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_TRUE(state.undoEnabled);
    EXPECT_FALSE(state.redoEnabled);

    auto restored = marking_list::undo(state, 1, 1);
    EXPECT_EQ(restored.outcome, UndoOutcome::Restored);
    EXPECT_EQ(markingTexts(state), (Texts{"A", "B", "C"}));
    EXPECT_EQ(restored.selectRow, 2);  // the row selected before the delete
    EXPECT_FALSE(state.undoEnabled);   // one level only
    EXPECT_TRUE(state.redoEnabled);
    EXPECT_EQ(marking_list::undo(state, 1, 1).outcome, UndoOutcome::NotOffered);

    restored = marking_list::redo(state, 1, 1);
    EXPECT_EQ(restored.outcome, UndoOutcome::Restored);
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_TRUE(state.undoEnabled);
    EXPECT_FALSE(state.redoEnabled);
    EXPECT_EQ(marking_list::redo(state, 1, 1).outcome, UndoOutcome::NotOffered);
}

TEST(RowCommands, DeleteAllOnAnEmptyListDoesNothing)
{
    app::ProgramState state;
    EXPECT_FALSE(marking_list::deleteAllRows(state, 1).deleted);
    EXPECT_FALSE(state.undoEnabled);
}

TEST(RowCommands, InsertRowsPushesTheRowsBelowDown)
{
    app::ProgramState state;
    fill(state, {"A", "B", "C"});
    ASSERT_EQ(marking_list::insertRows(state, CellRange{1, 2, 3, 3}), InsertRowsOutcome::Inserted);
    EXPECT_EQ(markingTexts(state), (Texts{"A", "", "", "B", "C"}));
    EXPECT_EQ(state.list.nextFreeRow(), 6);
    marking_list::undo(state, 1, 1);
    EXPECT_EQ(markingTexts(state), (Texts{"A", "B", "C"}));
}

TEST(RowCommands, InsertRowsNeverPushesARowPastRowThousand)
{
    app::ProgramState state;
    fillNumbered(state, 999);
    // Two rows would push row 999 out; one still fits.
    EXPECT_EQ(marking_list::insertRows(state, CellRange{1, 5, 1, 6}),
              InsertRowsOutcome::WouldPushRowsOut);
    EXPECT_EQ(state.list.cell(1, 999), "999");
    EXPECT_FALSE(state.undoEnabled);
    EXPECT_EQ(marking_list::insertRows(state, CellRange{1, 5, 1, 5}), InsertRowsOutcome::Inserted);
    EXPECT_EQ(state.list.cell(1, 1000), "999");
    EXPECT_EQ(state.list.nextFreeRow(), 1001);
    EXPECT_EQ(marking_list::insertRows(state, CellRange{1, 1000, 1, 1000}),
              InsertRowsOutcome::WouldPushRowsOut);

    // A 3BOX count below the list is data too.
    app::ProgramState three;
    three.list.setLayout(CountBoxMode::ThreeBox);
    three.list.appendRow({"A", "", "", "", ""});
    three.list.setCell(4, 1000, "5");
    EXPECT_EQ(marking_list::insertRows(three, CellRange{1, 1, 1, 1}),
              InsertRowsOutcome::WouldPushRowsOut);
}

TEST(RowCommands, DeleteRowsMovesTheRestUpAndRecheckesFullWidth)
{
    app::ProgramState state;
    fill(state, {"A", "", "C", "D"});
    state.list.setCell(1, 2, sj("漢"));
    state.fullWidthMode = true;
    marking_list::deleteRows(state, CellRange{1, 2, 1, 3});
    EXPECT_EQ(markingTexts(state), (Texts{"A", "D"}));
    EXPECT_FALSE(state.fullWidthMode);

    // Full-width text far down the list still counts.
    app::ProgramState big;
    fillNumbered(big, 300);
    big.list.setCell(1, 250, sj("漢"));
    marking_list::deleteRows(big, CellRange{1, 1, 1, 1});
    EXPECT_TRUE(big.fullWidthMode);
    EXPECT_EQ(big.list.cell(1, 249), sj("漢"));
}

TEST(RowCommands, ReverseAndUndo)
{
    app::ProgramState state;
    EXPECT_FALSE(marking_list::reverseRows(state, 1));
    state.list.setLayout(CountBoxMode::ThreeBox);
    state.list.appendRow({"A", "1", "", "", "F"});
    state.list.appendRow({"B", "2", "", "", ""});
    state.list.appendRow({"C", "3", "4", "5", "1"});
    ASSERT_TRUE(marking_list::reverseRows(state, 1));
    EXPECT_EQ(markingTexts(state), (Texts{"C", "B", "A"}));
    EXPECT_EQ(state.list.row(1), (Texts{"C", "3", "4", "5", "1"}));
    EXPECT_EQ(state.list.row(3), (Texts{"A", "1", "", "", "F"}));
    marking_list::undo(state, 1, 1);
    EXPECT_EQ(markingTexts(state), (Texts{"A", "B", "C"}));
}

TEST(RowCommands, SelectAllCoversTheLayoutsColumns)
{
    app::ProgramState state;
    EXPECT_FALSE(marking_list::selectAllRange(state).has_value());
    const std::pair<CountBoxMode, int> layouts[] = {
        {CountBoxMode::OneBox, 3}, {CountBoxMode::ThreeBox, 5}, {CountBoxMode::Text, 2}};
    for (auto [layout, right] : layouts) {
        app::ProgramState s;
        s.list.setLayout(layout);
        fill(s, {"A", "B"});
        const auto range = marking_list::selectAllRange(s);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(range->right, right);
        EXPECT_EQ(range->bottom, 2);
        EXPECT_EQ(range->top, 1);
        EXPECT_EQ(range->left, 1);
    }
}

TEST(RowCommands, StringInsertModeToggles)
{
    app::ProgramState state;
    state.gridMode = app::GridMode::Edit;
    EXPECT_TRUE(marking_list::setStringInsertMode(state, true));
    EXPECT_TRUE(state.stringInsertMode);
    EXPECT_EQ(state.gridMode, app::GridMode::None);
    state.generatorUndoVisible = true;
    EXPECT_FALSE(marking_list::setStringInsertMode(state, true));
    EXPECT_TRUE(state.undoEnabled);  // turning it on again offers the generator's undo
    EXPECT_TRUE(marking_list::setStringInsertMode(state, false));
    EXPECT_FALSE(marking_list::setStringInsertMode(state, false));
}

TEST(ListUndo, GeneratorUndoTakesPrecedence)
{
    app::ProgramState state;
    fill(state, {"A"});
    state.undoEnabled = true;
    state.generatorUndoVisible = true;
    const auto result = marking_list::undo(state, 1, 1);
    EXPECT_EQ(result.outcome, UndoOutcome::GeneratorUndo);
    EXPECT_EQ(markingTexts(state), Texts{"A"});
    EXPECT_EQ(state.redoSnapshot, "1\r\nA\t1\t");
}

TEST(ListUndo, WithoutAnImageUndoEmptiesTheList)
{
    app::ProgramState state;
    fill(state, {"A"});
    state.undoEnabled = true;
    state.stringInsertMode = true;
    const auto result = marking_list::undo(state, 1, 1);
    EXPECT_EQ(result.outcome, UndoOutcome::Emptied);
    EXPECT_TRUE(result.stringInsertSwitchedOff);
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_TRUE(state.redoEnabled);
    marking_list::redo(state, 1, 1);
    EXPECT_EQ(markingTexts(state), Texts{"A"});
}

TEST(ListUndo, TextPanelUndoSelectsTheEndAndOffersNoRedo)
{
    app::ProgramState state;
    fill(state, {"A", "B"});
    marking_list::keepUndo(state, 1);
    state.list.setCell(1, 1, "X");
    state.textPanelUndoEnabled = true;
    const auto result = marking_list::undo(state, 1, 1, UndoSource::TextPanel);
    EXPECT_EQ(result.outcome, UndoOutcome::Restored);
    EXPECT_EQ(state.list.cell(1, 1), "A");
    EXPECT_EQ(result.selectRow, 3);
    EXPECT_FALSE(state.redoEnabled);
    EXPECT_FALSE(state.textPanelUndoEnabled);
}

TEST(ListUndo, RestoredRowIsBroughtIntoView)
{
    struct Case {
        int select;
        int top;
        int expected;
    };
    const Case cases[] = {
        {100, 1, 87},  // far below
        {20, 50, 7},   // above the view
        {10, 50, 1},   // above, near the start of the list
        {10, 1, 1},    // in view
        {60, 50, 50},  // in view
    };
    for (const auto& c : cases)
        EXPECT_EQ(marking_list::topRowShowing(c.select, c.top), c.expected)
            << c.select << " from " << c.top;
}
