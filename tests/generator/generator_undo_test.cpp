#include "generator/generator_undo.h"

#include "app/program_state.h"
#include "generator/sequence_expansion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void fillRows(app::ProgramState& state, int rows)
{
    for (int r = 1; r <= rows; ++r)
        state.list.appendRow({"R" + std::to_string(r), "1", ""});
}

TEST(GeneratorUndo, AppendedRowsAreEmptiedAndTheViewFollows)
{
    const struct {
        int startRow;
        int topBefore;
        int topAfter;
    } cases[] = {
        {5, 15, 4},   // more than 6 rows above the view: the view moves up
        {5, 11, 11},  // 6 rows above: it stays
        {1, 10, 1},   // back to the first row
        {5, 1, 1},
    };
    for (const auto& c : cases) {
        app::ProgramState state;
        fillRows(state, 20);
        state.fullWidthMode = true;
        state.listSnapshot = "image";
        generator::GeneratorUndoRecord record;
        record.startRow = c.startRow;
        record.fullWidthMode = false;
        const auto result = generator::undoGeneration(state, record, c.topBefore);
        EXPECT_EQ(state.list.nextFreeRow(), c.startRow);
        EXPECT_TRUE(state.list.cell(1, c.startRow).empty());
        EXPECT_TRUE(state.list.cell(2, 20).empty());
        if (c.startRow > 1) {
            EXPECT_EQ(state.list.cell(1, c.startRow - 1), "R" + std::to_string(c.startRow - 1));
        }
        EXPECT_EQ(result.topVisibleRow, c.topAfter) << c.startRow << " " << c.topBefore;
        EXPECT_FALSE(state.fullWidthMode);
        EXPECT_EQ(state.redoSnapshot, "image");
        EXPECT_TRUE(state.redoEnabled);
        EXPECT_FALSE(state.undoEnabled);
    }
}

TEST(GeneratorUndo, InsertedRowsAreRemovedAndFullWidthKept)
{
    app::ProgramState state;
    fillRows(state, 6);  // rows 2..4 stand for three inserted rows
    state.fullWidthMode = true;
    generator::GeneratorUndoRecord record;
    record.insertionRow = 2;
    record.endRow = 5;
    record.fullWidthMode = true;
    const auto result = generator::undoGeneration(state, record, 1);
    EXPECT_EQ(result.selectRow, 2);
    EXPECT_EQ(state.list.cell(1, 1), "R1");
    EXPECT_EQ(state.list.cell(1, 2), "R5");
    EXPECT_EQ(state.list.cell(1, 3), "R6");
    EXPECT_TRUE(state.list.cell(1, 4).empty());
    EXPECT_TRUE(state.fullWidthMode);  // it was on before that OK
}

}  // namespace
