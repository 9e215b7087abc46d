#include "sheet/ui/transfer_panel.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

TEST(TransferPanel, WorkbookItemsAreOfferedWhileLinkedAndOnlyWithACommand)
{
    sheet::ui::TransferPanel panel;
    panel.setWorkbookLinked(true);
    EXPECT_FALSE(panel.layoutSettingsAction()->isEnabled());  // no command yet
    EXPECT_FALSE(panel.formatMenu()->isEnabled());            // no format to offer yet

    int runs = 0;
    panel.setLayoutSettingsCommand([&runs] { ++runs; });
    EXPECT_TRUE(panel.layoutSettingsAction()->isEnabled());
    panel.layoutSettingsAction()->trigger();
    EXPECT_EQ(runs, 1);
    panel.setWorkbookLinked(false);
    EXPECT_FALSE(panel.layoutSettingsAction()->isEnabled());
}
