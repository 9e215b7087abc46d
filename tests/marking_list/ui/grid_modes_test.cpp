#include "app/control_states.h"
#include "marking_list/list_undo.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/grid_modes.h"
#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/operation_field.h"
#include "marking_list/ui/text_operations_panel.h"
#include "support/cp932_literals.h"
#include "support/ui/scripted_dialogs.h"
#include "text/ui/qt_text.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using app::GridMode;
using marking_list::ui::GridModes;
using marking_list::ui::TextOperationsPanel;

namespace {

// The grid with its menu, the two mode panels, a stand-in for the transfer panel and a
// generator field, in one shown and active window.
class GridModesTest : public ::testing::Test {
protected:
    app::ProgramState state;
    testing_support::ScriptedDialogs dialogs;
    QWidget window;
    marking_list::ui::ListPanel* listPanel = new marking_list::ui::ListPanel(state, &window);
    marking_list::ui::MarkingGrid* grid = listPanel->grid();
    TextOperationsPanel* textPanel = new TextOperationsPanel(&window);
    marking_list::ui::LineBreakPanel* lineBreakPanel = new marking_list::ui::LineBreakPanel(&window);
    QWidget* transfer = new QWidget(&window);
    QWidget* generator = new QWidget(&window);
    QLineEdit* wireText = new QLineEdit(generator);
    QPushButton* halfWidth = new QPushButton(QStringLiteral("半角変換"), &window);
    std::unique_ptr<GridModes> modes;
    int backToGenerator = 0;

    void SetUp() override
    {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(listPanel, 1);
        auto* side = new QVBoxLayout;
        for (QWidget* w : {generator, static_cast<QWidget*>(textPanel), static_cast<QWidget*>(lineBreakPanel), transfer,
                           static_cast<QWidget*>(halfWidth)})
            side->addWidget(w);
        layout->addLayout(side);
        window.resize(900, 600);
        GridModes::Parts parts;
        parts.grid = grid;
        parts.menu = &listPanel->gridMenu();
        parts.textPanel = textPanel;
        parts.lineBreakPanel = lineBreakPanel;
        parts.transferPanel = transfer;
        parts.halfWidthButton = halfWidth;
        parts.generator = generator;
        modes = std::make_unique<GridModes>(state, dialogs, parts);
        modes->setBackToGenerator([this] {
            ++backToGenerator;
            wireText->setFocus();
        });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void fill(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            state.list.appendRow({sj(t), "1", ""});
        refresh();
    }
    // What the state refresh does every 100 ms.
    void refresh() { listPanel->applyStates(app::refreshControlStates(state, {})); }

    QString header() const { return grid->model()->headerData(0, Qt::Horizontal).toString(); }
    QLineEdit* editor() const { return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex())); }
    std::string cell(int column, int row) const { return state.list.cell(column, row); }

    // Clicks into the marking text of `row` just after its first `chars` characters.
    void clickAt(int row, int chars)
    {
        const QModelIndex index = grid->model()->index(row - 1, 0);
        const QRect rect = grid->visualRect(index);
        const QString shown = text::toQString(cell(1, row));
        const int x = rect.left() + 2 + QFontMetrics(grid->font()).horizontalAdvance(shown.left(chars));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(x, rect.center().y()));
        modes->markerTick();  // the 100 ms marker timer runs out
    }
    void typeText(const QString& s)
    {
        for (const QChar c : s)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // The item views commit an editor's Enter through a queued call.
    void enter()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

TEST_F(GridModesTest, F3CyclesTheMarkerModesWithTheirLook)
{
    fill({"ABC"});
    struct Look {
        GridMode mode;
        QString header;
        QColor fixed;
        bool transferShown;
        bool lineBreakPanelShown;
    };
    const QColor face = grid->palette().color(QPalette::Button);
    const Look looks[] = {
        {GridMode::LineBreakMarker, QStringLiteral("　　多段改行記号挿入モード"), QColor(255, 128, 128), false, true},
        {GridMode::NumberingMarker, QStringLiteral(" ナンバーリング記号挿入モード"), QColor(155, 199, 242), true, false},
        {GridMode::None, QStringLiteral("　　　  マーキングデータ"), face, true, false},
    };
    for (const Look& look : looks) {
        modes->pressF3();
        refresh();
        EXPECT_EQ(state.gridMode, look.mode);
        EXPECT_EQ(header(), look.header);
        EXPECT_EQ(grid->horizontalHeader()->palette().color(QPalette::Button), look.fixed);
        EXPECT_EQ(transfer->isVisible(), look.transferShown);
        EXPECT_EQ(lineBreakPanel->isVisible(), look.lineBreakPanelShown);
        EXPECT_EQ(grid->viewport()->cursor().shape(),
                  look.mode == GridMode::None ? Qt::ArrowCursor : Qt::PointingHandCursor);
    }
    EXPECT_EQ(backToGenerator, 1);
}

TEST_F(GridModesTest, F2StartsAndEndsEditModeAndAGeneratorFieldEndsIt)
{
    fill({"ABC"});
    modes->pressF2();
    refresh();
    EXPECT_EQ(state.gridMode, GridMode::Edit);
    EXPECT_EQ(header(), QStringLiteral("　　　　　編　集　モ　ー　ド"));
    EXPECT_TRUE(textPanel->isVisible());
    EXPECT_FALSE(transfer->isVisible());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    QTest::mouseClick(textPanel->okButton(TextOperationsPanel::Operation::Replace), Qt::LeftButton);
    EXPECT_EQ(state.gridMode, GridMode::Edit);  // the panel's own controls keep the mode
    modes->pressF2();
    EXPECT_EQ(state.gridMode, GridMode::None);
    EXPECT_TRUE(transfer->isVisible());

    modes->pressF2();
    ASSERT_EQ(state.gridMode, GridMode::Edit);
    wireText->setFocus();
    EXPECT_EQ(state.gridMode, GridMode::None);
    EXPECT_FALSE(textPanel->isVisible());
}

TEST_F(GridModesTest, AnInGridEditInEditModeCanBeUndone)
{
    fill({"ABC"});
    state.listSnapshot = state.list.snapshot(1);  // as taken after the rows came in
    modes->startMode(GridMode::Edit);
    grid->selectCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Z);  // typing opens the editor
    ASSERT_NE(editor(), nullptr);
    enter();
    EXPECT_EQ(cell(1, 1), "z");
    EXPECT_TRUE(state.undoEnabled);
    marking_list::undo(state, 1, 1);
    EXPECT_EQ(cell(1, 1), "ABC");
}

TEST_F(GridModesTest, LineBreakClicksPutAndRemoveTheMarkAtTheClickedCharacter)
{
    fill({"ABC", "A|B|C"});
    modes->startMode(GridMode::LineBreakMarker);
    clickAt(1, 2);
    EXPECT_EQ(cell(1, 1), "AB|C");
    EXPECT_EQ(editor(), nullptr);  // committed
    clickAt(1, 3);  // just after the mark
    EXPECT_EQ(cell(1, 1), "ABC");
    clickAt(2, 1);
    EXPECT_EQ(cell(1, 2), "AB|C");
    EXPECT_FALSE(state.undoEnabled);
}

TEST_F(GridModesTest, NumberingClicksThenCountAndEndValue)
{
    fill({"X1", "X"});
    modes->startMode(GridMode::NumberingMarker);
    clickAt(1, 1);
    EXPECT_EQ(cell(1, 1), sj("X【1"));
    EXPECT_EQ(editor(), nullptr);

    clickAt(2, 1);  // after the last character: the editor stays open for the start value
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), QStringLiteral("X【"));
    typeText(QStringLiteral("G0"));  // G is no hexadecimal digit
    enter();
    EXPECT_EQ(cell(1, 2), sj("X【0】"));
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(grid->currentIndex().column(), 1);  // the count of the row
    typeText(QStringLiteral("A5"));
    enter();
    EXPECT_EQ(cell(2, 2), "5");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(grid->currentIndex().column(), 2);  // the numbering end value
    typeText(QStringLiteral("ZF"));
    enter();
    EXPECT_EQ(cell(3, 2), "F");
    EXPECT_EQ(editor(), nullptr);

    clickAt(2, 2);  // beside "【": removed, and with it the end value's meaning
    EXPECT_EQ(cell(1, 2), sj("X0】"));
    clickAt(2, 3);
    EXPECT_EQ(cell(1, 2), "X0");
    EXPECT_EQ(cell(3, 2), "");
}

TEST_F(GridModesTest, FullWidthTypedInAMarkerModeIsRefused)
{
    fill({"AB"});
    modes->startMode(GridMode::LineBreakMarker);
    clickAt(1, 2);  // "|" at the end, the editor stays open
    ASSERT_NE(editor(), nullptr);
    typeText(QStringLiteral("漢"));
    EXPECT_EQ(dialogs.informed, QStringList{QStringLiteral("全角文字（漢字、ひらがな等）の入力はできません")});
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(cell(1, 1), "AB");
}

TEST_F(GridModesTest, NumberingModeEndsWhenTheGridLosesTheFocus)
{
    fill({"AB"});
    modes->startMode(GridMode::NumberingMarker);
    QTest::mouseClick(textPanel->okButton(TextOperationsPanel::Operation::Replace), Qt::LeftButton);
    lineBreakPanel->field(marking_list::ui::LineBreakPanel::Field::MinLength)->setFocus();
    EXPECT_EQ(state.gridMode, GridMode::None);
}

TEST_F(GridModesTest, ReplaceReportsTheCountAndThePanelUndoRestores)
{
    fill({"AB-AB", "CD", "AB"});
    modes->startMode(GridMode::Edit);
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(2, 0)),
                                   QItemSelectionModel::ClearAndSelect);
    state.undoEnabled = true;
    QTest::keyClicks(textPanel->field(TextOperationsPanel::Field::ReplaceTarget), QStringLiteral("AB"));
    QTest::keyClicks(textPanel->field(TextOperationsPanel::Field::ReplaceOccurrence), QStringLiteral("2"));
    QTest::keyClicks(textPanel->field(TextOperationsPanel::Field::Replacement), QStringLiteral("X"));
    QTest::mouseClick(textPanel->okButton(TextOperationsPanel::Operation::Replace), Qt::LeftButton);
    EXPECT_EQ(dialogs.informed.value(0), QStringLiteral("2箇所：文字(列)の置換が終わりました"));
    EXPECT_EQ(cell(1, 1), "AB-X");
    EXPECT_EQ(cell(1, 3), "X");
    EXPECT_FALSE(state.undoEnabled);  // the panels' "取消" take its place
    EXPECT_TRUE(textPanel->undoButton(TextOperationsPanel::Operation::Insert)->isEnabled());
    EXPECT_TRUE(lineBreakPanel->undoButton()->isEnabled());

    QTest::mouseClick(textPanel->undoButton(TextOperationsPanel::Operation::Replace), Qt::LeftButton);
    EXPECT_EQ(cell(1, 1), "AB-AB");
    EXPECT_EQ(cell(1, 3), "AB");
    EXPECT_EQ(grid->currentIndex().row() + 1, state.list.nextFreeRow());
    EXPECT_FALSE(textPanel->undoButton(TextOperationsPanel::Operation::Replace)->isEnabled());
    EXPECT_FALSE(state.redoEnabled);
}

TEST_F(GridModesTest, NotFoundLeavesTheListAndUndoAsTheyWere)
{
    fill({"AB"});
    modes->startMode(GridMode::Edit);
    grid->selectCell(1, 1);
    state.undoEnabled = true;
    textPanel->chooseOperation(TextOperationsPanel::Operation::Delete);
    QTest::keyClicks(textPanel->field(TextOperationsPanel::Field::DeleteTarget), QStringLiteral("Q"));
    QTest::mouseClick(textPanel->okButton(TextOperationsPanel::Operation::Delete), Qt::LeftButton);
    EXPECT_EQ(dialogs.informed, QStringList{QStringLiteral("選択範囲内に削除対象文字(列)がありません")});
    EXPECT_TRUE(state.undoEnabled);
    EXPECT_FALSE(textPanel->isUndoEnabled());
}

TEST_F(GridModesTest, BulkLineBreakCountsTheRows)
{
    fill({"ABCD", "AB", "A|BCD"});
    modes->startMode(GridMode::LineBreakMarker);
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(2, 0)),
                                   QItemSelectionModel::ClearAndSelect);
    QTest::keyClicks(lineBreakPanel->field(marking_list::ui::LineBreakPanel::Field::MinLength), QStringLiteral("4"));
    QTest::keyClicks(lineBreakPanel->field(marking_list::ui::LineBreakPanel::Field::Position), QStringLiteral("2"));
    QTest::mouseClick(lineBreakPanel->okButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.informed.value(0), QStringLiteral("1箇所：多段改行の一括挿入が終わりました"));
    EXPECT_EQ(cell(1, 1), "A|BCD");
    EXPECT_EQ(cell(1, 3), "A|BCD");
}

TEST_F(GridModesTest, HalfWidthConversionKeepsAnUndoPoint)
{
    fill({"ＡＢＣ１"});
    grid->settle();  // as after a paint
    EXPECT_TRUE(halfWidth->isVisible());
    QTest::mouseClick(halfWidth, Qt::LeftButton);
    EXPECT_EQ(cell(1, 1), "ABC1");
    EXPECT_TRUE(state.undoEnabled);
    EXPECT_EQ(state.undoSnapshot, "2\r\n" + sj("ＡＢＣ１") + "\t1\t");
    EXPECT_EQ(backToGenerator, 1);
    grid->settle();
    EXPECT_FALSE(halfWidth->isVisible());
}

}  // namespace
