#include "office_fixture.h"

#include "sheet/transfer.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using calc_testing::DyingHost;
using calc_testing::TestOffice;
using marking_list::CountBoxMode;
using marking_list::MarkingList;
using sheet::SpreadsheetError;

namespace {

void fillThreeBox(MarkingList& list, int rows)
{
    list.setLayout(CountBoxMode::ThreeBox);
    for (int i = 1; i <= rows; ++i)
        list.appendRow({sj("線") + std::to_string(i), "1", "", "2", ""});
}

}  // namespace

TEST(OfficeLife, DeathInTheMiddleOfATransferIsReportedAndANewOfficeIsPickedUp)
{
    TestOffice office;
    DyingHost host(office.hostOptions(), office);
    office.start(host);
    host.newWorkbook();

    MarkingList list;
    fillThreeBox(list, 40);
    const std::string image = list.snapshot(1);
    host.killAtWrite = 10;
    const auto failed = sheet::runTransfer(host, list, {1, 1, 1, false, false, false});
    EXPECT_FALSE(failed.done);
    EXPECT_EQ(failed.rowsWritten, 9);
    EXPECT_EQ(list.snapshot(1), image) << "the list is untouched";
    EXPECT_FALSE(host.isRunning());
    EXPECT_THROW(host.cellText({1, 1}), SpreadsheetError);
    EXPECT_THROW(host.sheetNames(), SpreadsheetError);

    office.start(host);  // a new office on the same pipe and profile
    host.killAtWrite = -1;
    host.newWorkbook();
    const auto done = sheet::runTransfer(host, list, {2, 3, 0, false, false, false});
    ASSERT_TRUE(done.done);
    EXPECT_EQ(done.nextRow, 43);
    EXPECT_EQ(host.cellText({2, 42}), sj("線40"));
    EXPECT_EQ(host.cellText({5, 42}), "2");
}

TEST(OfficeLife, QuitLeavesAnOfficeThatHoldsOtherDocuments)
{
    TestOffice office;
    calc::CalcHost host(office.hostOptions());
    office.start(host);
    host.newWorkbook();
    const std::string other = host.activeWorkbookName();
    host.newWorkbook();
    ASSERT_EQ(host.documentCount(), 2);

    host.closeActiveWorkbook();
    EXPECT_EQ(host.documentCount(), 1);
    host.quit();
    EXPECT_FALSE(office.process().waitForExit(1000))
        << "the office still holds a document; it ended with " << office.process().exitCode();
    EXPECT_TRUE(host.isRunning());
    EXPECT_EQ(host.activeWorkbookName(), other);
}

TEST(OfficeLife, HostStartsAnOfficeAndQuitEndsItWhenEmpty)
{
    TestOffice office;  // its options only: the host starts the process itself
    calc::CalcHost host(office.hostOptions());
    EXPECT_FALSE(host.isRunning());
    EXPECT_THROW(host.sheetNames(), SpreadsheetError);

    host.newWorkbook();
    ASSERT_NE(host.ownOffice(), nullptr);
    EXPECT_GT(host.ownOffice()->pid(), 0);
    EXPECT_TRUE(host.isRunning());
    EXPECT_TRUE(host.isVisible());
    host.closeActiveWorkbook();
    host.quit();
    // Generous: a loaded machine may take a while to shut an office down.
    EXPECT_TRUE(host.ownOffice()->waitForExit(60000));
    EXPECT_FALSE(host.isRunning());
}
