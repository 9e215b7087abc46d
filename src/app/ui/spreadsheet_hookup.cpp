#include "app/ui/spreadsheet_hookup.h"

#include "app/ui/messages.h"
#include "app/ui/orange_window.h"
#include "platform/dialogs.h"
#include "sheet/ui/sheet_box_binding.h"
#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/spreadsheet_follow.h"
#include "sheet/ui/transfer_panel.h"
#include "sheet/ui/workbook_commands.h"

#include <QAction>
#include <QPushButton>

namespace app::ui {

SpreadsheetHookup::SpreadsheetHookup(OrangeWindow& window)
    : QObject(&window), window_(window)
{
    const Services& services = window.services();
    sheet::ui::TransferPanel& panel = *window.transferPanel();
    view_ = std::make_unique<sheet::ui::SheetLinkView>(
        window.state().spreadsheet, services.spreadsheet, services.desktop, panel, window);
    auto backToGenerator = [&window] { Q_EMIT window.generatorFocusWanted(); };
    commands_ = new sheet::ui::WorkbookCommands(window.state(), *view_, services.dialogs,
                                                backToGenerator, this);
    sheetBox_ = new sheet::ui::SheetBoxBinding(*view_, services.dialogs, backToGenerator, this);
    follow_ = new sheet::ui::SpreadsheetFollow(*view_, this);

    connect(panel.openButton(), &QPushButton::clicked, commands_,
            &sheet::ui::WorkbookCommands::open);
    connect(panel.newButton(), &QPushButton::clicked, commands_,
            &sheet::ui::WorkbookCommands::createNew);
    connect(panel.closeButton(), &QPushButton::clicked, commands_,
            &sheet::ui::WorkbookCommands::closeWorkbook);
    connect(&window, &OrangeWindow::shown, this, &SpreadsheetHookup::windowShown);
    connect(&window, &OrangeWindow::quitting, this, &SpreadsheetHookup::programQuitting);

    services.spreadsheet.setEventListener(
        [this](const sheet::SpreadsheetEvent& event) { return follow_->onEvent(event); });
}

SpreadsheetHookup::~SpreadsheetHookup()
{
    // The spreadsheet outlives the window: it must not call into what is gone.
    view_->host().setEventListener({});
}

void SpreadsheetHookup::windowShown()
{
    SpreadsheetLink& link = window_.state().spreadsheet;
    sheet::SpreadsheetHost& host = view_->host();
    sheet::ui::TransferPanel& panel = *window_.transferPanel();
    try {
        if (host.isRunning() && view_->refreshVisible()) {
            view_->linkActive();
            view_->showLinkedWorkbook();
        } else {
            panel.showNoSpreadsheet();
        }
    } catch (const sheet::SpreadsheetError&) {
        window_.services().dialogs.inform(&window_, messages::spreadsheetShowFailed());
    }
    link.dockingRunning = !link.printing;
}

void SpreadsheetHookup::programQuitting()
{
    SpreadsheetLink& link = window_.state().spreadsheet;
    sheet::SpreadsheetHost& host = view_->host();
    follow_->timer().stop();
    view_->setSheetLinkFlag(false);
    link.dockingRunning = false;
    if (!host.isVisible())
        return;
    // Each step on its own; the program ends whatever the spreadsheet says.
    try {
        view_->linkActive();
    } catch (const sheet::SpreadsheetError&) {
    }
    try {
        host.raiseMainWindow();
    } catch (const sheet::SpreadsheetError&) {
    }
    try {
        host.closeActiveWorkbook();
    } catch (const sheet::SpreadsheetError&) {
    }
    try {
        host.quit();
    } catch (const sheet::SpreadsheetError&) {
    }
    link.visible = false;
}

SpreadsheetHookup& attachSpreadsheet(OrangeWindow& window)
{
    return *new SpreadsheetHookup(window);
}

}  // namespace app::ui
