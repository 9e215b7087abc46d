#pragma once

#include "marking_list/count_box_mode.h"

#include <string_view>

namespace marking_list {

// The characters a cell of the layout accepts while it is edited in the grid. Column 1 (and
// every TEXT column) takes any text; count cells take decimal digits; the numbering end value
// takes hexadecimal digits. Backspace and Enter are not characters of a cell and always pass.
// Returns nothing for a column that takes any text.
std::string_view acceptedCharacters(CountBoxMode mode, int column);

// True when the column takes the whole text (every character one it accepts).
bool cellAccepts(CountBoxMode mode, int column, std::string_view text);

}  // namespace marking_list
