#pragma once

#include <algorithm>

namespace marking_list {

// A rectangle of grid cells, 1-based and inclusive, as the grid selection gives it.
struct CellRange {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;

    int rowCount() const { return bottom - top + 1; }
    bool isValid() const { return left >= 1 && top >= 1 && right >= left && bottom >= top; }
};

}  // namespace marking_list
