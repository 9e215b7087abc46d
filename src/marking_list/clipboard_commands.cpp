#include "marking_list/clipboard_commands.h"

#include "app/program_state.h"
#include "marking_list/list_undo.h"
#include "marking_list/marking_list.h"
#include "text/full_width.h"

#include <algorithm>

namespace marking_list {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';

// A cell never holds a line end: a stray LF would split the row in the list's image and in
// the marking file.
std::string cellText(std::string_view field)
{
    std::string cell;
    cell.reserve(field.size());
    for (char c : field)
        if (c != kLf)
            cell += c;
    return cell;
}

// Writes the TAB-separated fields of one line into `row` from column `left` on; fields past
// the layout's last column are dropped.
void writeLine(MarkingList& list, std::string_view line, int left, int row)
{
    int column = left;
    size_t start = 0;
    const int lastColumn = list.columnCount();
    while (column <= lastColumn) {
        const size_t tab = line.find(kTab, start);
        const size_t end = tab == std::string_view::npos ? line.size() : tab;
        list.setCell(column, row, cellText(line.substr(start, end - start)));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
        ++column;
    }
}

CellRange clipped(const MarkingList& list, const CellRange& selection)
{
    CellRange r = selection;
    r.left = std::max(r.left, 1);
    r.top = std::max(r.top, 1);
    r.right = std::min(r.right, list.columnCount());
    r.bottom = std::min(r.bottom, MarkingList::kRows);
    return r;
}

}  // namespace

std::string copyText(const MarkingList& list, const CellRange& selection)
{
    const CellRange r = clipped(list, selection);
    std::string text;
    for (int row = r.top; row <= r.bottom; ++row) {
        for (int column = r.left; column <= r.right; ++column) {
            if (column > r.left)
                text += kTab;
            text += list.cell(column, row);
        }
        text += "\r\n";
    }
    return text;
}

std::string cut(app::ProgramState& state, const CellRange& selection)
{
    MarkingList& list = state.list;
    const CellRange r = clipped(list, selection);
    std::string text = copyText(list, r);
    keepUndo(state, r.top);
    {
        MarkingList::Batch batch(list);
        for (int row = r.top; row <= r.bottom; ++row)
            for (int column = r.left; column <= r.right; ++column)
                list.setCell(column, row, {});
    }
    changeDone(state, r.top);
    return text;
}

int pasteLineCount(std::string_view clipboard)
{
    return static_cast<int>(std::count(clipboard.begin(), clipboard.end(), kCr));
}

PasteResult paste(app::ProgramState& state, std::string_view clipboard, const CellRange& selection,
                  PasteMode mode, bool overLimitConsent)
{
    MarkingList& list = state.list;
    const int left = std::clamp(selection.left, 1, list.columnCount());
    const int top = std::clamp(selection.top, 1, MarkingList::kRows);
    const int crCount = pasteLineCount(clipboard);
    const int lines = std::max(crCount, 1);  // a text without CR is one line
    const int nextFree = list.nextFreeRow();

    PasteResult result;
    // Insert pushes the list down by one row even for a text without CR, so that line
    // counts too; and lines that would land past row 1000 are cut whatever the list holds.
    const int counted = mode == PasteMode::Insert ? lines : crCount;
    const bool listOverflows = counted + nextFree > MarkingList::kRows + 1;
    const bool textOverflows = top + lines - 1 > MarkingList::kRows;
    if ((listOverflows || textOverflows) && !overLimitConsent) {
        result.outcome = PasteOutcome::NeedsOverLimitConsent;
        result.questionCount = mode == PasteMode::Insert ? nextFree - 1 : crCount;
        return result;
    }

    keepUndo(state, top);
    bool fullWidth = false;
    {
        MarkingList::Batch batch(list);
        if (mode == PasteMode::Insert)
            list.insertEmptyRows(top, lines);  // rows pushed past row 1000 leave the list

        if (crCount == 0) {
            writeLine(list, clipboard, left, top);
            fullWidth = text::isFullWidth(clipboard);
            result.rowsWritten = 1;
        } else {
            size_t start = 0;
            for (int row = top; row <= MarkingList::kRows; ++row) {
                const size_t cr = clipboard.find(kCr, start);
                if (cr == std::string_view::npos)
                    break;  // text after the last CR is ignored
                const std::string_view line = clipboard.substr(start, cr - start);
                writeLine(list, line, left, row);
                fullWidth = fullWidth || text::isFullWidth(line);
                ++result.rowsWritten;
                start = cr + 1;
                if (start < clipboard.size() && clipboard[start] == kLf)
                    ++start;
            }
        }
    }
    list.recomputeNextFreeRow();
    if (fullWidth)
        state.fullWidthMode = true;
    changeDone(state, top);
    return result;
}

}  // namespace marking_list
