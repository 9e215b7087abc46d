#pragma once

#include "sheet/spreadsheet_host.h"

namespace sheet {

// The spreadsheet host of a build without a spreadsheet application: never running or
// visible, and every operation fails as a missing application would.
class NoSpreadsheetHost final : public SpreadsheetHost {
public:
    bool isRunning() const override { return false; }
    bool isVisible() const override { return false; }
    void show() override { fail(); }
    void maximizeActiveWindow() override { fail(); }
    CellRef activeCell() override { fail(); }
    std::string activeCellValue() override { fail(); }
    RowSpan selectedRows() override { fail(); }
    void makeKeysInert(const std::vector<std::string>&) override { fail(); }
    void quit() override {}

    void openWorkbook(const std::string&) override { fail(); }
    void newWorkbook() override { fail(); }
    bool hasActiveWorkbook() override { return false; }
    std::string activeWorkbookName() override { fail(); }
    void closeActiveWorkbook() override { fail(); }

    std::vector<std::string> sheetNames() override { fail(); }
    std::string activeSheetName() override { fail(); }
    void renameActiveSheet(const std::string&) override { fail(); }
    void activateSheet(const std::string&) override { fail(); }
    void selectRange(CellRef, CellRef) override { fail(); }

    std::string cellText(CellRef) override { fail(); }
    void setCellText(CellRef, const std::string&) override { fail(); }
    std::vector<std::vector<std::string>> blockText(CellRef, CellRef) override { fail(); }
    void setBlockText(CellRef, const std::vector<std::vector<std::string>>&) override { fail(); }
    void pasteBlockText(CellRef, const std::vector<std::vector<std::string>>&,
                        const std::vector<bool>&) override
    {
        fail();
    }
    void insertCellsShiftDown(CellRef, CellRef) override { fail(); }

    void setTextFormat(CellRef, CellRef) override { fail(); }
    void setCentred(CellRef, CellRef) override { fail(); }
    void setWrapText(CellRef, CellRef) override { fail(); }
    double columnWidth(int) override { fail(); }
    void setColumnWidth(int, double) override { fail(); }
    double rowHeight(int) override { fail(); }
    void setRowHeight(int, double) override { fail(); }
    void setSheetFont(const std::string&, double) override { fail(); }
    PageMargins pageMargins() override { fail(); }
    void setPageMargins(const PageMargins&) override { fail(); }

    WindowRect mainWindowRect() override { fail(); }
    void setMainWindowRect(const WindowRect&) override { fail(); }
    void raiseMainWindow() override { fail(); }

    void setEventListener(EventListener) override {}
    void setUserCloseRefused(bool) override {}

private:
    [[noreturn]] static void fail() { throw SpreadsheetError("no spreadsheet application"); }
};

}  // namespace sheet
