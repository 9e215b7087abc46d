#pragma once

#include <QObject>

#include <memory>

namespace sheet::ui {
class SheetBoxBinding;
class SheetLinkView;
class SpreadsheetFollow;
class WorkbookCommands;
}  // namespace sheet::ui

namespace app::ui {

class OrangeWindow;

// Joins the orange-mode window to the spreadsheet: the workbook buttons, the sheet box, the
// spreadsheet's events with the follow timer, the spreadsheet steps each time the window is
// shown, and the close of the active workbook and the spreadsheet when the program ends.
class SpreadsheetHookup final : public QObject {
    Q_OBJECT
public:
    explicit SpreadsheetHookup(OrangeWindow& window);
    ~SpreadsheetHookup() override;

    sheet::ui::SheetLinkView& view() { return *view_; }
    sheet::ui::WorkbookCommands& commands() { return *commands_; }
    sheet::ui::SheetBoxBinding& sheetBox() { return *sheetBox_; }
    sheet::ui::SpreadsheetFollow& follow() { return *follow_; }

    // The window has become visible: link and dock a visible spreadsheet and show its
    // sheets and active cell, or show that there is none.
    void windowShown();
    // The user confirmed the end of the program: the active workbook closes (the spreadsheet
    // asks about unsaved changes itself) and the spreadsheet quits; failures are ignored.
    void programQuitting();

private:
    OrangeWindow& window_;
    std::unique_ptr<sheet::ui::SheetLinkView> view_;
    sheet::ui::WorkbookCommands* commands_;
    sheet::ui::SheetBoxBinding* sheetBox_;
    sheet::ui::SpreadsheetFollow* follow_;
};

// Creates the hookup as a child of the window.
SpreadsheetHookup& attachSpreadsheet(OrangeWindow& window);

}  // namespace app::ui
