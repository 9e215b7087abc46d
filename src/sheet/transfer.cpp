#include "sheet/transfer.h"

#include "sheet/column_names.h"
#include "text/marks.h"
#include "text/sjis.h"

#include <algorithm>
#include <charconv>

namespace sheet {

using marking_list::CountBoxMode;
using marking_list::MarkingList;

namespace {

// Rows scanned for extra columns and lengths: 1 to NextFreeRow, as the list's counter says.
bool hasExtraColumns(const MarkingList& list)
{
    const int columns = list.columnCount();
    for (int row = 1; row <= list.nextFreeRow() && row <= MarkingList::kRows; ++row)
        for (int column = 2; column <= columns; ++column)
            if (!list.cell(column, row).empty())
                return true;
    return false;
}

}  // namespace

TransferPlan planTransfer(const MarkingList& list, const TransferRequest& request)
{
    TransferPlan plan;
    const int n = list.rowCount();
    const int step = request.spacing + 1;
    plan.extraColumns = hasExtraColumns(list);
    const int width = plan.extraColumns ? list.columnCount() : 1;

    plan.firstColumn = request.column;
    plan.lastColumn = request.column + width - 1;
    plan.firstRow = request.row;
    plan.lastRow = request.row + step * n - 1;
    plan.nextRow = request.row + step * n;
    plan.textColumns.push_back(plan.firstColumn);
    if (plan.lastColumn != plan.firstColumn)
        plan.textColumns.push_back(plan.lastColumn);

    for (int row = 1; row <= list.nextFreeRow() && row <= MarkingList::kRows; ++row) {
        const std::string& text = list.cell(1, row);
        plan.maxLength = std::max(plan.maxLength, static_cast<int>(text.size()));
        if (row <= 100 && text::find(text, text::marks::open()) != std::string::npos)
            plan.numberingPresent = true;
    }

    plan.rows.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int listRow = request.reverse ? n - i : i + 1;
        auto& out = plan.rows.emplace_back();
        for (int column = 1; column <= width; ++column)
            out.push_back(list.cell(column, listRow));
    }
    return plan;
}

std::optional<double> linkedTextWidth(const TransferPlan& plan, double currentWidth)
{
    const double maxLength = plan.maxLength;
    if (plan.numberingPresent)
        return maxLength > currentWidth ? std::optional<double>(maxLength) : std::nullopt;
    return maxLength > currentWidth - 2 ? std::optional<double>(maxLength + 2) : std::nullopt;
}

TransferResult runTransfer(SpreadsheetHost& host, const MarkingList& list,
                           const TransferRequest& request)
{
    TransferResult result;
    const TransferPlan plan = planTransfer(list, request);
    const CellRef topLeft{plan.firstColumn, plan.firstRow};
    const CellRef bottomRight{plan.lastColumn, plan.lastRow};
    // The counts go in as numbers, as a paste would enter them; the text columns keep texts.
    std::vector<bool> numberColumns;
    for (int column = plan.firstColumn; column <= plan.lastColumn; ++column)
        numberColumns.push_back(std::find(plan.textColumns.begin(), plan.textColumns.end(),
                                          column) == plan.textColumns.end());
    try {
        host.selectRange(topLeft, topLeft);
        if (request.insertMode)
            host.insertCellsShiftDown(topLeft, bottomRight);
        for (int column : plan.textColumns)
            host.setTextFormat({column, plan.firstRow}, {column, plan.lastRow});
        host.setCentred(topLeft, bottomRight);
        if (request.widthLink) {
            if (plan.extraColumns)
                for (int column = plan.firstColumn + 1; column <= plan.lastColumn; ++column)
                    host.setColumnWidth(column, kExtraColumnWidth);
            if (auto width = linkedTextWidth(plan, host.columnWidth(plan.firstColumn)))
                host.setColumnWidth(plan.firstColumn, *width);
        }
        if (request.spacing == 0) {
            host.pasteBlockText(topLeft, plan.rows, numberColumns);
            result.rowsWritten = static_cast<int>(plan.rows.size());
        } else {
            const int step = request.spacing + 1;
            for (size_t i = 0; i < plan.rows.size(); ++i) {
                host.pasteBlockText({plan.firstColumn, plan.firstRow + static_cast<int>(i) * step},
                                    {plan.rows[i]}, numberColumns);
                ++result.rowsWritten;
            }
        }
        host.selectRange({plan.firstColumn, plan.nextRow}, {plan.firstColumn, plan.nextRow});
    } catch (const SpreadsheetError&) {
        return result;
    }
    result.done = true;
    result.nextRow = plan.nextRow;
    return result;
}

std::optional<int> transferColumnFromBox(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        if (value >= 1 && value <= kLastTransferColumn)
            return value;
        return std::nullopt;
    }
    if (text.size() > 2)
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return std::nullopt;
    const auto number = columnNumber(text);
    if (!number || *number > kLastTransferColumn)
        return std::nullopt;
    return number;
}

std::optional<int> transferRowFromBox(std::string_view text)
{
    if (text.empty() || text.front() == '0' || text.size() > 4)
        return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isTransferColumnKey(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }
bool isTransferRowKey(char c) { return c >= '0' && c <= '9'; }

CellFollow cellFollow(CellRef active)
{
    return {columnName(std::min(active.column, kLastTransferColumn)), std::to_string(active.row)};
}

}  // namespace sheet
