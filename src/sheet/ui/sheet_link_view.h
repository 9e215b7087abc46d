#pragma once

#include "app/program_state.h"
#include "sheet/spreadsheet_host.h"

class QWidget;

namespace platform {
class Desktop;
}

namespace sheet::ui {

class TransferPanel;

// What the orange-mode window shows of the linked workbook and sheet, and the spreadsheet
// steps every workbook command shares: linking the active workbook and sheet, docking the
// spreadsheet beside the window, filling the sheet box, following the active cell. The
// steps that talk to the spreadsheet throw SpreadsheetError; the commands decide whether a
// failure is reported or ignored.
class SheetLinkView final {
public:
    SheetLinkView(app::SpreadsheetLink& link, SpreadsheetHost& host, platform::Desktop& desktop,
                  TransferPanel& panel, QWidget& window);
    SheetLinkView(const SheetLinkView&) = delete;
    SheetLinkView& operator=(const SheetLinkView&) = delete;

    app::SpreadsheetLink& link() { return link_; }
    SpreadsheetHost& host() { return host_; }
    TransferPanel& panel() { return panel_; }
    QWidget& window() { return window_; }

    // Asks the spreadsheet whether it is visible and keeps the answer for the state refresh.
    bool refreshVisible();

    // Remembers the active workbook and its active sheet as the linked ones.
    void linkActive();
    // The spreadsheet's main window beside the program window: from the work area's left-top
    // corner to the program window's frame, over the work area's height.
    WindowRect dockingRect() const;
    // Docks and shows the spreadsheet and maximises its active window (a failure of the
    // maximising, or of showing it once more after that, is ignored).
    void place();
    // The linked workbook in full view: the spreadsheet placed, the sheet box filled, the
    // program in front, the active cell followed, the workbook's menu items offered, and the
    // workbook linked with SheetLinkFlag on.
    void showLinkedWorkbook();
    // The sheet box lists the linked workbook's sheets and shows the active sheet's name,
    // which becomes the linked sheet.
    void fillSheetBox();
    // The transfer column and row boxes show the spreadsheet's active cell.
    void followCell();
    // No workbook linked: "エクセルシート", empty transfer boxes, the layout settings off.
    void showNoWorkbook();
    void bringProgramToFront();
    // SheetLinkFlag, which the spreadsheet also hears of: while on, the user's own closes
    // in the spreadsheet are refused.
    void setSheetLinkFlag(bool on);

private:
    app::SpreadsheetLink& link_;
    SpreadsheetHost& host_;
    platform::Desktop& desktop_;
    TransferPanel& panel_;
    QWidget& window_;
};

}  // namespace sheet::ui
