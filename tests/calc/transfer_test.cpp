#include "office_fixture.h"

#include "sheet/transfer.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using calc_testing::CalcSuite;
using marking_list::CountBoxMode;
using marking_list::MarkingList;
using sheet::CellRef;
using sheet::TransferRequest;

namespace {

using Block = std::vector<std::vector<std::string>>;

class CalcTransferTest : public CalcSuite {
protected:
    void fill(CountBoxMode mode, const Block& rows)
    {
        list.setLayout(mode);
        for (const auto& r : rows)
            list.appendRow(r);
    }
    sheet::TransferResult transfer(TransferRequest request)
    {
        return sheet::runTransfer(host(), list, request);
    }
    MarkingList list;
};

}  // namespace

TEST_F(CalcTransferTest, EverySpacingWritesTheBlockAndMovesTheTarget)
{
    fill(CountBoxMode::ThreeBox,
         {{"R1", "1", "", "2", ""}, {sj("盤【1】"), "", "3", "", "5"}, {"0042", "", "", "", ""}});
    for (int spacing = 0; spacing <= 3; ++spacing) {
        SCOPED_TRACE(spacing);
        const int column = 1 + spacing * 6;
        const auto result = transfer({column, 2, spacing, false, false, false});
        ASSERT_TRUE(result.done);
        const int step = spacing + 1;
        EXPECT_EQ(result.nextRow, 2 + 3 * step);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(host().blockText({column, 2 + i * step}, {column + 4, 2 + i * step}),
                      Block{list.row(i + 1)});
        if (spacing > 0) {
            EXPECT_EQ(host().cellText({column, 3}), "");  // the rows between stay empty
        }
        EXPECT_EQ(host().activeCell(), (CellRef{column, result.nextRow}));
        // Text columns keep "0042" as it is, counts go in as numbers; the block is centred.
        EXPECT_EQ(host().cellStyle({column, 2}).numberFormat, "@");
        EXPECT_EQ(host().cellStyle({column + 4, 2}).numberFormat, "@");
        EXPECT_NE(host().cellStyle({column + 1, 2}).numberFormat, "@");
        EXPECT_TRUE(host().cellStyle({column + 2, 2}).centred);
    }
}

TEST_F(CalcTransferTest, InsertModeMovesOnlyTheBlockColumnsDown)
{
    host().setBlockText({1, 1}, Block{{"a1", "b1", "c1", "d1"}});
    fill(CountBoxMode::OneBox, {{"X", "1", ""}, {"Y", "", ""}});
    ASSERT_TRUE(transfer({1, 1, 0, true, false, false}).done);
    EXPECT_EQ(host().blockText({1, 1}, {4, 3}),
              (Block{{"X", "1", "", "d1"}, {"Y", "", "", ""}, {"a1", "b1", "c1", ""}}));

    // Without counts or numbering only the text column moves.
    list.clear();
    fill(CountBoxMode::OneBox, {{"Z", "", ""}});
    ASSERT_TRUE(transfer({2, 1, 0, true, false, false}).done);
    EXPECT_EQ(host().blockText({1, 1}, {3, 2}), (Block{{"X", "Z", ""}, {"Y", "1", ""}}));
}

TEST_F(CalcTransferTest, ReverseOrderAndTheWidthLink)
{
    fill(CountBoxMode::Text, {{"A1", ""}, {"A2", ""}, {"ABCDEFGHIJ", ""}});
    host().setColumnWidth(2, 8.43);
    host().setColumnWidth(3, 13);
    ASSERT_TRUE(transfer({2, 1, 0, false, true, true}).done);
    EXPECT_EQ(host().blockText({2, 1}, {2, 3}), (Block{{"ABCDEFGHIJ"}, {"A2"}, {"A1"}}));
    EXPECT_NEAR(host().columnWidth(2), 12, 0.01);  // 10 bytes + 2

    ASSERT_TRUE(transfer({3, 1, 0, false, true, false}).done);
    EXPECT_NEAR(host().columnWidth(3), 13, 0.01);  // wide enough already
}
