#pragma once

#include "ctk/applied_conditions.h"
#include "marking_list/marking_list.h"

#include <string>
#include <string_view>
#include <vector>

// Renders CTK marking files: CP932 bytes, lines ended by CR LF except where a closing piece
// ends the file. Every writer takes the window's applied conditions, or nullptr when no table
// is applied; a Windows-font file always needs a table.
namespace ctk {

enum class FontVariant {
    MarkerFont,   // "FontFlag=0": text, count and numbering per line
    WindowsFont,  // "FontFlag=1": count and text per line
};

// One data line: a group of identical pieces.
struct Piece {
    std::string text;
    std::string count;
    std::string numbering;
    friend bool operator==(const Piece&, const Piece&) = default;
};

enum class RenderOutcome { Rendered, WindowsFontNeedsTable };

struct RenderResult {
    RenderOutcome outcome = RenderOutcome::Rendered;
    std::string bytes;
    bool ok() const { return outcome == RenderOutcome::Rendered; }
};

// "cta" with a table applied, "ctk" without.
std::string_view fileExtension(bool tableApplied);

// Rows 1..lastRow of the list as pieces. In the 3BOX layout the count is that of count column
// `markedCountColumn` (0, 1 or 2); the other layouts have one count column.
std::vector<Piece> listPieces(const marking_list::MarkingList& list, int markedCountColumn,
                              int lastRow);

// Orange window, marking and save alike: rows 1 to NextFreeRow, so the file ends with the
// empty row's line, which a "WorkMode=3" table replaces by a closing piece.
RenderResult renderOrange(const AppliedConditions* table, FontVariant variant,
                          const marking_list::MarkingList& list, int markedCountColumn);

// Blue window, marking: one line per result row and nothing after them but the closing
// piece of a "WorkMode=3" table (then without a final CR LF).
RenderResult renderBlueMarking(const AppliedConditions* table, FontVariant variant,
                               const std::vector<Piece>& rows);

// Blue window, save: the conversion result's text (lines of text TAB count TAB numbering,
// each ended by CR LF) as it stands, one empty line, and the closing piece of a "WorkMode=3"
// table (then without a final CR LF). The Windows-font variant rewrites each data line as
// count, TAB, text and 8 TABs.
RenderResult renderBlueSave(const AppliedConditions* table, FontVariant variant,
                            std::string_view resultText);

// The written Comment line: every half-width blank goes, then a "_" right after the first
// "=" (the mark of an unnamed table) goes.
void applyCommentRule(std::string& line);

}  // namespace ctk
