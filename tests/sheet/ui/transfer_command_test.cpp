#include "sheet/ui/transfer_boxes.h"
#include "sheet/ui/transfer_command.h"
#include "sheet/ui/transfer_panel.h"

#include "app/program_state.h"
#include "sheet/ui/sheet_messages.h"
#include "support/fake_spreadsheet_host.h"
#include "support/ui/scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using marking_list::CountBoxMode;
using sheet::CellRef;
using Answer = platform::Dialogs::Answer;

namespace {

class TransferCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        panel = new sheet::ui::TransferPanel(window.get());
        auto* generator = new QLineEdit(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(generator);
        layout->addWidget(panel);
        new sheet::ui::TransferBoxes(*panel, dialogs);
        command = new sheet::ui::TransferCommand(state, host, dialogs, *panel);
        command->setBackToGenerator([this, generator] {
            ++backToGenerator;
            generator->setFocus();
        });
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void fill(CountBoxMode mode, const std::vector<std::vector<std::string>>& rows)
    {
        state.list.setLayout(mode);
        for (const auto& r : rows)
            state.list.appendRow(r);
    }
    void target(const QString& column, const QString& row)
    {
        panel->columnBox()->setText(column);
        panel->rowBox()->setText(row);
    }
    std::string at(int column, int row) { return host.cellText({column, row}); }

    testing_support::FakeSpreadsheetHost host;
    testing_support::ScriptedDialogs dialogs;
    app::ProgramState state;
    std::unique_ptr<QWidget> window;
    sheet::ui::TransferPanel* panel = nullptr;
    sheet::ui::TransferCommand* command = nullptr;
    int backToGenerator = 0;
};

TEST_F(TransferCommandTest, OverwriteQuestionThenTheBlockAndTheNextTargetRow)
{
    fill(CountBoxMode::OneBox, {{"R1", "2", "1"}, {"R2", "", ""}, {"R3", "3", "5"}});
    target(QStringLiteral("A"), QStringLiteral("5"));
    dialogs.answers = {Answer::Yes};
    panel->transferButton()->click();

    EXPECT_EQ(dialogs.asked, QStringList{sheet::ui::messages::confirmOverwrite()});
    EXPECT_EQ(at(1, 5), "R1");
    EXPECT_EQ(at(3, 7), "5");
    EXPECT_EQ(host.blockWrites, 1);
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("8"));
    EXPECT_EQ(host.active, (CellRef{1, 8}));
    EXPECT_EQ(backToGenerator, 1);
    EXPECT_TRUE(state.spreadsheet.dockingRunning);

    // The next transfer follows below, with the spacing chosen; a number in the column box
    // names its column.
    panel->setSpacing(1);
    target(QStringLiteral("27"), panel->rowBox()->text());
    dialogs.answers = {Answer::Yes};
    panel->transferButton()->click();
    EXPECT_EQ(at(27, 8), "R1");
    EXPECT_EQ(at(27, 10), "R2");
    EXPECT_EQ(at(27, 12), "R3");
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("14"));
}

TEST_F(TransferCommandTest, CancelledOverwriteWritesNothingAndKeepsDocking)
{
    fill(CountBoxMode::OneBox, {{"R1", "", ""}});
    target(QStringLiteral("B"), QStringLiteral("2"));
    state.spreadsheet.dockingRunning = true;
    panel->transferButton()->click();  // the question is answered Cancel

    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(host.blockWrites, 0);
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(backToGenerator, 0);
    EXPECT_TRUE(state.spreadsheet.dockingRunning);
}

TEST_F(TransferCommandTest, InsertModeAsksNothingAndShiftsTheCellsBelow)
{
    fill(CountBoxMode::OneBox, {{"R1", "", ""}, {"R2", "", ""}});
    host.setCellText({1, 1}, "old");
    panel->setInsertMode(true);
    target(QStringLiteral("A"), QStringLiteral("1"));
    panel->transferButton()->click();

    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(at(1, 1), "R1");
    EXPECT_EQ(at(1, 3), "old");
}

TEST_F(TransferCommandTest, NothingToDoReturnsToTheGeneratorWithoutAQuestion)
{
    struct Case {
        const char* name;
        bool rows;
        bool visible;
        QString column;
    };
    const Case cases[] = {{"empty list", false, true, QStringLiteral("A")},
                          {"spreadsheet not visible", true, false, QStringLiteral("A")},
                          {"empty column box", true, true, QString()}};
    for (const Case& c : cases) {
        state.list.clear();
        if (c.rows)
            fill(CountBoxMode::OneBox, {{"R1", "", ""}});
        host.visible = c.visible;
        target(c.column, QStringLiteral("1"));
        backToGenerator = 0;
        panel->transferButton()->click();
        EXPECT_TRUE(dialogs.asked.isEmpty()) << c.name;
        EXPECT_EQ(host.blockWrites, 0) << c.name;
        EXPECT_EQ(backToGenerator, 1) << c.name;
    }
}

TEST_F(TransferCommandTest, ActiveCellPastTheLastColumnAsksFirst)
{
    fill(CountBoxMode::OneBox, {{"R1", "", ""}});
    panel->setInsertMode(true);
    target(QStringLiteral("A"), QStringLiteral("1"));
    host.active = {101, 1};
    panel->transferButton()->click();  // Cancel
    EXPECT_EQ(dialogs.asked, QStringList{sheet::ui::messages::confirmTargetBeyondLastColumn()});
    EXPECT_EQ(host.blockWrites, 0);

    dialogs.answers = {Answer::Yes};
    panel->transferButton()->click();
    EXPECT_EQ(at(1, 1), "R1");  // the boxes name the target, not the active cell
}

TEST_F(TransferCommandTest, FailureIsReportedAndKeepsWhatWasWritten)
{
    fill(CountBoxMode::OneBox, {{"R1", "", ""}, {"R2", "", ""}, {"R3", "", ""}});
    panel->setInsertMode(true);
    panel->setSpacing(2);
    target(QStringLiteral("A"), QStringLiteral("1"));
    // Active cell, select, insert, format, centre, row 1, row 2; the third row fails.
    host.failAfter = 7;
    panel->reverseTransferAction()->setEnabled(true);
    panel->reverseTransferAction()->trigger();
    EXPECT_EQ(dialogs.informed, QStringList{sheet::ui::messages::spreadsheetBusy()});
    EXPECT_EQ(at(1, 1), "R3");
    EXPECT_EQ(at(1, 4), "R2");
    EXPECT_EQ(at(1, 7), "");
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("1"));
    EXPECT_TRUE(state.spreadsheet.dockingRunning);

    // The reverse order ended with the failed transfer.
    dialogs.informed.clear();
    panel->setSpacing(0);
    target(QStringLiteral("C"), QStringLiteral("1"));
    panel->transferButton()->click();
    EXPECT_TRUE(dialogs.informed.isEmpty());
    EXPECT_EQ(at(3, 1), "R1");
}

TEST_F(TransferCommandTest, ReverseTransferFromThePanelMenu)
{
    fill(CountBoxMode::Text, {{"A1", ""}, {"A2", ""}, {"A3", ""}});
    panel->setInsertMode(true);
    target(QStringLiteral("A"), QStringLiteral("1"));
    panel->reverseTransferAction()->setEnabled(true);
    panel->reverseTransferAction()->trigger();
    EXPECT_EQ(at(1, 1), "A3");
    EXPECT_EQ(at(1, 2), "A2");
    EXPECT_EQ(at(1, 3), "A1");
}

TEST_F(TransferCommandTest, WidthLinkIsOffInTheTextLayout)
{
    panel->widthLinkBox()->setChecked(true);
    panel->followLayout(CountBoxMode::Text);
    EXPECT_FALSE(panel->widthLinkBox()->isChecked());
    EXPECT_FALSE(panel->widthLinkBox()->isEnabled());
    panel->followLayout(CountBoxMode::ThreeBox);
    EXPECT_TRUE(panel->widthLinkBox()->isEnabled());
}

}  // namespace
