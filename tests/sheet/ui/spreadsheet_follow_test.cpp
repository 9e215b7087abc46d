#include "sheet/ui/spreadsheet_follow.h"

#include "sheet_ui_fixture.h"

namespace {

using Kind = sheet::SpreadsheetEventKind;

class SpreadsheetFollowTest : public SheetUiTest {
protected:
    SpreadsheetFollowTest() : follow(*view)
    {
        host.setEventListener([this](const sheet::SpreadsheetEvent& e) { return follow.onEvent(e); });
        linkFirstWorkbook();
        window.show();
    }

    void runOut()
    {
        for (int i = 0; i < 10 && follow.timer().isActive(); ++i)
            follow.tick();
    }

    sheet::ui::SpreadsheetFollow follow;
};

TEST_F(SpreadsheetFollowTest, SelectionChangesAreFollowedWhileDockingRuns)
{
    host.active = {28, 7};
    host.fire(Kind::SheetSelectionChange);
    EXPECT_FALSE(follow.timer().isActive());

    state.spreadsheet.dockingRunning = true;
    host.fire(Kind::SheetSelectionChange);
    EXPECT_TRUE(follow.timer().isActive());
    EXPECT_EQ(follow.timer().interval(), 1);
    EXPECT_EQ(follow.ticksLeft(), 3);

    struct Case {
        sheet::CellRef cell;
        const char* column;
        const char* row;
    };
    for (const Case& c : {Case{{28, 7}, "AB", "7"}, Case{{102, 40}, "CV", "40"},
                          Case{{1, 1000}, "A", "1000"}}) {
        host.active = c.cell;
        follow.tick();
        EXPECT_EQ(panel->columnBox()->text(), QLatin1String(c.column));
        EXPECT_EQ(panel->rowBox()->text(), QLatin1String(c.row));
    }
    EXPECT_FALSE(follow.timer().isActive()) << "three ticks, then it stops";
}

TEST_F(SpreadsheetFollowTest, AnActivatedSheetIsShownAndLinked)
{
    host.workbooks.front().activeSheet = 2;
    host.fire(Kind::SheetActivate);
    EXPECT_EQ(follow.ticksLeft(), 1);
    runOut();
    EXPECT_EQ(state.spreadsheet.linkedSheet, sj("集計"));
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("集計"));
    EXPECT_EQ(sheetBoxItems().size(), 3);
}

TEST_F(SpreadsheetFollowTest, AnotherWorkbookComingToTheFrontFillsTheSheetBox)
{
    host.workbooks.push_back({"Other.xls", {{"Data", {}, {}, {}, {}, {}}, {"More", {}, {}, {}, {}, {}}}, 1});
    host.activeWorkbook = 1;
    host.fire(Kind::WorkbookActivate);
    runOut();
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "Other.xls");
    EXPECT_EQ(sheetBoxItems(), (QStringList{QStringLiteral("Data"), QStringLiteral("More")}));
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("More"));
}

TEST_F(SpreadsheetFollowTest, AFailureStopsTheTimerAtOnce)
{
    state.spreadsheet.dockingRunning = true;
    host.fire(Kind::SheetSelectionChange);
    host.failAfter = 0;
    follow.tick();
    EXPECT_FALSE(follow.timer().isActive());
    EXPECT_EQ(follow.ticksLeft(), 0);
}

TEST_F(SpreadsheetFollowTest, CloseRefusalPrintingAndChangesKeepTheFlags)
{
    state.spreadsheet.sheetLinkFlag = true;
    EXPECT_TRUE(host.fire(Kind::WorkbookBeforeClose));
    state.spreadsheet.sheetLinkFlag = false;
    EXPECT_FALSE(host.fire(Kind::WorkbookBeforeClose));

    state.spreadsheet.dockingRunning = true;
    host.fire(Kind::WorkbookBeforePrint);
    EXPECT_FALSE(state.spreadsheet.dockingRunning);
    EXPECT_TRUE(state.spreadsheet.printing);
    host.fire(Kind::SheetChange);
    EXPECT_FALSE(state.spreadsheet.dockingRunning) << "not while printing";

    state.spreadsheet.printing = false;
    host.fire(Kind::SheetChange);
    EXPECT_TRUE(state.spreadsheet.dockingRunning);
}

}  // namespace
