#pragma once

#include "calc/office_process.h"
#include "sheet/spreadsheet_host.h"

#include <functional>
#include <memory>

namespace calc {

// SpreadsheetHost on LibreOffice Calc, driven over UNO through a pipe connection.
//
// Connection: every operation attaches to the office listening on the options' pipe; if
// none is there, the operations that create or open a workbook start one (isRunning and
// the others only look). When the office dies, the call in flight and the calls after it
// throw SpreadsheetError; the next call attaches anew, so an office started again on the
// same pipe is picked up without restarting the program.
//
// Documents: LibreOffice keeps every document (text documents, presentations) in one
// process. The active workbook is the office's current component when it is a spreadsheet,
// otherwise the workbook this host worked on last. quit() ends the office only when it holds
// no document at all; otherwise it only lets go of it, so no document the program did not
// link is ever closed.
//
// Units: Calc keeps lengths in 1/100 mm. Column widths are converted with 195.8 hundredths
// of a millimetre per character, the rule Calc's own Excel filters use, so widths read and
// written here agree with a workbook's widths in Excel; row heights and page margins are
// points, 72 to the inch: points = hundredths × 72 / 2540.
//
// Threads: call the host from one thread (the UI thread). Calc's listeners run on the
// bridge's threads; their events are handed to `post`, which the UI makes a queued call
// onto its own thread. Without `post` events are delivered on the thread that hears them.
class CalcHost : public sheet::SpreadsheetHost {
public:
    struct Options {
        OfficeOptions office;
        // How long attaching to a starting office may take before it counts as failed.
        int connectTimeoutMs = 30000;
        // Runs a task on the UI thread later (a queued invocation).
        std::function<void(std::function<void()>)> post;
        // Called over and over on the calling thread while a call waits for the user to
        // answer a question of Calc's own (closing a modified workbook); the UI keeps
        // painting there and accepts no input. Other operations throw meanwhile.
        std::function<void()> whileWaiting;
    };

    // Makes the process ignore SIGPIPE (a dead office's pipe must not end the program).
    explicit CalcHost(Options options);
    ~CalcHost() override;
    CalcHost(const CalcHost&) = delete;
    CalcHost& operator=(const CalcHost&) = delete;

    // Attaches (starting the office when `startIfNeeded`); throws SpreadsheetError on failure.
    void attach(bool startIfNeeded);
    // Lets go of the office without ending it.
    void detach();
    // The office this host started, if it started one (its process id identifies it).
    OfficeProcess* ownOffice();

    // How a cell of the active sheet is formatted, for checking what the formatting
    // operations did.
    struct CellStyle {
        std::string numberFormat;  // the format code, "@" for text
        bool centred = false;      // horizontally and vertically
        bool wrapped = false;
    };
    CellStyle cellStyle(sheet::CellRef cell);
    // Documents of any kind the office holds.
    int documentCount();

    bool isRunning() const override;
    bool isVisible() const override;
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
    void pasteBlockText(sheet::CellRef topLeft, const std::vector<std::vector<std::string>>& rows,
                        const std::vector<bool>& numberColumns) override;
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

    void setEventListener(EventListener listener) override;
    void setUserCloseRefused(bool refused) override;

    class Impl;

private:
    // Whether the active sheet differs from the one of the last delivered selection.
    bool activeSheetMoved();
    std::unique_ptr<Impl> impl_;
};

}  // namespace calc
