#pragma once

#include "generator/range_mode.h"
#include "marking_list/count_box_mode.h"

#include <array>
#include <optional>
#include <string>

// Where Enter, the arrow keys and Tab move the focus between the generator panel's fields.
namespace generator {

enum class PanelField {
    Start1, Middle1, End1, Wire1,
    Start2, Middle2, End2, Wire2,
    Start3, Middle3, End3,
    Count1, Count2, Count3,
    NumberingEnd,
};

// 0, 1 or 2 for a field of range 1, 2 or 3; nothing for the other fields.
std::optional<int> rangeOf(PanelField field);
bool isRangeField(PanelField field);
bool isWireText(PanelField field);
bool isCountField(PanelField field);
PanelField startOf(int range);
PanelField middleOf(int range);
PanelField endOf(int range);

// The texts and modes Enter looks at.
struct RangeTexts {
    std::string start, middle, end;
    RangeMode mode = RangeMode::Span;

    // Ready for generation: start and end, and in Triple the middle too.
    bool complete() const;
};

struct PanelTexts {
    marking_list::CountBoxMode layout = marking_list::CountBoxMode::OneBox;
    std::array<RangeTexts, 3> ranges;
    std::string wire1, wire2;
    std::array<std::string, 3> counts;

    bool middleShown(int range) const { return ranges[range].mode == RangeMode::Triple; }
};

// Left with the caret at the first position, Right with the caret after the last character.
// Nothing where the field has no neighbour (NumberingEnd).
std::optional<PanelField> leftNeighbour(PanelField field, const PanelTexts& panel);
std::optional<PanelField> rightNeighbour(PanelField field, const PanelTexts& panel);

// Tab walks wire text 1, start 1, start 2, wire text 2, start 3, count 1 and round again;
// nothing from any other field.
std::optional<PanelField> tabNext(PanelField field);

// Enter in a range or count field or in a wire text (the numbering rules of the wire texts
// come first and are the caller's). Nothing: the focus stays. Count fields answer nothing
// too: Enter there runs OK instead of moving.
std::optional<PanelField> enterTarget(PanelField field, const PanelTexts& panel);

}  // namespace generator
