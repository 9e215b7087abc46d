#include "support/fake_spreadsheet_host.h"

#include "text/cp932.h"

#include <algorithm>
#include <filesystem>

namespace testing_support {

using sheet::CellRef;
using sheet::SpreadsheetError;

FakeSpreadsheetHost::FakeSpreadsheetHost()
{
    workbooks.push_back({"Book1", {{"Sheet1", {}, {}, {}, {}, {}}}, 0});
    activeWorkbook = 0;
}

void FakeSpreadsheetHost::operation()
{
    if (!running || busy)
        throw SpreadsheetError("spreadsheet not available");
    if (failAfter == 0) {
        failAfter = -1;
        throw SpreadsheetError("spreadsheet failed");
    }
    if (failAfter > 0)
        --failAfter;
}

FakeSpreadsheetHost::Workbook& FakeSpreadsheetHost::workbook()
{
    if (activeWorkbook < 0 || activeWorkbook >= static_cast<int>(workbooks.size()))
        throw SpreadsheetError("no active workbook");
    return workbooks[static_cast<size_t>(activeWorkbook)];
}

FakeSpreadsheetHost::Sheet& FakeSpreadsheetHost::activeSheet()
{
    Workbook& book = workbook();
    return book.sheets[static_cast<size_t>(book.activeSheet)];
}

bool FakeSpreadsheetHost::fire(sheet::SpreadsheetEventKind kind)
{
    if (!listener_)
        return false;
    sheet::SpreadsheetEvent event{kind, {}, {}};
    if (activeWorkbook >= 0) {
        event.workbookName = workbook().name;
        event.sheetName = activeSheet().name;
    }
    return listener_(event);
}

void FakeSpreadsheetHost::show()
{
    operation();
    visible = true;
}

void FakeSpreadsheetHost::maximizeActiveWindow() { operation(); }

CellRef FakeSpreadsheetHost::activeCell()
{
    operation();
    return active;
}

std::string FakeSpreadsheetHost::activeCellValue()
{
    operation();
    return cellText(active);
}

sheet::RowSpan FakeSpreadsheetHost::selectedRows()
{
    operation();
    return selection;
}

void FakeSpreadsheetHost::makeKeysInert(const std::vector<std::string>& keys)
{
    operation();
    for (const auto& key : keys)
        if (std::find(inertKeys.begin(), inertKeys.end(), key) == inertKeys.end())
            inertKeys.push_back(key);
}

void FakeSpreadsheetHost::quit()
{
    operation();
    quitCalled = true;
    running = false;
    workbooks.clear();
    activeWorkbook = -1;
}

void FakeSpreadsheetHost::openWorkbook(const std::string& path)
{
    operation();
    openedPaths.push_back(path);
    // Paths are UTF-8, workbook names CP932, as the application gives them.
    const std::string fileName = std::filesystem::path(path).filename().string();
    workbooks.push_back({text::toCp932(fileName).value_or(fileName),
                         {{"Sheet1", {}, {}, {}, {}, {}}}, 0});
    activeWorkbook = static_cast<int>(workbooks.size()) - 1;
}

void FakeSpreadsheetHost::newWorkbook()
{
    operation();
    workbooks.push_back({"Book" + std::to_string(++newWorkbookCounter_ + 1),
                         {{"Sheet1", {}, {}, {}, {}, {}}}, 0});
    activeWorkbook = static_cast<int>(workbooks.size()) - 1;
}

bool FakeSpreadsheetHost::hasActiveWorkbook()
{
    operation();
    return activeWorkbook >= 0;
}

std::string FakeSpreadsheetHost::activeWorkbookName()
{
    operation();
    return workbook().name;
}

void FakeSpreadsheetHost::closeActiveWorkbook()
{
    operation();
    workbook();
    workbooks.erase(workbooks.begin() + activeWorkbook);
    activeWorkbook = workbooks.empty() ? -1 : 0;
}

std::vector<std::string> FakeSpreadsheetHost::sheetNames()
{
    operation();
    std::vector<std::string> names;
    for (const auto& s : workbook().sheets)
        names.push_back(s.name);
    return names;
}

std::string FakeSpreadsheetHost::activeSheetName()
{
    operation();
    return activeSheet().name;
}

void FakeSpreadsheetHost::renameActiveSheet(const std::string& name)
{
    operation();
    for (const auto& s : workbook().sheets)
        if (s.name == name && &s != &activeSheet())
            throw SpreadsheetError("sheet name in use");
    if (name.empty())
        throw SpreadsheetError("invalid sheet name");
    activeSheet().name = name;
}

void FakeSpreadsheetHost::activateSheet(const std::string& name)
{
    operation();
    Workbook& book = workbook();
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (book.sheets[i].name == name) {
            book.activeSheet = static_cast<int>(i);
            return;
        }
    }
    throw SpreadsheetError("no such sheet");
}

void FakeSpreadsheetHost::selectRange(CellRef from, CellRef to)
{
    operation();
    active = from;
    selection = {std::min(from.row, to.row), std::abs(to.row - from.row) + 1};
}

std::string FakeSpreadsheetHost::cellText(CellRef cell)
{
    operation();
    const auto& cells = activeSheet().cells;
    auto it = cells.find({cell.row, cell.column});
    return it == cells.end() ? std::string() : it->second;
}

void FakeSpreadsheetHost::setCellText(CellRef cell, const std::string& text)
{
    operation();
    ++cellWrites;
    auto& cells = activeSheet().cells;
    if (text.empty())
        cells.erase({cell.row, cell.column});
    else
        cells[{cell.row, cell.column}] = text;
}

std::vector<std::vector<std::string>> FakeSpreadsheetHost::blockText(CellRef from, CellRef to)
{
    operation();
    std::vector<std::vector<std::string>> rows;
    const auto& cells = activeSheet().cells;
    for (int r = from.row; r <= to.row; ++r) {
        auto& row = rows.emplace_back();
        for (int c = from.column; c <= to.column; ++c) {
            auto it = cells.find({r, c});
            row.push_back(it == cells.end() ? std::string() : it->second);
        }
    }
    return rows;
}

void FakeSpreadsheetHost::setBlockText(CellRef topLeft,
                                       const std::vector<std::vector<std::string>>& rows)
{
    operation();
    ++blockWrites;
    auto& cells = activeSheet().cells;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const std::pair<int, int> key{topLeft.row + static_cast<int>(r),
                                          topLeft.column + static_cast<int>(c)};
            if (rows[r][c].empty())
                cells.erase(key);
            else
                cells[key] = rows[r][c];
        }
    }
}

void FakeSpreadsheetHost::insertCellsShiftDown(CellRef from, CellRef to)
{
    operation();
    const int height = to.row - from.row + 1;
    auto& cells = activeSheet().cells;
    std::map<std::pair<int, int>, std::string> moved;
    for (auto& [key, value] : cells) {
        const bool inColumns = key.second >= from.column && key.second <= to.column;
        if (inColumns && key.first >= from.row)
            moved[{key.first + height, key.second}] = value;
        else
            moved[key] = value;
    }
    cells = std::move(moved);
}

void FakeSpreadsheetHost::setTextFormat(CellRef from, CellRef to)
{
    operation();
    for (int r = from.row; r <= to.row; ++r)
        for (int c = from.column; c <= to.column; ++c)
            activeSheet().textFormat[{r, c}] = true;
}

void FakeSpreadsheetHost::setCentred(CellRef, CellRef) { operation(); }
void FakeSpreadsheetHost::setWrapText(CellRef, CellRef) { operation(); }

double FakeSpreadsheetHost::columnWidth(int column)
{
    operation();
    auto& widths = activeSheet().columnWidths;
    auto it = widths.find(column);
    return it == widths.end() ? 8.38 : it->second;
}

void FakeSpreadsheetHost::setColumnWidth(int column, double characters)
{
    operation();
    activeSheet().columnWidths[column] = characters;
}

double FakeSpreadsheetHost::rowHeight(int row)
{
    operation();
    auto& heights = activeSheet().rowHeights;
    auto it = heights.find(row);
    return it == heights.end() ? 13.5 : it->second;
}

void FakeSpreadsheetHost::setRowHeight(int row, double points)
{
    operation();
    activeSheet().rowHeights[row] = points;
}

void FakeSpreadsheetHost::setSheetFont(const std::string&, double) { operation(); }

sheet::PageMargins FakeSpreadsheetHost::pageMargins()
{
    operation();
    return activeSheet().margins;
}

void FakeSpreadsheetHost::setPageMargins(const sheet::PageMargins& margins)
{
    operation();
    activeSheet().margins = margins;
}

sheet::WindowRect FakeSpreadsheetHost::mainWindowRect()
{
    operation();
    return windowRect;
}

void FakeSpreadsheetHost::setMainWindowRect(const sheet::WindowRect& rect)
{
    operation();
    windowRect = rect;
}

void FakeSpreadsheetHost::raiseMainWindow() { operation(); }

}  // namespace testing_support
