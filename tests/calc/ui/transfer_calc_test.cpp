// "転送" against a real headless office that dies in the middle of a transfer.

#include "office_fixture.h"

#include "app/program_state.h"
#include "sheet/ui/sheet_messages.h"
#include "sheet/ui/transfer_command.h"
#include "sheet/ui/transfer_panel.h"
#include "support/cp932_literals.h"
#include "support/ui/scripted_dialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using calc_testing::DyingHost;
using calc_testing::TestOffice;

TEST(TransferOnCalc, AnOfficeDyingMidTransferIsReportedAndANewOneTakesTheNextTransfer)
{
    QWidget window;
    auto* panel = new sheet::ui::TransferPanel(&window);
    TestOffice office;
    DyingHost host(office.hostOptions(), office);
    office.start(host);
    host.newWorkbook();

    app::ProgramState state;
    state.list.setLayout(marking_list::CountBoxMode::OneBox);
    for (int i = 1; i <= 6; ++i)
        state.list.appendRow({sj("端子") + std::to_string(i), "2", ""});
    testing_support::ScriptedDialogs dialogs;
    sheet::ui::TransferCommand command(state, host, dialogs, *panel);
    panel->setInsertMode(true);
    panel->setSpacing(1);
    panel->columnBox()->setText(QStringLiteral("B"));
    panel->rowBox()->setText(QStringLiteral("2"));

    host.killAtWrite = 4;
    panel->transferButton()->click();
    EXPECT_EQ(dialogs.informed, QStringList{sheet::ui::messages::spreadsheetBusy()});
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(state.list.rowCount(), 6) << "the list is untouched";

    // A new office on the same pipe: the program goes on without a restart.
    dialogs.informed.clear();
    office.start(host);
    host.newWorkbook();
    host.killAtWrite = -1;
    panel->setSpacing(0);
    panel->transferButton()->click();
    EXPECT_TRUE(dialogs.informed.isEmpty());
    EXPECT_EQ(host.cellText({2, 7}), sj("端子6"));
    EXPECT_EQ(host.cellText({3, 7}), "2");
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("8"));
}

}  // namespace
