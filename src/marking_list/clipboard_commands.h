#pragma once

#include "marking_list/cell_range.h"

#include <string>
#include <string_view>

namespace app {
struct ProgramState;
}

// Cut, copy and paste of the list through the clipboard's text: cells of a row separated by
// TAB, every row (the last included) ended by CR LF. Texts are CP932; the caller converts at
// the clipboard.
namespace marking_list {

class MarkingList;

// "コピー(&C)": the text of the selected rectangle, clipped to the layout's columns.
std::string copyText(const MarkingList& list, const CellRange& selection);

// "切り取り(&X)": the text of the rectangle; its cells are emptied, the rows stay.
std::string cut(app::ProgramState& state, const CellRange& selection);

// Lines of a clipboard text as paste counts them: its CR characters.
int pasteLineCount(std::string_view clipboard);

enum class PasteMode {
    Insert,     // empty rows are inserted at the selection's top row first
    Overwrite,  // the lines are written over the cells from the selection on
};

enum class PasteOutcome {
    Pasted,
    // Part of the text or of the list would end up past row 1000 and be cut. The caller asks
    // the over-limit question with `questionCount` and pastes again with the consent.
    NeedsOverLimitConsent,
};

struct PasteResult {
    PasteOutcome outcome = PasteOutcome::Pasted;
    int questionCount = 0;  // Insert: rows in the list; Overwrite: lines in the text
    int rowsWritten = 0;    // rows that received text
};

// "貼り付け(&P)" at the selection's top-left cell. Lines are ended by CR; an LF right after a
// CR is skipped; text after the last CR is ignored; a text with no CR at all is one line.
// Fields past the layout's last column are dropped and writing stops after row 1000.
// No cell ever receives a TAB, CR or LF.
PasteResult paste(app::ProgramState& state, std::string_view clipboard, const CellRange& selection,
                  PasteMode mode, bool overLimitConsent);

}  // namespace marking_list
