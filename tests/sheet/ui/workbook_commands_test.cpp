#include "sheet/ui/workbook_commands.h"

#include "sheet/ui/sheet_messages.h"
#include "sheet_ui_fixture.h"

#include <QAction>
#include <QMenu>
#include <QStandardPaths>

namespace {

using Answer = platform::Dialogs::Answer;
using sheet::ui::WorkbookCommands;

class WorkbookCommandsTest : public SheetUiTest {
protected:
    WorkbookCommandsTest() : commands(state, *view, dialogs, [this] { ++focusReturns; }) {}

    int focusReturns = 0;
    WorkbookCommands commands;
};

TEST_F(WorkbookCommandsTest, OpenLinksTheWorkbookDocksTheSpreadsheetAndFollowsItsCell)
{
    window.resize(544, 700);
    desktop.area = QRect(0, 0, 1366, 728);
    dialogs.fileNames.push_back(QStringLiteral("/home/user/盤A.xls"));
    host.active = {28, 7};
    host.visible = false;

    commands.open();

    ASSERT_EQ(host.openedPaths.size(), 1u);
    EXPECT_EQ(host.openedPaths[0], "/home/user/盤A.xls");  // UTF-8 path
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(host.windowRect, (sheet::WindowRect{0, 0, 1366 - window.frameGeometry().width(), 728}));
    EXPECT_EQ(sheetBoxItems(), QStringList{QStringLiteral("Sheet1")});
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("Sheet1"));
    EXPECT_EQ(panel->columnBox()->text(), QStringLiteral("AB"));
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("7"));
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, sj("盤A.xls"));
    EXPECT_EQ(state.spreadsheet.linkedSheet, "Sheet1");
    EXPECT_TRUE(state.spreadsheet.linked);
    EXPECT_TRUE(state.spreadsheet.visible);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag);
    EXPECT_TRUE(host.userCloseRefused);
    EXPECT_FALSE(state.fileDialogOpen);
    EXPECT_TRUE(panel->workbookLinked());
    EXPECT_EQ(focusReturns, 1);
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

// An open dialog that notes what it was shown with.
class NotingDialogs final : public platform::Dialogs {
public:
    explicit NotingDialogs(const app::ProgramState& state) : state_(state) {}
    void inform(QWidget*, const QString&) override {}
    Answer ask(QWidget*, const QString&, Buttons) override { return Answer::Cancel; }
    std::optional<QString> openFileName(QWidget*, const QString& folder,
                                        const QStringList& filters) override
    {
        flagWhileShown = state_.fileDialogOpen;
        startFolder = folder;
        shownFilters = filters;
        return std::nullopt;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QStringList&,
                                        const QString&) override
    {
        return std::nullopt;
    }
    bool flagWhileShown = false;
    QString startFolder;
    QStringList shownFilters;

private:
    const app::ProgramState& state_;
};

TEST_F(WorkbookCommandsTest, TheOpenDialogStartsOnTheDesktopAndIsFlaggedWhileShown)
{
    NotingDialogs noting(state);
    WorkbookCommands opener(state, *view, noting, [] {});
    opener.open();
    EXPECT_TRUE(noting.flagWhileShown);
    EXPECT_FALSE(state.fileDialogOpen);
    EXPECT_EQ(noting.startFolder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    EXPECT_EQ(noting.shownFilters, (QStringList{QStringLiteral("Excelブック (*.xls *.xlsx *.ods)"),
                                                QStringLiteral("Excelブック (*.xls)")}));
}

TEST_F(WorkbookCommandsTest, OpenStopsWhileACellIsEditedAndWhenTheUserCancels)
{
    host.busy = true;
    dialogs.fileNames.push_back(QStringLiteral("/tmp/a.xls"));
    commands.open();
    EXPECT_EQ(dialogs.informed, QStringList{sheet::ui::messages::spreadsheetBusy()});
    EXPECT_EQ(dialogs.fileNames.size(), 1u) << "no dialog while the spreadsheet is busy";

    host.busy = false;
    dialogs.fileNames.clear();
    commands.open();
    EXPECT_TRUE(host.openedPaths.empty());
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_EQ(panel->sheetBox()->currentText(), sheet::ui::TransferPanel::noSheetText());
    EXPECT_EQ(dialogs.informed.size(), 1);
}

TEST_F(WorkbookCommandsTest, AWorkbookTheSpreadsheetCannotOpenIsPassedOverSilently)
{
    dialogs.fileNames.push_back(QStringLiteral("/tmp/broken.xls"));
    host.failAfter = 1;  // the active-cell check passes, opening fails
    commands.open();
    EXPECT_TRUE(dialogs.informed.isEmpty());
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_FALSE(state.spreadsheet.sheetLinkFlag);
    EXPECT_EQ(panel->sheetBox()->currentText(), sheet::ui::TransferPanel::noSheetText());
}

TEST_F(WorkbookCommandsTest, NewAdvisesThenLinksANewWorkbook)
{
    host.active = {3, 12};
    commands.createNew();
    EXPECT_EQ(dialogs.informed, QStringList{sheet::ui::messages::newWorkbookAdvice()});
    EXPECT_EQ(host.workbooks.size(), 2u);
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "Book2");
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("Sheet1"));
    EXPECT_EQ(panel->columnBox()->text(), QStringLiteral("C"));
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("12"));
    EXPECT_TRUE(state.spreadsheet.linked);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag);
    EXPECT_TRUE(panel->workbookLinked());
    EXPECT_EQ(focusReturns, 1);
}

TEST_F(WorkbookCommandsTest, NewOnABusySpreadsheetSaysSoAndLinksNothing)
{
    host.busy = true;
    commands.createNew();
    EXPECT_EQ(dialogs.informed, (QStringList{sheet::ui::messages::newWorkbookAdvice(),
                                             sheet::ui::messages::spreadsheetBusy()}));
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_FALSE(panel->workbookLinked());
}

TEST_F(WorkbookCommandsTest, ClosingTheOnlyWorkbookQuitsAndResetsThePanel)
{
    linkFirstWorkbook();
    view->followCell();
    view->setSheetLinkFlag(true);
    panel->setWorkbookLinked(true);
    dialogs.answers.push_back(Answer::Yes);

    commands.closeWorkbook();

    EXPECT_EQ(dialogs.asked,
              QStringList{QStringLiteral("エクセルブック ( Book1 ) を閉じますか？")});
    EXPECT_TRUE(host.quitCalled);
    EXPECT_EQ(panel->sheetBox()->currentText(), sheet::ui::TransferPanel::noSheetText());
    EXPECT_EQ(panel->sheetBox()->count(), 0);
    EXPECT_TRUE(panel->columnBox()->text().isEmpty());
    EXPECT_TRUE(panel->rowBox()->text().isEmpty());
    EXPECT_FALSE(panel->workbookLinked());
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_FALSE(state.spreadsheet.visible);  // "逆順で転送する" goes off with it
    EXPECT_FALSE(state.spreadsheet.sheetLinkFlag);
    EXPECT_FALSE(host.userCloseRefused);
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(WorkbookCommandsTest, ClosingOneOfTwoWorkbooksLinksTheNextOne)
{
    host.workbooks.push_back({"Other.xls", {{"Data", {}, {}, {}, {}, {}}}, 0});
    host.activeWorkbook = 1;
    linkFirstWorkbook();
    dialogs.answers.push_back(Answer::Yes);

    commands.closeWorkbook();

    EXPECT_EQ(dialogs.asked,
              QStringList{QStringLiteral("エクセルブック ( Other.xls ) を閉じますか？")});
    EXPECT_FALSE(host.quitCalled);
    ASSERT_EQ(host.workbooks.size(), 1u);
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "Book1");
    EXPECT_EQ(sheetBoxItems(), (QStringList{QStringLiteral("Sheet1"), QStringLiteral("Sheet2"),
                                            QStringLiteral("集計")}));
    EXPECT_TRUE(state.spreadsheet.linked);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag);
}

TEST_F(WorkbookCommandsTest, CancelKeepsTheWorkbookAndASecondCloseWaitsForTheGuard)
{
    linkFirstWorkbook();
    view->setSheetLinkFlag(true);

    commands.closeWorkbook();  // Cancel
    EXPECT_EQ(host.workbooks.size(), 1u);
    EXPECT_FALSE(host.quitCalled);
    EXPECT_TRUE(state.spreadsheet.sheetLinkFlag) << "the workbook stays linked and docked";
    EXPECT_TRUE(state.spreadsheet.closeInProgress);
    EXPECT_TRUE(commands.closeGuardTimer().isActive());
    EXPECT_TRUE(commands.closeGuardTimer().isSingleShot());
    EXPECT_EQ(commands.closeGuardTimer().interval(), 100);

    dialogs.answers.push_back(Answer::Yes);
    commands.closeWorkbook();  // ignored: the first is still in progress
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(host.workbooks.size(), 1u);

    commands.closeGuardTick();
    commands.closeWorkbook();
    EXPECT_EQ(dialogs.asked.size(), 2);
    EXPECT_TRUE(host.quitCalled);
}

TEST_F(WorkbookCommandsTest, CloseOnABusySpreadsheetAsksNothing)
{
    linkFirstWorkbook();
    host.busy = true;
    commands.closeWorkbook();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(dialogs.informed, QStringList{sheet::ui::messages::spreadsheetBusy()});
    host.busy = false;
    EXPECT_EQ(host.workbooks.size(), 1u);
    EXPECT_TRUE(state.spreadsheet.linked);
}

}  // namespace
