#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sheet {

// Every failure of the spreadsheet application (busy, a cell being edited, the application
// gone, a refused name) arrives as this one type; the calling command catches it.
class SpreadsheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A cell by 1-based column and row numbers.
struct CellRef {
    int column = 1;
    int row = 1;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// Rows of the current selection: the first row and how many.
struct RowSpan {
    int firstRow = 1;
    int rowCount = 1;
};

// A screen rectangle in pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct PageMargins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// What happens in the spreadsheet application, as the program hears of it.
enum class SpreadsheetEventKind {
    SheetActivate,
    SheetSelectionChange,
    SheetChange,
    WorkbookActivate,
    WorkbookBeforeClose,  // the listener may cancel it
    WorkbookBeforePrint,
};

struct SpreadsheetEvent {
    SpreadsheetEventKind kind;
    std::string workbookName;  // CP932
    std::string sheetName;     // CP932
};

// What the program needs of a spreadsheet application. All texts are CP932. Every operation
// may throw SpreadsheetError. Events are delivered on the user-interface thread.
class SpreadsheetHost {
public:
    virtual ~SpreadsheetHost() = default;

    // Application
    virtual bool isRunning() const = 0;
    virtual bool isVisible() const = 0;
    virtual void show() = 0;  // visible and redrawing
    virtual void maximizeActiveWindow() = 0;
    virtual CellRef activeCell() = 0;
    virtual std::string activeCellValue() = 0;
    virtual RowSpan selectedRows() = 0;
    // Makes these keys do nothing inside the spreadsheet ("{BS}", "{DELETE}", "{F1}".."{F12}").
    virtual void makeKeysInert(const std::vector<std::string>& keys) = 0;
    virtual void quit() = 0;

    // Workbooks
    virtual void openWorkbook(const std::string& path) = 0;  // path in UTF-8
    virtual void newWorkbook() = 0;
    virtual bool hasActiveWorkbook() = 0;
    virtual std::string activeWorkbookName() = 0;
    // Closes the active workbook; the application asks about unsaved changes itself.
    virtual void closeActiveWorkbook() = 0;

    // Sheets of the active workbook
    virtual std::vector<std::string> sheetNames() = 0;
    virtual std::string activeSheetName() = 0;
    // Renames the active sheet; a used or invalid name throws.
    virtual void renameActiveSheet(const std::string& name) = 0;
    virtual void activateSheet(const std::string& name) = 0;
    virtual void selectRange(CellRef from, CellRef to) = 0;

    // Cells of the active sheet, as text
    virtual std::string cellText(CellRef cell) = 0;
    virtual void setCellText(CellRef cell, const std::string& text) = 0;
    // A block of rows × columns from `from` to `to`, both corners included, in one call.
    virtual std::vector<std::vector<std::string>> blockText(CellRef from, CellRef to) = 0;
    // Writes rows of cells with `topLeft` as their first cell, in one call; text stays text.
    virtual void setBlockText(CellRef topLeft, const std::vector<std::vector<std::string>>& rows) = 0;
    // The same in one call, as a paste of the texts would enter them: in the columns marked
    // in `numberColumns` (by their index in a row) a text that reads as a plain decimal
    // number ("12", "-3.5") becomes a number; every other cell keeps its text.
    virtual void pasteBlockText(CellRef topLeft, const std::vector<std::vector<std::string>>& rows,
                                const std::vector<bool>& numberColumns) = 0;
    // Inserts cells over the range, moving the cells below down.
    virtual void insertCellsShiftDown(CellRef from, CellRef to) = 0;

    // Formats
    virtual void setTextFormat(CellRef from, CellRef to) = 0;  // "@"
    virtual void setCentred(CellRef from, CellRef to) = 0;     // horizontal and vertical
    virtual void setWrapText(CellRef from, CellRef to) = 0;
    virtual double columnWidth(int column) = 0;                // characters
    virtual void setColumnWidth(int column, double characters) = 0;
    virtual double rowHeight(int row) = 0;                     // points
    virtual void setRowHeight(int row, double points) = 0;
    virtual void setSheetFont(const std::string& name, double size) = 0;
    virtual PageMargins pageMargins() = 0;                     // points
    virtual void setPageMargins(const PageMargins& margins) = 0;

    // The application's main window
    virtual WindowRect mainWindowRect() = 0;
    virtual void setMainWindowRect(const WindowRect& rect) = 0;
    virtual void raiseMainWindow() = 0;

    // Events. A WorkbookBeforeClose listener returns true to cancel the close; the return
    // value of other events is ignored.
    using EventListener = std::function<bool(const SpreadsheetEvent&)>;
    virtual void setEventListener(EventListener listener) = 0;
    // While set, the user cannot close a workbook or the application from the spreadsheet's
    // own window (the program is docked and linked); closes made through this host still
    // work. An application that cannot wait for the listener's answer decides from this.
    virtual void setUserCloseRefused(bool refused) = 0;
};

}  // namespace sheet
