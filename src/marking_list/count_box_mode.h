#pragma once

namespace marking_list {

// The list's column layout, chosen while the list is empty.
enum class CountBoxMode {
    OneBox,    // 1 marking text, 2 count, 3 numbering end value
    ThreeBox,  // 1 marking text, 2-4 counts for three wire sizes, 5 numbering end value
    Text,      // 1 marking text, 2 second text
};

// Data columns of the layout (column 0, the row numbers, not counted).
constexpr int columnCount(CountBoxMode mode)
{
    switch (mode) {
    case CountBoxMode::OneBox: return 3;
    case CountBoxMode::ThreeBox: return 5;
    case CountBoxMode::Text: return 2;
    }
    return 3;
}

}  // namespace marking_list
