#pragma once

#include "app/program_state.h"
#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/transfer_panel.h"
#include "support/cp932_literals.h"
#include "support/fake_spreadsheet_host.h"
#include "support/ui/fake_desktop.h"
#include "support/ui/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A window with the transfer panel and a stand-in for the generator's wire-text field, over
// an in-memory spreadsheet holding "Book1" with "Sheet1", "Sheet2" and "集計".
class SheetUiTest : public ::testing::Test {
protected:
    SheetUiTest()
    {
        host.workbooks.front().sheets.push_back({"Sheet2", {}, {}, {}, {}, {}});
        host.workbooks.front().sheets.push_back({sj("集計"), {}, {}, {}, {}, {}});
        auto* layout = new QVBoxLayout(&window);
        panel = new sheet::ui::TransferPanel(&window);
        generator = new QLineEdit(&window);
        layout->addWidget(generator);
        layout->addWidget(panel);
        view = std::make_unique<sheet::ui::SheetLinkView>(state.spreadsheet, host, desktop,
                                                          *panel, window);
    }

    // The window on screen and active, so that the focus moves as it does for the user.
    void showWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The first workbook linked as the commands leave it.
    void linkFirstWorkbook()
    {
        view->linkActive();
        view->fillSheetBox();
        state.spreadsheet.linked = true;
    }

    QStringList sheetBoxItems() const
    {
        QStringList items;
        for (int i = 0; i < panel->sheetBox()->count(); ++i)
            items.append(panel->sheetBox()->itemText(i));
        return items;
    }

    void backToGenerator() { generator->setFocus(Qt::OtherFocusReason); }

    testing_support::FakeSpreadsheetHost host;
    testing_support::FakeDesktop desktop;
    testing_support::ScriptedDialogs dialogs;
    app::ProgramState state;
    QWidget window;
    sheet::ui::TransferPanel* panel = nullptr;
    QLineEdit* generator = nullptr;
    std::unique_ptr<sheet::ui::SheetLinkView> view;
};
