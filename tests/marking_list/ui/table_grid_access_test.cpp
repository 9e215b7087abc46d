#include "marking_list/ui/table_grid_access.h"

#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

using marking_list::CellRange;
using marking_list::ui::TableGridAccess;

namespace {

bool sameRange(const CellRange& a, const CellRange& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(TableGridAccess, SelectionRoundTripsAndClipsToTheModel)
{
    QStandardItemModel model(1000, 3);
    QTableView view;
    view.setModel(&model);
    view.resize(300, 200);
    TableGridAccess grid(view);

    EXPECT_TRUE(sameRange(grid.selection(), CellRange{}));
    grid.select({2, 5, 3, 7});
    EXPECT_TRUE(sameRange(grid.selection(), CellRange{2, 5, 3, 7}));
    EXPECT_EQ(view.currentIndex(), model.index(4, 1));

    grid.select({1, 999, 5, 1200});
    EXPECT_TRUE(sameRange(grid.selection(), CellRange{1, 999, 3, 1000}));

    grid.setTopVisibleRow(40);
    EXPECT_EQ(grid.topVisibleRow(), 40);
}
