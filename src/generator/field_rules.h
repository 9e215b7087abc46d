#pragma once

#include "generator/range_mode.h"

#include <array>
#include <string_view>

// Rules of the generator panel's fields that do not depend on widgets: what may be typed,
// what is kept when a range field is left, when a fixed flag may be set.
namespace generator {

// A range start or end in Span mode is kept when the field is left only in these forms:
// one digit or ASCII letter; two characters from 0-9 and A-F; three digits.
bool isValidSpanText(std::string_view text);

// One typed character (CP932 bytes) for a range start, middle or end. Span takes digits and
// ASCII letters; Pair and Triple (and every middle field) take anything but a blank.
bool rangeFieldAccepts(RangeMode mode, std::string_view character);

// Both start and end hold text: the range may be fixed, and counts for the "連番前優先" box.
constexpr bool rangeFilled(std::string_view start, std::string_view end)
{
    return !start.empty() && !end.empty();
}

// "連番前優先" is offered while at least two of the three ranges are filled.
bool serialFirstPriorityVisible(const std::array<bool, 3>& rangesFilled);

// Wire text k (1 or 2) may be fixed when it holds text and the other one is not fixed.
constexpr bool canFixWireText(std::string_view text, bool otherFixed)
{
    return !text.empty() && !otherFixed;
}

}  // namespace generator
