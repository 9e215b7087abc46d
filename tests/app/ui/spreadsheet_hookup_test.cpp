#include "app/ui/spreadsheet_hookup.h"

#include "app/ui/messages.h"
#include "app/ui/orange_window.h"
#include "sheet/ui/spreadsheet_follow.h"
#include "sheet/ui/transfer_panel.h"
#include "support/ui/orange_window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Answer = platform::Dialogs::Answer;

class SpreadsheetHookupTest : public testing_support::OrangeWindowFixture {
protected:
    SpreadsheetHookupTest() { spreadsheet.running = true; }
    void create()
    {
        createWindow();
        hookup = &app::ui::attachSpreadsheet(*window);
    }
    sheet::ui::TransferPanel& panel() const { return *window->transferPanel(); }

    app::ui::SpreadsheetHookup* hookup = nullptr;
};

TEST_F(SpreadsheetHookupTest, ShowingTheWindowLinksAndDocksAVisibleSpreadsheet)
{
    spreadsheet.workbooks.front().sheets.push_back({"Sheet2", {}, {}, {}, {}, {}});
    spreadsheet.workbooks.front().activeSheet = 1;
    spreadsheet.active = {27, 15};
    create();
    window->show();

    EXPECT_TRUE(dialogs.informed.isEmpty());
    EXPECT_EQ(panel().sheetBox()->count(), 2);
    EXPECT_EQ(panel().sheetBox()->currentText(), QStringLiteral("Sheet2"));
    EXPECT_EQ(panel().columnBox()->text(), QStringLiteral("AA"));
    EXPECT_EQ(panel().rowBox()->text(), QStringLiteral("15"));
    EXPECT_TRUE(panel().workbookLinked());
    EXPECT_EQ(spreadsheet.windowRect.width, desktop.area.width() - window->frameGeometry().width());
    EXPECT_EQ(spreadsheet.windowRect.height, desktop.area.height());
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "Book1");
    EXPECT_EQ(state.spreadsheet.linkedSheet, "Sheet2");
    EXPECT_TRUE(state.spreadsheet.visible);
    EXPECT_TRUE(state.spreadsheet.linked);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag);
    EXPECT_TRUE(spreadsheet.userCloseRefused);
    EXPECT_TRUE(state.spreadsheet.dockingRunning);
}

TEST_F(SpreadsheetHookupTest, WithoutAVisibleSpreadsheetThePanelSaysSo)
{
    spreadsheet.visible = false;
    state.spreadsheet.printing = true;
    create();
    window->show();
    EXPECT_EQ(panel().sheetBox()->currentText(), sheet::ui::TransferPanel::noSheetText());
    EXPECT_TRUE(panel().columnBox()->text().isEmpty());
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_FALSE(state.spreadsheet.dockingRunning) << "not while the spreadsheet prints";
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(SpreadsheetHookupTest, AFailureWhileShowingIsReportedAndTheWindowGoesOn)
{
    spreadsheet.busy = true;
    create();
    window->show();
    EXPECT_EQ(dialogs.informed,
              QStringList{QStringLiteral("エラーが発生しました。\r\n\r\nエクセルを閉じ、Velmoraを再起動してください。")});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SpreadsheetHookupTest, QuittingClosesTheActiveWorkbookAndTheSpreadsheet)
{
    create();
    window->show();
    ASSERT_TRUE(state.spreadsheet.sheetLinkFlag);
    dialogs.answers.push_back(Answer::Yes);  // "Velmoraを終了しますか？"
    window->close();
    EXPECT_TRUE(spreadsheet.workbooks.empty());
    EXPECT_TRUE(spreadsheet.quitCalled);
    EXPECT_FALSE(state.spreadsheet.sheetLinkFlag);
    EXPECT_FALSE(spreadsheet.userCloseRefused);
    EXPECT_FALSE(state.spreadsheet.dockingRunning);
}

TEST_F(SpreadsheetHookupTest, CancellingTheQuitLeavesTheSpreadsheetAlone)
{
    create();
    window->show();
    window->close();  // Cancel
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(spreadsheet.workbooks.size(), 1u);
    EXPECT_FALSE(spreadsheet.quitCalled);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag);
}

TEST_F(SpreadsheetHookupTest, TheButtonsAndTheEventsReachTheCommands)
{
    create();
    window->show();
    dialogs.fileNames.push_back(QStringLiteral("/tmp/data.xls"));
    panel().openButton()->click();
    EXPECT_EQ(spreadsheet.openedPaths, std::vector<std::string>{"/tmp/data.xls"});

    dialogs.answers.push_back(Answer::Yes);
    panel().closeButton()->click();
    EXPECT_EQ(dialogs.asked.last(), QStringLiteral("エクセルブック ( data.xls ) を閉じますか？"));
    EXPECT_EQ(spreadsheet.workbooks.size(), 1u);

    state.spreadsheet.dockingRunning = true;
    spreadsheet.fire(sheet::SpreadsheetEventKind::SheetSelectionChange);
    EXPECT_TRUE(hookup->follow().timer().isActive());
}

}  // namespace
