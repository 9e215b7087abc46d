#pragma once

#include "ctk/writer.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace ctk {

enum class ReadOutcome {
    MarkerFont,         // rows of text, count and numbering
    WindowsFont,        // rows of text and count
    MultiRowRefused,    // a Windows-font file whose "Column=" is not 1
    UnknownFontFlag,    // a header whose FontFlag is neither 0 nor 1: nothing is read
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::MarkerFont;
    std::vector<Piece> rows;
    // More data lines followed the last row read (the caller's row limit was reached).
    bool moreRows = false;
};

// Reads the data lines of a CTK marking file (lines end at CR LF, CR or LF). A line exactly
// "[MarkingData]" at index 1 or later ends the condition header; without one every line is a
// marker-font data line, in which a "\[" and then a "\]" become "【" and "】" once each. At most
// `maxRows` rows are read. Works on the bytes in place, so a huge input costs no more memory
// than the rows it yields.
ReadResult readCtk(std::string_view bytes, std::size_t maxRows);

// The field rules, one line at a time.
Piece splitMarkerLine(std::string_view line);
Piece splitWindowsLine(std::string_view line);
// "\[" -> "【" and then "\]" -> "】", each only where the line's first "\" directly precedes
// the line's first bracket. Bytes are compared, not characters.
std::string replaceEscapedBrackets(std::string_view line);

}  // namespace ctk
