#pragma once

#include "marking_list/marking_list.h"

#include <cstddef>
#include <string>
#include <string_view>

// Text operations on many cells of the list at once: replace, insert and delete a string in
// the cells of one column, insert the line-break mark "|" into many marking texts, and turn
// full-width characters of the whole list into half-width ones. Each reports how many cells
// it changed; when nothing qualifies it changes nothing and says so, so the caller can show
// its message without making an undo step.
namespace marking_list {

// The cells an operation works on: one column, rows topRow..bottomRow (1-based).
struct TargetCells {
    int column = 1;
    int topRow = 1;
    int bottomRow = 1;
};

enum class Placement { Before, After };

enum class TextOpStatus {
    MissingInput,  // a required field is empty: nothing happens, silently
    NotFound,      // no cell qualifies: the list is unchanged
    Done,          // changedCells cells were changed
};

struct TextOpResult {
    TextOpStatus status = TextOpStatus::MissingInput;
    int changedCells = 0;

    friend bool operator==(const TextOpResult&, const TextOpResult&) = default;
};

// Byte offset of the occurrence of `needle` that occurrence number k selects, or npos.
// k = 0 (an empty field): the first occurrence. k >= 1: the k-th from the left (occurrences
// do not overlap); a text holding exactly one occurrence gives that one whatever k is; a text
// holding two or more but fewer than k gives npos. Only character boundaries are matched.
size_t findOccurrence(std::string_view text, std::string_view needle, int k);

// Replaces the selected occurrence of `target` by `replacement` in every cell of the range.
// MissingInput unless both texts are given.
TextOpResult replaceInCells(MarkingList& list, const TargetCells& range, std::string_view target,
                            int occurrence, std::string_view replacement);

// Removes the selected occurrence of `target` from every cell of the range.
TextOpResult deleteInCells(MarkingList& list, const TargetCells& range, std::string_view target,
                           int occurrence);

struct InsertRequest {
    std::string text;        // what to insert; empty: nothing happens
    bool byKeyword = false;  // an empty keyword works as the position way
    int position = 0;        // characters; 0 (empty field): the start of every cell
    std::string keyword;
    int occurrence = 0;
    Placement placement = Placement::Before;
};

// Inserts the text before or after the position-th character (characters, not bytes), or
// before or after the selected occurrence of the keyword, in every cell of the range.
TextOpResult insertInCells(MarkingList& list, const TargetCells& range, const InsertRequest& request);

struct LineBreakRequest {
    int minLength = 0;       // bytes; 0 (empty field): nothing happens
    bool byKeyword = false;
    int position = 0;        // bytes of the text without its existing mark; 0: nothing happens
    std::string keyword;     // empty with byKeyword: nothing happens
    int occurrence = 0;
    Placement placement = Placement::Before;
};

// Where a new "|" goes in one marking text, or npos when the text does not take one: the text
// is shorter than minLength bytes or already holds two marks, the place is the very start or
// end, directly beside the existing mark, inside a double-byte character or inside the
// numbering bracket (a "|" there would spoil the start value).
size_t lineBreakInsertionPoint(std::string_view text, const LineBreakRequest& request);

// Inserts "|" into the marking texts (column 1) of rows topRow..bottomRow.
TextOpResult insertLineBreaks(MarkingList& list, int topRow, int bottomRow,
                              const LineBreakRequest& request);

// Turns full-width letters, digits, signs and katakana of columns 1 to 3 of every list row
// into their half-width forms. Returns the number of cells changed.
int convertListToHalfWidth(MarkingList& list);

}  // namespace marking_list
