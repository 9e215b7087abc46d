#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The numbering bracket "【" start "】" and the line-break mark "|" in the wire texts: where
// they may be typed and what the "【", "】" and "|" buttons do. Texts are CP932; carets are
// byte offsets into the field's text. Only the first "【" and the first "】" of a text count.
namespace generator {

struct BracketPositions {
    size_t open = std::string_view::npos;   // byte offset of the first "【"
    size_t close = std::string_view::npos;  // byte offset of the first "】"

    bool hasOpen() const { return open != std::string_view::npos; }
    bool hasClose() const { return close != std::string_view::npos; }
};

BracketPositions findBrackets(std::string_view text);

bool hasBothBrackets(std::string_view text);
bool hasAnyBracket(std::string_view text);

// The caret stands inside the numbering bracket: after the "【", and before the "】" when
// there is one.
bool caretInsideBracket(std::string_view text, size_t caret);

// A character typed inside a bracket: 0-9, A-F and the two brackets.
bool acceptedInsideBracket(std::string_view character);

// A character of the numbering end value: 0-9 and A-F.
bool isNumberingEndCharacter(std::string_view character);

// Releasing this typed character in the end field empties it: the letters G-Z (either case),
// the space and ASCII punctuation.
bool releaseEmptiesNumberingEnd(std::string_view character);

// What Enter does in a wire text whose caret is inside its bracket.
enum class BracketEnter {
    NotInBracket,  // the ordinary rules of the panel apply
    EmptyBracket,  // caret right after "【": only the numbering state is set
    Close,         // "】" is inserted at the caret, then the end value is entered
    Leave,         // the bracket is already closed: on to the end value
};
BracketEnter bracketEnter(std::string_view text, size_t caret);

// The end value equals the bracket's start value (the text between the first "【" and the
// first "】" of the combined wire texts): a numbering must not end where it starts.
bool endRepeatsStart(std::string_view combinedWireTexts, std::string_view endValue);

// What pressing one of the mark buttons does.
enum class MarkOutcome {
    Insert,              // the mark goes in at the caret
    Nothing,             // silently refused
    RefusedListFullWidth,   // the list holds full-width text
    RefusedFieldFullWidth,  // the wire texts hold full-width text
};

// A wire text's share of the combined text: its text counts unless it has the focus with the
// caret at the first position (its whole text is then selected and would be replaced).
std::string_view countedText(std::string_view text, bool focused, size_t caret);

// "【": `combined` is the counted texts of wire text 1 and 2.
MarkOutcome openBracketOutcome(bool listFullWidth, bool wireTextFocused,
                               std::string_view combined);

// "】" in a focused wire text: it holds "【" but no "】", and at least one byte stands
// between the "【" and the caret.
bool canCloseBracket(std::string_view text, size_t caret);

struct LineBreakContext {
    bool listFullWidth = false;
    int focusedWire = 0;  // 1 or 2; 0 when neither wire text has the focus
    std::string_view wire1, wire2;
    size_t caret = 0;     // in the focused wire text
    bool range1Filled = false;
    std::string_view range2Start, range2End;
};

// "|": at most two marks in one row text, never next to another mark, never first in the row.
MarkOutcome lineBreakOutcome(const LineBreakContext& context);

}  // namespace generator
