#include "app/ui/generator_hookup.h"
#include "app/ui/orange_window.h"
#include "app/ui/window_menu.h"
#include "generator/ui/generator_panel.h"
#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "support/ui/orange_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using generator::GeneratorPanel;
using F = generator::PanelField;
using Item = app::ui::WindowMenu::Item;

class GeneratorHookupTest : public testing_support::OrangeWindowFixture {
protected:
    void SetUp() override
    {
        createWindow();
        panel = new GeneratorPanel(state, dialogs, window.get());
        app::ui::attachGenerator(*window, *panel);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void trigger(Item item) { window->windowMenu().action(item)->trigger(); }

    GeneratorPanel* panel = nullptr;
};

TEST_F(GeneratorHookupTest, OkFillsTheGridAndTheWindowKeysReachThePanel)
{
    EXPECT_TRUE(window->generatorSlot()->isAncestorOf(panel));
    QLineEdit* wire1 = panel->field(F::Wire1);
    EXPECT_TRUE(wire1->hasFocus());  // the window asks for the generator when shown

    panel->field(F::Start1)->setText(QStringLiteral("1"));
    panel->field(F::End1)->setText(QStringLiteral("3"));
    wire1->setText(QStringLiteral("-R"));
    panel->field(F::Count1)->setFocus();
    QTest::keyClick(panel->field(F::Count1), Qt::Key_Return);
    ASSERT_EQ(state.list.rowCount(), 3);
    EXPECT_TRUE(window->grid()->rowCursorTimer().isActive());
    window->grid()->rowCursorTick();
    EXPECT_EQ(window->grid()->selectionTopRow(), 4);  // the cursor follows NextFreeRow

    trigger(Item::Undo);  // Esc outside the grid takes the generator's input back
    EXPECT_EQ(state.list.rowCount(), 0);
    EXPECT_EQ(panel->field(F::End1)->text(), QStringLiteral("3"));

    trigger(Item::Clear);  // F11
    EXPECT_TRUE(panel->field(F::End1)->text().isEmpty());
    wire1->setText(QStringLiteral("X"));
    trigger(Item::Lock);  // F7 on the focused wire text
    EXPECT_TRUE(panel->wireFixedBox(0)->isChecked());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Control);  // Ctrl alone
    EXPECT_TRUE(window->grid()->hasFocus());
    EXPECT_FALSE(window->grid()->rowCursorTimer().isActive());
    QTest::keyClick(window->grid(), Qt::Key_Alt);  // Alt alone comes back
    EXPECT_TRUE(panel->field(F::Wire2)->hasFocus());  // wire text 1 is fixed
}

TEST_F(GeneratorHookupTest, EscTakesBackTheBulkLineBreakWhenNothingElseIs)
{
    QPushButton* bulkUndo = window->lineBreakPanel()->undoButton();
    QSignalSpy bulkUndone(bulkUndo, &QPushButton::clicked);
    trigger(Item::Undo);  // nothing to take back anywhere
    EXPECT_EQ(bulkUndone.count(), 0);

    window->lineBreakPanel()->setUndoEnabled(true);
    trigger(Item::Undo);
    EXPECT_EQ(bulkUndone.count(), 1);
}

}  // namespace
