#include "marking_list/marking_list.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using marking_list::CountBoxMode;
using marking_list::MarkingList;

TEST(MarkingList, AppendsUntilFull)
{
    MarkingList list;
    EXPECT_EQ(list.nextFreeRow(), 1);
    for (int i = 1; i <= 1000; ++i)
        ASSERT_TRUE(list.appendRow({std::to_string(i), "1", ""}));
    EXPECT_EQ(list.nextFreeRow(), 1001);
    EXPECT_FALSE(list.appendRow({"x", "1", ""}));
    EXPECT_EQ(list.cell(1, 1000), "1000");
}

TEST(MarkingList, RecomputeLooksAtColumnsOneToThreeOnly)
{
    MarkingList list;
    list.setLayout(CountBoxMode::ThreeBox);
    list.setCell(1, 1, "A");
    list.setCell(1, 2, "B");
    list.setCell(4, 3, "5");  // a count in the second wire size only
    list.setCell(5, 4, "F");
    EXPECT_EQ(list.recomputeNextFreeRow(), 3);
    list.setCell(2, 7, "1");
    EXPECT_EQ(list.recomputeNextFreeRow(), 8);  // an empty row 3..6 inside the list stays
}

TEST(MarkingList, FullWidthLooksAtTheFirstHundredRows)
{
    MarkingList list;
    for (int i = 1; i <= 101; ++i)
        list.appendRow({"A", "1", ""});
    list.setCell(1, 101, sj("漢字"));
    EXPECT_FALSE(list.examineFullWidth().fullWidth);
    EXPECT_TRUE(list.anyRowFullWidth());
    list.setCell(1, 50, sj("【1】A"));
    auto state = list.examineFullWidth();
    EXPECT_FALSE(state.fullWidth);
    EXPECT_TRUE(state.numberingPresent);
    list.setCell(1, 2, sj("表"));
    state = list.examineFullWidth();
    EXPECT_TRUE(state.fullWidth);
    EXPECT_FALSE(state.numberingPresent);  // the pass stops at row 2
}

TEST(MarkingList, SnapshotRoundTrip)
{
    MarkingList list;
    list.appendRow({"A", "1", ""});
    list.appendRow({"", "", ""});
    list.appendRow({sj("【1】B"), "2", "F"});
    const std::string image = list.snapshot(2);
    EXPECT_EQ(image, "2\r\nA\t1\t\r\n\t\t\r\n" + sj("【1】B") + "\t2\tF");
    list.clear();
    EXPECT_EQ(list.restoreSnapshot(image), 2);
    EXPECT_EQ(list.nextFreeRow(), 4);
    EXPECT_EQ(list.cell(3, 3), "F");
}

TEST(MarkingList, RestoreDropsFieldsPastTheLayout)
{
    MarkingList list;
    list.setLayout(CountBoxMode::Text);
    EXPECT_EQ(list.restoreSnapshot("1\r\na\tb\tc"), 1);
    EXPECT_EQ(list.cell(2, 1), "b");
    EXPECT_EQ(list.cell(3, 1), "");
    EXPECT_EQ(list.nextFreeRow(), 2);
    EXPECT_EQ(list.restoreSnapshot("7"), 7);
    EXPECT_TRUE(list.isEmpty());
}

TEST(MarkingList, InsertReturnsRowsPushedPastTheEnd)
{
    MarkingList list;
    for (int i = 1; i <= 999; ++i)
        list.appendRow({std::to_string(i), "1", ""});
    const auto dropped = list.insertEmptyRows(5, 3);
    ASSERT_EQ(dropped.size(), 2u);
    EXPECT_EQ(dropped[0][0], "998");
    EXPECT_EQ(list.cell(1, 5), "");
    EXPECT_EQ(list.cell(1, 8), "5");
    EXPECT_EQ(list.cell(1, 1000), "997");
}

TEST(MarkingList, RemoveAndMoveRows)
{
    MarkingList list;
    for (const char* t : {"A", "B", "C", "D", "E"})
        list.appendRow({t, "1", ""});
    list.moveRow(5, 2);
    EXPECT_EQ(list.cell(1, 2), "E");
    EXPECT_EQ(list.cell(1, 3), "B");
    list.removeRows(1, 2);
    EXPECT_EQ(list.cell(1, 1), "B");
    EXPECT_EQ(list.cell(1, 4), "");
    EXPECT_EQ(list.recomputeNextFreeRow(), 4);
}

TEST(MarkingList, BatchNotifiesOnce)
{
    MarkingList list;
    int notifications = 0;
    marking_list::ListChange last;
    list.setChangeListener([&](const marking_list::ListChange& c) {
        ++notifications;
        last = c;
    });
    {
        MarkingList::Batch batch(list);
        for (int i = 1; i <= 1000; ++i)
            list.appendRow({"A", "1", ""});
    }
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(last.firstRow, 1);
    EXPECT_EQ(last.lastRow, 1000);
}
