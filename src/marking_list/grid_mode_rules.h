#pragma once

#include "app/program_state.h"
#include "marking_list/count_box_mode.h"

namespace marking_list {

// What the state refresh allows and what the window shows, as F2 and F3 read it.
struct ModeKeyContext {
    CountBoxMode layout = CountBoxMode::OneBox;
    app::GridMode mode = app::GridMode::None;
    bool editItemEnabled = false;       // "編集"
    bool lineBreakItemEnabled = false;  // "多段改行記号　　　｜"
    bool numberingItemEnabled = false;  // "ナンバーリング記号　【】"
    bool listShown = false;             // the list is not empty ("マーキング" is shown)
    bool gridMenuOpen = false;
};

enum class ModeKeyAction { Nothing, StartEdit, StartLineBreak, StartNumbering, EndModes };

struct ModeKeyOutcome {
    ModeKeyAction action = ModeKeyAction::Nothing;
    // The list holds full-width text, so the marker modes cannot start: tell the user.
    bool fullWidthRefused = false;

    friend bool operator==(const ModeKeyOutcome&, const ModeKeyOutcome&) = default;
};

// F2: edit mode when "編集" is enabled, else the modes end (not while the grid menu is open).
ModeKeyOutcome pressF2(const ModeKeyContext& context);

// F3 cycles none -> multi-line-break -> numbering -> none, and goes from edit mode to the
// multi-line-break mode. Nothing in the TEXT layout.
ModeKeyOutcome pressF3(const ModeKeyContext& context);

}  // namespace marking_list
