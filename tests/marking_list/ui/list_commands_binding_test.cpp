#include "marking_list/ui/list_commands_binding.h"

#include "app/control_states.h"
#include "app/program_state.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/list_commands.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "support/cp932_literals.h"
#include "support/ui/fake_clipboard.h"
#include "support/ui/scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using marking_list::ui::GridMenu;
using marking_list::ui::ListCommands;
using marking_list::ui::ListCommandsBinding;
using marking_list::ui::ListPanel;
using Answer = platform::Dialogs::Answer;
using Item = GridMenu::Item;

namespace {

class ListCommandsBindingTest : public ::testing::Test {
protected:
    app::ProgramState state;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeClipboard clipboard;
    ListPanel panel{state};
    ListCommandsBinding binding{panel, state, dialogs, clipboard};

    void SetUp() override
    {
        panel.resize(420, 500);
        panel.show();
        QApplication::setActiveWindow(&panel);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
        panel.grid()->setFocus();
    }

    // Rows, then the window's state refresh.
    void fill(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            state.list.appendRow({t, "1", ""});
        panel.applyStates(app::controlStates(state, {}));
    }
    QAction* action(Item item) { return panel.gridMenu().action(item); }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers extra = Qt::NoModifier)
    {
        QTest::keyClick(panel.grid(), key, Qt::ControlModifier | extra);
    }
    QString header() const
    {
        return panel.grid()->model()->headerData(0, Qt::Horizontal).toString();
    }
};

}  // namespace

TEST_F(ListCommandsBindingTest, ButtonsRunTheirCommands)
{
    fill({"A", "B"});
    QPushButton* deleteLast = panel.button(ListPanel::Button::DeleteLast);
    QPushButton* deleteAll = panel.button(ListPanel::Button::DeleteAll);
    ASSERT_TRUE(deleteLast->isEnabled());
    deleteLast->click();
    EXPECT_EQ(state.list.rowCount(), 1);
    EXPECT_TRUE(action(Item::Undo)->isEnabled());

    dialogs.answers = {Answer::Yes};
    deleteAll->click();
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(state.list.isEmpty());
}

TEST_F(ListCommandsBindingTest, CtrlShortcutsActWhileTheGridHasTheFocus)
{
    fill({"A", "B", "C"});
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_C);
    ASSERT_TRUE(clipboard.content.has_value());
    EXPECT_EQ(*clipboard.content, QStringLiteral("A\t1\t\r\nB\t1\t\r\nC\t1\t\r\n"));

    action(Item::ReverseOrder)->trigger();
    EXPECT_EQ(state.list.cell(1, 1), "C");
    ctrl(Qt::Key_Z);
    EXPECT_EQ(state.list.cell(1, 1), "A");
    EXPECT_FALSE(action(Item::Undo)->isEnabled());
    EXPECT_TRUE(action(Item::Redo)->isEnabled());
    ctrl(Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(state.list.cell(1, 1), "C");
}

TEST_F(ListCommandsBindingTest, PasteIsOfferedOnlyWithClipboardText)
{
    fill({"A"});
    Q_EMIT panel.gridMenu().menu()->aboutToShow();
    EXPECT_FALSE(action(Item::Paste)->isEnabled());
    clipboard.content = QStringLiteral("X\r\n");
    Q_EMIT panel.gridMenu().menu()->aboutToShow();
    ASSERT_TRUE(action(Item::Paste)->isEnabled());
    dialogs.answers = {Answer::No};
    ctrl(Qt::Key_V);
    EXPECT_EQ(state.list.cell(1, 1), "X");
}

TEST_F(ListCommandsBindingTest, StringInsertModeShowsInTheHeader)
{
    fill({"A"});
    action(Item::StringInsertOn)->trigger();
    EXPECT_TRUE(state.stringInsertMode);
    EXPECT_EQ(header(), QString::fromUtf8("　　　  文字列挿入モード"));
    EXPECT_TRUE(action(Item::StringInsertOff)->isEnabled());
    EXPECT_FALSE(action(Item::StringInsertOn)->isEnabled());
    action(Item::StringInsertOff)->trigger();
    EXPECT_EQ(header(), QString::fromUtf8("　　　  マーキングデータ"));
}
