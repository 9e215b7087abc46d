#pragma once

#include "marking_list/marking_list.h"
#include "sheet/spreadsheet_host.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// The target and the choices of one transfer of the marking list into the active sheet.
struct TransferRequest {
    int column = 1;          // target column C, 1..100
    int row = 1;             // target row R
    int spacing = 0;         // empty rows after each list row: 0 ("連続") to 3
    bool insertMode = false; // insert the block, moving the cells below down
    bool widthLink = false;  // fit the text column's width to the texts
    bool reverse = false;    // write rows N..1
};

// What a transfer writes, worked out from the list alone.
struct TransferPlan {
    int firstColumn = 1;
    int lastColumn = 1;
    int firstRow = 1;
    int lastRow = 1;
    bool extraColumns = false;     // counts, numbering end values or second texts present
    std::vector<int> textColumns;  // sheet columns formatted as text ("@")
    int maxLength = 0;             // greatest byte length of a marking text
    bool numberingPresent = false; // a "【" in the marking texts of rows 1..100
    std::vector<std::vector<std::string>> rows;  // in writing order, block columns each
    int nextRow = 1;               // the row below the written block
};

// The plan for a non-empty list; the block's columns follow the list's layout (3BOX: text,
// three counts, numbering end value; 1BOX: text, count, numbering end value; TEXT: text,
// second text), or the text column alone when no row has anything beside its text.
TransferPlan planTransfer(const marking_list::MarkingList& list, const TransferRequest& request);

// The width column C gets under the width link, or nothing when it stays as it is.
std::optional<double> linkedTextWidth(const TransferPlan& plan, double currentWidth);
inline constexpr double kExtraColumnWidth = 6.0;

struct TransferResult {
    bool done = false;     // false: the spreadsheet failed; what was written before stays
    int rowsWritten = 0;   // list rows written into the sheet
    int nextRow = 0;       // the new target row (when done)
};

// Writes the list into the active sheet: selects C R, inserts the block in insert mode,
// formats the text columns as text and centres the block, applies the width link, writes
// the rows as a paste would ("連続": the whole block in one call; with spacing one call per
// row; counts become numbers, the text columns keep their texts) and makes
// C next the active cell. Catches the spreadsheet's failure and reports it in the result.
TransferResult runTransfer(SpreadsheetHost& host, const marking_list::MarkingList& list,
                           const TransferRequest& request);

// ---- The transfer boxes ------------------------------------------------------------

// The column box's text when it is left: a number 1..100 or a column name A..CV gives the
// column; anything else (the box is emptied) gives nothing.
std::optional<int> transferColumnFromBox(std::string_view text);
// The row box's text when it is left: digits not starting with "0".
std::optional<int> transferRowFromBox(std::string_view text);
// Keys the boxes take besides Backspace and Enter.
bool isTransferColumnKey(char c);  // 0-9, A-Z
bool isTransferRowKey(char c);     // 0-9

// What the transfer boxes show for the spreadsheet's active cell: the column name ("CV" for
// any column beyond 100) and the row number.
struct CellFollow {
    std::string column;
    std::string row;
};
CellFollow cellFollow(CellRef active);

}  // namespace sheet
