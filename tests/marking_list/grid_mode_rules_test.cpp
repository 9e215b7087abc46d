#include "marking_list/grid_mode_rules.h"

#include <gtest/gtest.h>

using app::GridMode;
using marking_list::ModeKeyAction;
using marking_list::ModeKeyContext;
using marking_list::ModeKeyOutcome;

namespace {

// The items as the state refresh enables them for a list of half-width text.
ModeKeyContext halfWidthList(GridMode mode)
{
    ModeKeyContext c;
    c.mode = mode;
    c.listShown = true;
    c.editItemEnabled = mode != GridMode::Edit;
    c.lineBreakItemEnabled = mode != GridMode::LineBreakMarker;
    c.numberingItemEnabled = mode != GridMode::NumberingMarker;
    return c;
}

GridMode after(ModeKeyAction action, GridMode mode)
{
    switch (action) {
    case ModeKeyAction::Nothing: return mode;
    case ModeKeyAction::StartEdit: return GridMode::Edit;
    case ModeKeyAction::StartLineBreak: return GridMode::LineBreakMarker;
    case ModeKeyAction::StartNumbering: return GridMode::NumberingMarker;
    case ModeKeyAction::EndModes: return GridMode::None;
    }
    return mode;
}

TEST(GridModeKeys, F3CyclesThroughTheMarkerModes)
{
    GridMode mode = GridMode::None;
    std::vector<GridMode> seen;
    for (int i = 0; i < 3; ++i) {
        mode = after(marking_list::pressF3(halfWidthList(mode)).action, mode);
        seen.push_back(mode);
    }
    EXPECT_EQ(seen, (std::vector<GridMode>{GridMode::LineBreakMarker, GridMode::NumberingMarker, GridMode::None}));
    EXPECT_EQ(marking_list::pressF3(halfWidthList(GridMode::Edit)).action, ModeKeyAction::StartLineBreak);
}

TEST(GridModeKeys, F3RefusalsAndTheTextLayout)
{
    ModeKeyContext fullWidth = halfWidthList(GridMode::Edit);
    fullWidth.lineBreakItemEnabled = fullWidth.numberingItemEnabled = false;
    EXPECT_EQ(marking_list::pressF3(fullWidth), (ModeKeyOutcome{ModeKeyAction::EndModes, true}));
    fullWidth.gridMenuOpen = true;
    EXPECT_EQ(marking_list::pressF3(fullWidth), (ModeKeyOutcome{ModeKeyAction::Nothing, true}));
    fullWidth = halfWidthList(GridMode::None);
    fullWidth.lineBreakItemEnabled = fullWidth.numberingItemEnabled = false;
    EXPECT_EQ(marking_list::pressF3(fullWidth), (ModeKeyOutcome{ModeKeyAction::Nothing, true}));
    ModeKeyContext empty;  // nothing enabled, "マーキング" hidden
    EXPECT_EQ(marking_list::pressF3(empty), ModeKeyOutcome{});
    ModeKeyContext text = halfWidthList(GridMode::None);
    text.layout = marking_list::CountBoxMode::Text;
    EXPECT_EQ(marking_list::pressF3(text), ModeKeyOutcome{});
}

TEST(GridModeKeys, F2StartsOrEndsEditMode)
{
    EXPECT_EQ(marking_list::pressF2(halfWidthList(GridMode::None)).action, ModeKeyAction::StartEdit);
    EXPECT_EQ(marking_list::pressF2(halfWidthList(GridMode::NumberingMarker)).action, ModeKeyAction::StartEdit);
    EXPECT_EQ(marking_list::pressF2(halfWidthList(GridMode::Edit)).action, ModeKeyAction::EndModes);
    ModeKeyContext menuOpen = halfWidthList(GridMode::Edit);
    menuOpen.gridMenuOpen = true;
    EXPECT_EQ(marking_list::pressF2(menuOpen).action, ModeKeyAction::Nothing);
}

}  // namespace
