#pragma once

#include "ctk/applied_conditions.h"

#include <string_view>

namespace ctk {

// The work-length override: a box text that is not empty and differs from the table's own
// work length replaces both WorkLength lines. True when it did. An empty box is never applied.
bool applyWorkLength(AppliedConditions& conditions, std::string_view boxText,
                     std::string_view tableWorkLength);

// Characters the work-length and percentage boxes accept: digits and ".".
bool isDecimalBoxChar(char c);
// Characters the two length boxes accept: digits.
bool isDigitBoxChar(char c);

}  // namespace ctk
