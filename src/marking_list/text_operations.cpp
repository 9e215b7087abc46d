#include "marking_list/text_operations.h"

#include "marking_list/marker_rules.h"
#include "text/half_width.h"
#include "text/marks.h"
#include "text/sjis.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace marking_list {

namespace {

constexpr size_t npos = std::string::npos;

// One change of a cell: the new text, or nothing when the cell does not qualify.
using CellEdit = std::function<std::optional<std::string>(const std::string&)>;

// The found check, then the change: a cell that qualifies is rewritten and counted when its
// text differs afterwards. Nothing is written unless at least one cell qualifies.
TextOpResult applyToCells(MarkingList& list, int column, int topRow, int bottomRow, const CellEdit& edit)
{
    topRow = std::max(topRow, 1);
    bottomRow = std::min(bottomRow, MarkingList::kRows);
    std::vector<std::pair<int, std::string>> changes;
    bool found = false;
    for (int row = topRow; row <= bottomRow; ++row) {
        const std::string& before = list.cell(column, row);
        if (auto after = edit(before)) {
            found = true;
            if (*after != before)
                changes.emplace_back(row, std::move(*after));
        }
    }
    if (!found)
        return {TextOpStatus::NotFound, 0};
    {
        MarkingList::Batch batch(list);
        for (auto& [row, text] : changes)
            list.setCell(column, row, std::move(text));
    }
    if (!changes.empty())
        list.recomputeNextFreeRow();
    return {TextOpStatus::Done, static_cast<int>(changes.size())};
}

bool onCharBoundary(std::string_view s, size_t pos)
{
    return pos >= s.size() || text::byteOffsetOfChar(s, text::charIndexAtByte(s, pos)) == pos;
}

// The character that ends at byte `pos` (the one before the place), empty at the start.
std::string_view charBefore(std::string_view s, size_t pos)
{
    if (pos == 0)
        return {};
    const size_t start = text::byteOffsetOfChar(s, text::charIndexAtByte(s, pos - 1));
    return s.substr(start, pos - start);
}

std::string_view charAt(std::string_view s, size_t pos)
{
    return pos < s.size() ? s.substr(pos, text::charLength(s, pos)) : std::string_view{};
}

}  // namespace

size_t findOccurrence(std::string_view text, std::string_view needle, int k)
{
    if (needle.empty())
        return npos;
    const size_t first = text::find(text, needle);
    if (first == npos || k <= 1)
        return first;
    const size_t total = text::count(text, needle);
    if (total == 1)
        return first;
    if (total < static_cast<size_t>(k))
        return npos;
    size_t pos = first;
    for (int n = 1; n < k; ++n)
        pos = text::find(text, needle, pos + needle.size());
    return pos;
}

namespace {

// The occurrence of `target` in each cell that holds it becomes `replacement` (empty: deleted).
TextOpResult replaceOccurrenceInCells(MarkingList& list, const TargetCells& range,
                                      std::string_view target, int occurrence,
                                      std::string_view replacement)
{
    return applyToCells(list, range.column, range.topRow, range.bottomRow,
                        [&](const std::string& cell) -> std::optional<std::string> {
                            if (text::find(cell, target) == npos)
                                return std::nullopt;
                            std::string out = cell;
                            const size_t at = findOccurrence(cell, target, occurrence);
                            if (at != npos)
                                out.replace(at, target.size(), replacement);
                            return out;
                        });
}

}  // namespace

TextOpResult replaceInCells(MarkingList& list, const TargetCells& range, std::string_view target,
                            int occurrence, std::string_view replacement)
{
    if (target.empty() || replacement.empty())
        return {};
    return replaceOccurrenceInCells(list, range, target, occurrence, replacement);
}

TextOpResult deleteInCells(MarkingList& list, const TargetCells& range, std::string_view target,
                           int occurrence)
{
    if (target.empty())
        return {};
    return replaceOccurrenceInCells(list, range, target, occurrence, {});
}

TextOpResult insertInCells(MarkingList& list, const TargetCells& range, const InsertRequest& request)
{
    if (request.text.empty())
        return {};
    if (request.byKeyword && !request.keyword.empty()) {
        const std::string& keyword = request.keyword;
        return applyToCells(list, range.column, range.topRow, range.bottomRow,
                            [&](const std::string& cell) -> std::optional<std::string> {
                                if (text::find(cell, keyword) == npos)
                                    return std::nullopt;
                                std::string out = cell;
                                size_t at = findOccurrence(cell, keyword, request.occurrence);
                                if (at != npos) {
                                    if (request.placement == Placement::After)
                                        at += keyword.size();
                                    out.insert(at, request.text);
                                }
                                return out;
                            });
    }
    const size_t p = static_cast<size_t>(std::max(request.position, 0));
    return applyToCells(list, range.column, range.topRow, range.bottomRow,
                        [&](const std::string& cell) -> std::optional<std::string> {
                            if (text::charCount(cell) < p)
                                return std::nullopt;
                            // Before the p-th character is after p - 1 characters.
                            const size_t chars = p == 0 ? 0 : request.placement == Placement::Before ? p - 1 : p;
                            std::string out = cell;
                            out.insert(text::byteOffsetOfChar(cell, chars), request.text);
                            return out;
                        });
}

size_t lineBreakInsertionPoint(std::string_view text, const LineBreakRequest& request)
{
    if (text.size() < static_cast<size_t>(std::max(request.minLength, 0)))
        return npos;
    const std::string_view bar(&text::marks::kLineBreak, 1);
    if (text::count(text, bar) > 1)
        return npos;
    const size_t existing = text::find(text, bar);

    size_t at = npos;  // in the text as it stands, existing mark included
    if (request.byKeyword) {
        const size_t found = findOccurrence(text, request.keyword, request.occurrence);
        if (found == npos)
            return npos;
        at = request.placement == Placement::Before ? found : found + request.keyword.size();
    } else {
        // The position counts bytes of the text without its mark.
        const size_t length = text.size() - (existing == npos ? 0 : 1);
        const size_t m = static_cast<size_t>(std::max(request.position, 0));
        if (m < 1 || m > length)
            return npos;
        const size_t q = request.placement == Placement::Before ? m - 1 : m;
        if (existing != npos && q == existing)
            return npos;  // directly beside the existing mark
        at = existing != npos && q > existing ? q + 1 : q;
    }
    if (at == 0 || at >= text.size())
        return npos;  // never at the very start or the very end
    if (charBefore(text, at) == bar || charAt(text, at) == bar)
        return npos;
    if (!onCharBoundary(text, at))
        return npos;
    if (caretInsideBracket(text, text::charIndexAtByte(text, at)))
        return npos;
    return at;
}

TextOpResult insertLineBreaks(MarkingList& list, int topRow, int bottomRow, const LineBreakRequest& request)
{
    if (request.minLength <= 0 || (request.byKeyword ? request.keyword.empty() : request.position <= 0))
        return {};
    return applyToCells(list, 1, topRow, bottomRow, [&](const std::string& cell) -> std::optional<std::string> {
        const size_t at = lineBreakInsertionPoint(cell, request);
        if (at == npos)
            return std::nullopt;
        std::string out = cell;
        out.insert(at, 1, text::marks::kLineBreak);
        return out;
    });
}

int convertListToHalfWidth(MarkingList& list)
{
    int changed = 0;
    MarkingList::Batch batch(list);
    const int lastColumn = std::min(3, list.columnCount());
    for (int row = 1; row < list.nextFreeRow(); ++row) {
        for (int column = 1; column <= lastColumn; ++column) {
            std::string converted = text::toHalfWidth(list.cell(column, row));
            if (converted != list.cell(column, row)) {
                list.setCell(column, row, std::move(converted));
                ++changed;
            }
        }
    }
    return changed;
}

}  // namespace marking_list
