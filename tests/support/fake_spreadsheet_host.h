#pragma once

#include "sheet/spreadsheet_host.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// An in-memory spreadsheet application: workbooks of sheets of text cells. Set `failNext` or
// `busy` to make operations throw as a busy or vanished application would.
class FakeSpreadsheetHost final : public sheet::SpreadsheetHost {
public:
    struct Sheet {
        std::string name;
        std::map<std::pair<int, int>, std::string> cells;  // (row, column) -> text
        std::map<int, double> columnWidths;
        std::map<int, double> rowHeights;
        std::map<std::pair<int, int>, bool> textFormat;
        sheet::PageMargins margins;
    };
    struct Workbook {
        std::string name;
        std::vector<Sheet> sheets;
        int activeSheet = 0;
    };

    bool running = true;
    bool visible = true;
    bool busy = false;     // every operation throws while set
    int failAfter = -1;    // throw at the n-th operation from now (0 = the next one)
    std::vector<Workbook> workbooks;
    int activeWorkbook = -1;
    sheet::CellRef active{1, 1};
    sheet::RowSpan selection{1, 1};
    sheet::WindowRect windowRect;
    std::vector<std::string> inertKeys;
    int blockWrites = 0;  // calls of setBlockText and pasteBlockText
    int cellWrites = 0;   // calls of setCellText
    bool quitCalled = false;
    bool userCloseRefused = false;
    std::vector<std::string> openedPaths;

    FakeSpreadsheetHost();
    // No spreadsheet application at all: every operation fails, nothing is visible.
    static FakeSpreadsheetHost notRunning()
    {
        FakeSpreadsheetHost host;
        host.running = false;
        return host;
    }

    Workbook& workbook();
    Sheet& activeSheet();
    // Fires an event as the application would; returns the listener's answer.
    bool fire(sheet::SpreadsheetEventKind kind);

    bool isRunning() const override { return running; }
    bool isVisible() const override { return running && visible; }
    void show() override;
    void maximizeActiveWindow() override;
    sheet::CellRef activeCell() override;
    std::string activeCellValue() override;
    sheet::RowSpan selectedRows() override;
    void makeKeysInert(const std::vector<std::string>& keys) override;
    void quit() override;
    void openWorkbook(const std::string& path) override;
    void newWorkbook() override;
    bool hasActiveWorkbook() override;
    std::string activeWorkbookName() override;
    void closeActiveWorkbook() override;
    std::vector<std::string> sheetNames() override;
    std::string activeSheetName() override;
    void renameActiveSheet(const std::string& name) override;
    void activateSheet(const std::string& name) override;
    void selectRange(sheet::CellRef from, sheet::CellRef to) override;
    std::string cellText(sheet::CellRef cell) override;
    void setCellText(sheet::CellRef cell, const std::string& text) override;
    std::vector<std::vector<std::string>> blockText(sheet::CellRef from, sheet::CellRef to) override;
    void setBlockText(sheet::CellRef topLeft,
                      const std::vector<std::vector<std::string>>& rows) override;
    // Cells hold text only: a pasted block is kept as it is, as a written one.
    void pasteBlockText(sheet::CellRef topLeft, const std::vector<std::vector<std::string>>& rows,
                        const std::vector<bool>& numberColumns) override
    {
        setBlockText(topLeft, rows);
        pastedNumberColumns = numberColumns;
    }
    std::vector<bool> pastedNumberColumns;
    void insertCellsShiftDown(sheet::CellRef from, sheet::CellRef to) override;
    void setTextFormat(sheet::CellRef from, sheet::CellRef to) override;
    void setCentred(sheet::CellRef from, sheet::CellRef to) override;
    void setWrapText(sheet::CellRef from, sheet::CellRef to) override;
    double columnWidth(int column) override;
    void setColumnWidth(int column, double characters) override;
    double rowHeight(int row) override;
    void setRowHeight(int row, double points) override;
    void setSheetFont(const std::string& name, double size) override;
    sheet::PageMargins pageMargins() override;
    void setPageMargins(const sheet::PageMargins& margins) override;
    sheet::WindowRect mainWindowRect() override;
    void setMainWindowRect(const sheet::WindowRect& rect) override;
    void raiseMainWindow() override;
    void setEventListener(EventListener listener) override { listener_ = std::move(listener); }
    void setUserCloseRefused(bool refused) override { userCloseRefused = refused; }

private:
    void operation();  // throws when busy or when the countdown reaches zero
    EventListener listener_;
    int newWorkbookCounter_ = 0;
};

}  // namespace testing_support
