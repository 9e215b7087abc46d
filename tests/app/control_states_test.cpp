#include "app/control_states.h"

#include <gtest/gtest.h>

using app::ControlStates;
using app::GridMode;
using marking_list::CountBoxMode;

namespace {

TEST(ControlStatesTest, EmptyListOffersOnlyTheLayoutChoiceAndTheImport)
{
    app::ProgramState state;
    for (const CountBoxMode mode : {CountBoxMode::OneBox, CountBoxMode::ThreeBox, CountBoxMode::Text}) {
        SCOPED_TRACE(static_cast<int>(mode));
        state.list.setLayout(mode);
        const ControlStates s = app::refreshControlStates(state, {.spreadsheetVisible = true});
        ControlStates expected;
        expected.importEnabled = mode == CountBoxMode::OneBox;
        EXPECT_EQ(s, expected);
    }
}

TEST(ControlStatesTest, ListWithRowsFollowsModesAndLayout)
{
    struct Case {
        const char* name;
        CountBoxMode mode;
        GridMode gridMode;
        bool fullWidth;
        bool stringInsert;
        bool spreadsheet;
        bool selectionInColumn1;
        ControlStates expected;
    };
    auto rows = [](auto change) {
        ControlStates s;
        s.listEmpty = false;
        s.stringInsertEnabled = s.editEnabled = s.lineBreakMarkEnabled = true;
        s.numberingMarkEnabled = s.selectAllEnabled = s.reverseOrderEnabled = true;
        s.layoutSelectorVisible = false;
        s.ctkButtonsVisible = true;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"1BOX", CountBoxMode::OneBox, GridMode::None, false, false, false, true, rows([](auto&) {})},
        {"3BOX with spreadsheet", CountBoxMode::ThreeBox, GridMode::None, false, false, true, true,
         rows([](auto& s) { s.markedCountChoiceVisible = s.reverseTransferEnabled = true; })},
        {"TEXT", CountBoxMode::Text, GridMode::None, false, false, false, true,
         rows([](auto& s) { s.ctkButtonsVisible = s.lineBreakMarkEnabled = s.numberingMarkEnabled = false; })},
        {"full width", CountBoxMode::OneBox, GridMode::None, true, false, false, true,
         rows([](auto& s) { s.lineBreakMarkEnabled = s.numberingMarkEnabled = false; })},
        {"edit mode", CountBoxMode::OneBox, GridMode::Edit, false, true, false, true,
         rows([](auto& s) { s.editEnabled = s.stringInsertEnabled = false; })},
        {"line-break marker off column 1", CountBoxMode::OneBox, GridMode::LineBreakMarker, false,
         false, false, false,
         rows([](auto& s) { s.lineBreakMarkEnabled = false; s.switchEditingOn = true; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::ProgramState state;
        state.list.setLayout(c.mode);
        state.list.setCell(1, 3, "X");  // NextFreeRow comes from the cells
        state.gridMode = c.gridMode;
        state.fullWidthMode = c.fullWidth;
        state.stringInsertMode = c.stringInsert;
        const ControlStates s = app::refreshControlStates(
            state, {.spreadsheetVisible = c.spreadsheet, .selectionStartsInColumn1 = c.selectionInColumn1});
        EXPECT_EQ(state.list.nextFreeRow(), 4);
        EXPECT_EQ(s, c.expected);
    }
}

}  // namespace
