#include "marking_list/ui/cell_delegate.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/marking_list_model.h"
#include "support/cp932_literals.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using marking_list::CountBoxMode;
using marking_list::ui::GridMenu;
using marking_list::ui::ListPanel;
using marking_list::ui::MarkingGrid;

namespace {

class MarkingGridTest : public ::testing::Test {
protected:
    app::ProgramState state;
    ListPanel panel{state};
    MarkingGrid* grid = panel.grid();

    void SetUp() override { panel.resize(420, 500); }

    void fill(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            state.list.appendRow({t, "1", ""});
    }
    QString header(int column) const
    {
        return grid->model()->headerData(column, Qt::Horizontal).toString();
    }
};

TEST_F(MarkingGridTest, ModelPassesTheItemModelTesterThroughEdits)
{
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill({"A", "B"});
    state.list.setLayout(CountBoxMode::ThreeBox);
    state.list.appendRow({"C", "1", "2", "3", "F"});
    state.list.removeRows(1, 1);
    EXPECT_EQ(grid->model()->columnCount(), 5);
    EXPECT_EQ(grid->model()->rowCount(), 1000);
    EXPECT_EQ(grid->model()->headerData(999, Qt::Vertical).toString(), QStringLiteral("1000"));
}

TEST_F(MarkingGridTest, LayoutsHaveTheirWidthsAndHeaders)
{
    struct Case {
        CountBoxMode mode;
        QList<int> widths;
        QStringList headers;
    };
    const Case cases[] = {
        {CountBoxMode::OneBox, {205, 40, 97},
         {QStringLiteral("　　  　マーキングデータ"), QStringLiteral("個数"),
          QStringLiteral("ナンバーリング")}},
        {CountBoxMode::ThreeBox, {160, 40, 40, 40, 60},
         {QStringLiteral("　　 マーキングデータ"), QStringLiteral(" 1.25"), QStringLiteral(" 2.0"),
          QStringLiteral(" 5.5"), QStringLiteral("ナンバー")}},
        {CountBoxMode::Text, {205, 135},
         {QStringLiteral("　　  　マーキングデータ"), QStringLiteral("        文字列")}},
    };
    EXPECT_EQ(grid->verticalHeader()->width(), 35);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        state.list.setLayout(c.mode);
        ASSERT_EQ(grid->model()->columnCount(), c.headers.size());
        for (int i = 0; i < c.headers.size(); ++i) {
            EXPECT_EQ(grid->columnWidth(i), c.widths.at(i));
            EXPECT_EQ(header(i), c.headers.at(i));
        }
    }
}

TEST_F(MarkingGridTest, EditorDropsWhatTheCellDoesNotTake)
{
    struct Case {
        CountBoxMode mode;
        int column;
        QString typed;
        bool kept;
    };
    const Case cases[] = {
        {CountBoxMode::OneBox, 3, QStringLiteral("G"), false},
        {CountBoxMode::OneBox, 3, QStringLiteral("F"), true},
        {CountBoxMode::OneBox, 2, QStringLiteral("F"), false},
        {CountBoxMode::ThreeBox, 2, QStringLiteral("F"), false},
        {CountBoxMode::ThreeBox, 5, QStringLiteral("F"), true},
        {CountBoxMode::OneBox, 1, QStringLiteral("線"), true},
        {CountBoxMode::OneBox, 1, QStringLiteral("한"), false},  // no CP932 form
        {CountBoxMode::Text, 2, QStringLiteral("G"), true},
    };
    state.gridMode = app::GridMode::Edit;
    grid->refreshEditTriggers();
    panel.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " in column " + std::to_string(c.column));
        state.list.setLayout(c.mode);
        const QModelIndex cell = grid->model()->index(0, c.column - 1);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        if (editor == nullptr)
            editor = grid->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, c.typed, Qt::NoModifier);
        EXPECT_EQ(editor->text(), c.kept ? c.typed : QString());
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the view commits Enter queued
        EXPECT_EQ(state.list.cell(c.column, 1), c.kept ? *text::toCp932(c.typed.toStdString())
                                                       : std::string());
        state.list.clear();
    }
}

TEST_F(MarkingGridTest, DraggingARowNumberMovesTheRowAndKeepsAnUndoPoint)
{
    fill({"R1", "R2", "R3", "R4", "R5"});
    state.listSnapshot = state.list.snapshot(1);
    const std::string before = state.listSnapshot;
    QSignalSpy hidden(&panel, &ListPanel::generatorUndoHidden);

    grid->verticalHeader()->moveSection(4, 1);  // row 5 above row 2

    EXPECT_EQ(state.list.row(2).front(), "R5");
    EXPECT_EQ(state.list.row(3).front(), "R2");
    EXPECT_EQ(grid->verticalHeader()->logicalIndex(1), 1);  // numbers still 1, 2, 3 ...
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(state.undoSnapshot, before);
    EXPECT_TRUE(panel.gridMenu().isWanted(GridMenu::Item::Undo));
    EXPECT_FALSE(panel.gridMenu().isWanted(GridMenu::Item::Redo));
    EXPECT_EQ(hidden.count(), 1);

    state.list.restoreSnapshot(state.undoSnapshot);  // what "元に戻す" restores
    EXPECT_EQ(state.list.row(2).front(), "R2");
    EXPECT_EQ(state.list.row(5).front(), "R5");
}

TEST_F(MarkingGridTest, FullWidthTextTurnsTheGridLightYellow)
{
    panel.show();
    const QPoint emptyCell = grid->visualRect(grid->model()->index(5, 1)).center();
    auto colourAt = [&] { return grid->viewport()->grab().toImage().pixelColor(emptyCell); };
    EXPECT_EQ(colourAt(), QColor(Qt::white));

    state.list.appendRow({sj("制御盤"), "1", ""});
    QApplication::processEvents();
    EXPECT_TRUE(state.fullWidthMode);
    EXPECT_EQ(colourAt(), QColor(255, 255, 202));

    state.list.clear();
    QApplication::processEvents();
    EXPECT_FALSE(state.fullWidthMode);
    EXPECT_EQ(colourAt(), QColor(Qt::white));
}

TEST_F(MarkingGridTest, FillingAThousandRowsChangesTheViewOnce)
{
    QSignalSpy changed(grid->model(), &QAbstractItemModel::dataChanged);
    {
        marking_list::MarkingList::Batch batch(state.list);
        for (int i = 1; i <= 1000; ++i)
            state.list.appendRow({std::to_string(i), "1", ""});
    }
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(state.list.isFull());
}

TEST_F(MarkingGridTest, AppendScrollsTheNewRowIntoSight)
{
    struct Case {
        int top;          // top visible row before
        int oldNextFree;  // NextFreeRow before the append
        int expectedTop;
    };
    const Case cases[] = {
        {1, 5, 1},      // near the top: no scrolling
        {1, 13, 1},     // new row 14 puts row 13 - 12 = 1 on top: where it is
        {1, 40, 28},    // far below the view: old - 12 on top
        {30, 35, 30},   // within the dozen rows below the top: stays
        {50, 10, 10},   // above the view: the new row comes to the top
    };
    panel.resize(420, 900);  // room for more rows than any case needs
    panel.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oldNextFree);
        grid->setTopVisibleRow(c.top);
        ASSERT_EQ(grid->topVisibleRow(), c.top);
        grid->scrollAfterAppend(c.oldNextFree);
        EXPECT_EQ(grid->topVisibleRow(), c.expectedTop);
    }
}

TEST_F(MarkingGridTest, RowCursorFollowsNextFreeRowUntilTheMouseIsUsed)
{
    panel.show();
    fill({"A", "B", "C"});
    grid->rowCursorTimer().start();
    grid->rowCursorTick();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(3, 0));

    const QPoint cell = grid->visualRect(grid->model()->index(0, 1)).center();
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_FALSE(grid->rowCursorTimer().isActive());
    EXPECT_EQ(grid->selectionTopRow(), 1);
    EXPECT_TRUE(panel.gridMenu().isWanted(GridMenu::Item::Copy));  // "1" is text
}

TEST_F(MarkingGridTest, RowNumberPressSelectsTheRowAndReleaseItsFirstCell)
{
    state.list.setLayout(CountBoxMode::ThreeBox);
    panel.show();
    fill({"A", "B"});
    const QPoint number(10, grid->verticalHeader()->sectionViewportPosition(1) + 5);
    QTest::mousePress(grid->verticalHeader()->viewport(), Qt::LeftButton, {}, number);
    QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 3);  // columns 1 to 3 of row 2
    QTest::mouseRelease(grid->verticalHeader()->viewport(), Qt::LeftButton, {}, number);
    selected = grid->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected, QModelIndexList{grid->model()->index(1, 0)});
}

TEST_F(MarkingGridTest, RightPressOffersRowCommandsOnlyWithRows)
{
    panel.show();
    const QPoint cell = grid->visualRect(grid->model()->index(0, 0)).center();
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, cell);
    EXPECT_FALSE(panel.gridMenu().isWanted(GridMenu::Item::DeleteRows));
    fill({"A"});
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, cell);
    EXPECT_TRUE(panel.gridMenu().isWanted(GridMenu::Item::DeleteRows));
    EXPECT_TRUE(panel.gridMenu().isWanted(GridMenu::Item::InsertRows));
    // Not bound yet: wanted, but the item stands disabled.
    EXPECT_FALSE(panel.gridMenu().action(GridMenu::Item::DeleteRows)->isEnabled());
}

}  // namespace
