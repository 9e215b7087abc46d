#pragma once

#include "app/program_state.h"

namespace app {

// The enabling and visibility of the orange-mode window's controls that follow the list,
// as the state refresh sets them every 100 ms.
struct ControlStates {
    bool listEmpty = true;
    // Grid menu
    bool stringInsertEnabled = false;   // "文字列挿入モード"
    bool editEnabled = false;           // "編集"
    bool lineBreakMarkEnabled = false;  // "多段改行記号　　　｜"
    bool numberingMarkEnabled = false;  // "ナンバーリング記号　【】"
    bool selectAllEnabled = false;      // "全行選択"
    bool reverseOrderEnabled = false;   // "逆順に並び替え"
    bool importEnabled = false;         // "CTKマーキングデータ　インポート"
    // Panels
    bool layoutSelectorVisible = true;      // "1BOX" / "3BOX" / "TEXT"
    bool markedCountChoiceVisible = false;  // the 3BOX marked-count column choice
    bool ctkButtonsVisible = false;         // "マーキング", "CTK 保存"
    bool reverseTransferEnabled = false;    // "逆順で転送する"
    // A marker mode whose selection left column 1 switches cell editing on.
    bool switchEditingOn = false;

    bool operator==(const ControlStates&) const = default;
};

// What the refresh needs to know beyond the program state.
struct RefreshContext {
    bool spreadsheetVisible = false;
    bool selectionStartsInColumn1 = true;
};

// Recomputes NextFreeRow from the cells and returns the control states that follow.
ControlStates refreshControlStates(ProgramState& state, const RefreshContext& context);

// The control states for the state as it is, NextFreeRow untouched.
ControlStates controlStates(const ProgramState& state, const RefreshContext& context);

}  // namespace app
