#include "marking_list/marking_list.h"

#include "text/full_width.h"
#include "text/marks.h"
#include "text/sjis.h"

#include <algorithm>
#include <charconv>

namespace marking_list {

namespace {
constexpr int kFullWidthRowsExamined = 100;
}

MarkingList::MarkingList() : rows_(kRows) {}

void MarkingList::setLayout(CountBoxMode mode)
{
    layout_ = mode;
    const int columns = columnCount();
    for (auto& r : rows_)
        for (int c = columns; c < kMaxColumns; ++c)
            r[static_cast<size_t>(c)].clear();
    changed(1, kRows, true);
}

const std::string& MarkingList::cell(int column, int row) const
{
    static const std::string empty;
    if (row < 1 || row > kRows || column < 1 || column > kMaxColumns)
        return empty;
    return rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
}

void MarkingList::setCell(int column, int row, std::string text)
{
    if (row < 1 || row > kRows || column < 1 || column > kMaxColumns)
        return;
    auto& target = rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
    if (target == text)
        return;
    target = std::move(text);
    changed(row, row);
}

std::vector<std::string> MarkingList::row(int row) const
{
    std::vector<std::string> cells;
    for (int c = 1; c <= columnCount(); ++c)
        cells.push_back(cell(c, row));
    return cells;
}

void MarkingList::setRow(int row, const std::vector<std::string>& cells)
{
    if (row < 1 || row > kRows)
        return;
    auto& target = rows_[static_cast<size_t>(row - 1)];
    const size_t columns = static_cast<size_t>(columnCount());
    for (size_t c = 0; c < columns; ++c)
        target[c] = c < cells.size() ? cells[c] : std::string();
    changed(row, row);
}

void MarkingList::setNextFreeRow(int row)
{
    nextFreeRow_ = std::clamp(row, 1, kRows + 1);
}

int MarkingList::recomputeNextFreeRow()
{
    nextFreeRow_ = 1;
    for (int r = kRows; r >= 1; --r) {
        const auto& cells = rows_[static_cast<size_t>(r - 1)];
        if (!cells[0].empty() || !cells[1].empty() || !cells[2].empty()) {
            nextFreeRow_ = r + 1;
            break;
        }
    }
    return nextFreeRow_;
}

bool MarkingList::appendRow(const std::vector<std::string>& cells)
{
    if (isFull())
        return false;
    setRow(nextFreeRow_, cells);
    ++nextFreeRow_;
    return true;
}

void MarkingList::clear()
{
    for (auto& r : rows_)
        r = Row{};
    nextFreeRow_ = 1;
    changed(1, kRows);
}

std::vector<std::vector<std::string>> MarkingList::insertEmptyRows(int first, int count)
{
    std::vector<std::vector<std::string>> dropped;
    if (first < 1 || first > kRows || count < 1)
        return dropped;
    count = std::min(count, kRows - first + 1);
    const auto begin = rows_.begin() + (first - 1);
    // The rows that no longer fit below row 1000 leave the list.
    for (auto it = rows_.end() - count; it != rows_.end(); ++it) {
        const bool empty = std::all_of(it->begin(), it->end(), [](auto& s) { return s.empty(); });
        if (!empty)
            dropped.emplace_back(it->begin(), it->begin() + columnCount());
    }
    std::rotate(begin, rows_.end() - count, rows_.end());
    for (auto it = begin; it != begin + count; ++it)
        *it = Row{};
    changed(first, kRows);
    return dropped;
}

void MarkingList::removeRows(int first, int count)
{
    if (first < 1 || first > kRows || count < 1)
        return;
    count = std::min(count, kRows - first + 1);
    const auto begin = rows_.begin() + (first - 1);
    std::rotate(begin, begin + count, rows_.end());
    for (auto it = rows_.end() - count; it != rows_.end(); ++it)
        *it = Row{};
    changed(first, kRows);
}

void MarkingList::moveRow(int from, int to)
{
    if (from < 1 || from > kRows || to < 1 || to > kRows || from == to)
        return;
    const auto a = rows_.begin() + (from - 1);
    const auto b = rows_.begin() + (to - 1);
    if (from < to)
        std::rotate(a, a + 1, b + 1);
    else
        std::rotate(b, a, a + 1);
    changed(std::min(from, to), std::max(from, to));
}

MarkingList::FullWidthState MarkingList::examineFullWidth() const
{
    FullWidthState state;
    if (nextFreeRow_ < 2)
        return state;
    const int last = std::min(kFullWidthRowsExamined, kRows);
    for (int r = 1; r <= last; ++r) {
        const std::string& textCell = rows_[static_cast<size_t>(r - 1)][0];
        if (text::find(textCell, text::marks::open()) != std::string::npos)
            state.numberingPresent = true;
        if (text::isFullWidth(textCell)) {
            state.fullWidth = true;
            break;
        }
    }
    return state;
}

bool MarkingList::anyRowFullWidth() const
{
    for (int r = 1; r < nextFreeRow_; ++r)
        if (text::isFullWidth(rows_[static_cast<size_t>(r - 1)][0]))
            return true;
    return false;
}

std::string MarkingList::snapshot(int rowToSelect) const
{
    std::string image = std::to_string(rowToSelect);
    const int columns = columnCount();
    for (int r = 1; r < nextFreeRow_; ++r) {
        image += "\r\n";
        const auto& cells = rows_[static_cast<size_t>(r - 1)];
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                image += '\t';
            image += cells[static_cast<size_t>(c)];
        }
    }
    return image;
}

int MarkingList::restoreSnapshot(std::string_view image)
{
    Batch batch(*this);
    for (auto& r : rows_)
        r = Row{};
    int rowToSelect = 0;
    int row = 0;
    size_t start = 0;
    bool first = true;
    const size_t columns = static_cast<size_t>(columnCount());
    while (start <= image.size()) {
        size_t end = image.find("\r\n", start);
        if (end == std::string_view::npos)
            end = image.size();
        const std::string_view line = image.substr(start, end - start);
        if (first) {
            std::from_chars(line.data(), line.data() + line.size(), rowToSelect);
            first = false;
        } else if (row < kRows) {
            auto fields = text::split(line, '\t');
            auto& target = rows_[static_cast<size_t>(row)];
            for (size_t c = 0; c < fields.size() && c < columns; ++c)
                target[c] = std::move(fields[c]);
            ++row;
        }
        if (end == image.size())
            break;
        start = end + 2;
    }
    nextFreeRow_ = row + 1;
    changed(1, kRows);
    return rowToSelect;
}

void MarkingList::setChangeListener(std::function<void(const ListChange&)> listener)
{
    listener_ = std::move(listener);
}

MarkingList::Batch::Batch(MarkingList& list) : list_(list)
{
    ++list_.batchDepth_;
}

MarkingList::Batch::~Batch()
{
    if (--list_.batchDepth_ == 0)
        list_.flush();
}

void MarkingList::changed(int firstRow, int lastRow, bool layoutChanged)
{
    if (!pending_) {
        pendingChange_ = {firstRow, lastRow, layoutChanged};
        pending_ = true;
    } else {
        pendingChange_.firstRow = std::min(pendingChange_.firstRow, firstRow);
        pendingChange_.lastRow = std::max(pendingChange_.lastRow, lastRow);
        pendingChange_.layoutChanged = pendingChange_.layoutChanged || layoutChanged;
    }
    if (batchDepth_ == 0)
        flush();
}

void MarkingList::flush()
{
    if (!pending_)
        return;
    pending_ = false;
    if (listener_)
        listener_(pendingChange_);
}

}  // namespace marking_list
