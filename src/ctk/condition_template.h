#pragma once

#include <array>
#include <string>

// The built-in condition block of a CTK marking file: 63 lines, lines 0-28 for the marker's
// own font, lines 29-62 for a Windows font. A valued line is written as its template text
// immediately followed by one column of the chosen table record.
namespace ctk {

class ConditionTemplate final {
public:
    static constexpr int kLines = 63;
    static constexpr int kMarkerFontFirst = 0;
    static constexpr int kMarkerFontLast = 28;
    static constexpr int kWindowsFontFirst = 29;
    static constexpr int kWindowsFontLast = 62;

    // Lines whose value the work-length override and the feed correction replace.
    static constexpr int kWorkLengthLine = 9;
    static constexpr int kWindowsWorkLengthLine = 43;
    static constexpr int kHoseiLine = 19;
    static constexpr int kWindowsHoseiLine = 53;
    static constexpr int kWorkModeLine = 8;
    static constexpr int kWindowsWorkModeLine = 42;
    static constexpr int kCommentLine = 6;
    static constexpr int kWindowsCommentLine = 40;
    static constexpr int kTableNoLine = 5;
    static constexpr int kWindowsTableNoLine = 34;

    // Value of a template line: a table record column, the table number (column 3 of the
    // record the destination rule picks), or none.
    static constexpr int kNoValue = -1;
    static constexpr int kTableNumber = -2;

    // CP932 text of a template line (0..62).
    static const std::string& text(int line);
    // kNoValue, kTableNumber or the record column (0-based) that follows the text.
    static int valueColumn(int line);
};

}  // namespace ctk
