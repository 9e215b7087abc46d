#include "support/ui/scripted_dialogs.h"
#include "marking_list/ui/list_commands.h"

#include "app/program_state.h"
#include "marking_list/ui/list_messages.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "support/cp932_literals.h"

#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

namespace {

using marking_list::CellRange;
using marking_list::ui::ListCommands;
using Answer = platform::Dialogs::Answer;
using Texts = std::vector<std::string>;

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

using testing_support::ScriptedDialogs;

class MemoryClipboard final : public platform::Clipboard {
public:
    QString content;
    bool hasText() const override { return !content.isEmpty(); }
    QString text() const override { return content; }
    void setText(const QString& text) override { content = text; }
    void clear() override { content.clear(); }
};

class FakeGrid final : public marking_list::ui::GridAccess {
public:
    CellRange selected{1, 1, 1, 1};
    int top = 1;
    CellRange selection() const override { return selected; }
    int topVisibleRow() const override { return top; }
    void setTopVisibleRow(int row) override { top = row; }
    void select(const CellRange& range) override { selected = range; }
};

class ListCommandsTest : public ::testing::Test {
protected:
    app::ProgramState state;
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    FakeGrid grid;
    ListCommands commands{state, dialogs, clipboard, grid, nullptr};

    Texts markingTexts() const
    {
        Texts texts;
        for (int r = 1; r < state.list.nextFreeRow(); ++r)
            texts.push_back(state.list.cell(1, r));
        return texts;
    }
    void fill(int rows)
    {
        for (int i = 1; i <= rows; ++i)
            state.list.appendRow({std::to_string(i), "1", ""});
    }
};

}  // namespace

TEST_F(ListCommandsTest, DeleteAllAsksAndOnlyYesDeletes)
{
    fill(3);
    QSignalSpy back(&commands, &ListCommands::backToGenerator);
    QSignalSpy emptied(&commands, &ListCommands::listEmptied);
    dialogs.answers = {Answer::Cancel, Answer::Yes};

    commands.deleteAll();
    EXPECT_EQ(dialogs.asked, QStringList{u("グリッド内の文字列を\r\nすべて削除しますか？")});
    EXPECT_EQ(state.list.rowCount(), 3);
    EXPECT_EQ(back.count(), 1);

    commands.deleteAll();
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_EQ(emptied.count(), 1);
    EXPECT_EQ(back.count(), 2);

    commands.deleteAll();  // an empty list is not asked about
    EXPECT_EQ(dialogs.asked.size(), 2);
}

TEST_F(ListCommandsTest, CopyAndCutPutTheListFormatOnTheClipboard)
{
    state.list.appendRow({sj("盤-1"), "2", ""});
    state.list.appendRow({"B", "3", "F"});
    grid.selected = {1, 1, 2, 2};
    commands.copy();
    EXPECT_EQ(clipboard.content, u("盤-1\t2\r\nB\t3\r\n"));
    grid.selected = {2, 2, 3, 2};
    commands.cut();
    EXPECT_EQ(clipboard.content, u("3\tF\r\n"));
    EXPECT_EQ(state.list.row(2), (Texts{"B", "", ""}));
}

TEST_F(ListCommandsTest, PasteAsksInsertOrOverwrite)
{
    fill(2);
    grid.selected = {1, 2, 1, 2};
    clipboard.content = u("端子A\t1\nB\t2\n");  // line ends of this desktop's programs
    dialogs.answers = {Answer::Yes};
    commands.paste();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0], u("選択されているセル位置に挿入しますか？\r\n（\"いいえ\"を選択すると上書きされます）"));
    EXPECT_EQ(markingTexts(), (Texts{"1", sj("端子A"), "B", "2"}));

    dialogs.answers = {Answer::No};
    clipboard.content = u("X\r\n");
    commands.paste();
    EXPECT_EQ(markingTexts(), (Texts{"1", "X", "B", "2"}));
}

TEST_F(ListCommandsTest, PastePastTheLimitAsksAgain)
{
    fill(995);
    QString ten;
    for (int i = 0; i < 10; ++i)
        ten += u("L\r\n");
    clipboard.content = ten;

    dialogs.answers = {Answer::Yes, Answer::No};
    commands.paste();
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[1], u("グリッドに995行あります。\r\n貼り付け後が1000行を超えた部分はカットされます。\r\nよろしいですか？"));
    EXPECT_EQ(state.list.cell(1, 1), "1");

    dialogs.answers = {Answer::No, Answer::Yes};
    grid.selected = {1, 995, 1, 995};
    commands.paste();
    EXPECT_EQ(dialogs.asked[3], u("貼り付ける文字列が10行あります。\r\n貼り付け後が1000行を超えた部分はカットされます。\r\nよろしいですか？"));
    EXPECT_EQ(state.list.nextFreeRow(), 1001);
    EXPECT_EQ(state.list.cell(1, 1000), "L");
}

TEST_F(ListCommandsTest, PasteRefusesTextTheMarkingDataCannotHold)
{
    fill(1);
    clipboard.content = u("A\U0001F600\r\n");
    commands.paste();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(dialogs.informed, QStringList{marking_list::ui::messages::clipboardNotCp932()});
    EXPECT_EQ(markingTexts(), Texts{"1"});
    EXPECT_FALSE(state.undoEnabled);
}

TEST_F(ListCommandsTest, InsertRowsIntoAFullListIsRefusedWithAMessage)
{
    fill(1000);
    grid.selected = {1, 3, 1, 3};
    commands.insertRows();
    EXPECT_EQ(dialogs.informed, QStringList{marking_list::ui::messages::insertRowsWouldOverflow()});
    EXPECT_EQ(state.list.cell(1, 1000), "1000");
}

TEST_F(ListCommandsTest, UndoPrefersTheGeneratorsOwnUndo)
{
    fill(2);
    QSignalSpy generatorUndo(&commands, &ListCommands::generatorUndoRequested);
    state.undoEnabled = true;
    state.generatorUndoVisible = true;
    commands.undo();
    EXPECT_EQ(generatorUndo.count(), 1);
    EXPECT_EQ(state.list.rowCount(), 2);

    state.generatorUndoVisible = false;
    grid.selected = {1, 2, 1, 2};
    commands.reverse();
    EXPECT_EQ(markingTexts(), (Texts{"2", "1"}));
    commands.undo();
    EXPECT_EQ(markingTexts(), (Texts{"1", "2"}));
    EXPECT_EQ(grid.selected.top, 2);
    commands.redo();
    EXPECT_EQ(markingTexts(), (Texts{"2", "1"}));
}

TEST_F(ListCommandsTest, StringInsertModeSignalsOnlyChanges)
{
    fill(1);
    QSignalSpy changed(&commands, &ListCommands::stringInsertModeChanged);
    commands.setStringInsertMode(true);
    commands.setStringInsertMode(true);
    commands.setStringInsertMode(false);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed[0][0].toBool());
    EXPECT_FALSE(changed[1][0].toBool());
}
