#pragma once

#include "marking_list/count_box_mode.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The rules of the grid's two marker modes, on one marking text and a caret given as a
// character index (0 = before the first character). A click in the multi-line-break mode
// puts or removes "|"; a click in the numbering mode puts or removes "【" and "】". After the
// marks, the numbering mode takes the row's count and then its numbering end value.
namespace marking_list {

enum class MarkerEdit { None, Inserted, Removed };

struct MarkerClick {
    std::string text;            // the text after the click
    MarkerEdit edit = MarkerEdit::None;
    size_t caret = 0;            // character index of the caret after the click
    bool keepEditing = false;    // a mark went to the very end: the user types on

    friend bool operator==(const MarkerClick&, const MarkerClick&) = default;
};

// Multi-line-break mode. Nothing happens with the caret at the very start. A caret directly
// beside the second "|" removes it, else one beside the first removes that; otherwise "|" is
// inserted when the text holds at most one (never a third), and never inside the numbering
// bracket.
MarkerClick clickLineBreak(std::string_view text, size_t caret);

// Numbering mode. A caret directly beside "【" removes it, else one beside "】" removes that;
// otherwise "【" is inserted when the text has none and the caret lies before any "】";
// otherwise "】" is inserted when the text has "【" but no "】" and the characters between
// "【" and the caret read as a hexadecimal number (0-9, A-F).
MarkerClick clickNumbering(std::string_view text, size_t caret);

// Both "【" and "】" are present: the numbering input of the row can begin.
bool hasCompleteBracket(std::string_view text);
// Neither mark is present: the row's numbering end value must go.
bool hasNoBracket(std::string_view text);

// Enter in the marking text while the numbering marks are not complete: the text with "】"
// put at the caret when it has "【", no "】" and at least one character between "【" and the
// caret; nothing otherwise.
std::optional<std::string> closeBracketAtCaret(std::string_view text, size_t caret);

// Caret (character index) inside the numbering bracket: after "【" and, when the text has a
// "】", not after it.
bool caretInsideBracket(std::string_view text, size_t caret);

// Columns of the numbering input. The count columns: 2 in 1BOX, 2 to 4 in 3BOX.
bool isCountColumn(CountBoxMode layout, int column);
// The numbering end value: column 3 in 1BOX, 5 in 3BOX; 0 in TEXT (it has none).
int numberingEndColumn(CountBoxMode layout);

// Characters the numbering mode accepts in an open editor (Backspace and Enter are always
// accepted): hexadecimal digits for marking texts and end values, digits for count columns.
bool isHexDigit(char c);
bool isDecimalDigit(char c);

}  // namespace marking_list
