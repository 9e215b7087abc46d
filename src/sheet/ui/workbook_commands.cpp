#include "sheet/ui/workbook_commands.h"

#include "app/program_state.h"
#include "platform/dialogs.h"
#include "platform/qt/busy_cursor.h"
#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/sheet_messages.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QStandardPaths>

namespace sheet::ui {

using Answer = platform::Dialogs::Answer;

WorkbookCommands::WorkbookCommands(app::ProgramState& state, SheetLinkView& view,
                                   platform::Dialogs& dialogs,
                                   std::function<void()> backToGenerator, QObject* parent)
    : QObject(parent),
      state_(state),
      view_(view),
      dialogs_(dialogs),
      backToGenerator_(std::move(backToGenerator)),
      startFolder_(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))
{
    closeGuard_.setSingleShot(true);
    closeGuard_.setInterval(kCloseGuardMs);
    connect(&closeGuard_, &QTimer::timeout, this, &WorkbookCommands::closeGuardTick);
}

void WorkbookCommands::setStartFolder(const QString& folder)
{
    startFolder_ = folder;
}

void WorkbookCommands::busy()
{
    dialogs_.inform(&view_.window(), messages::spreadsheetBusy());
}

void WorkbookCommands::open()
{
    SpreadsheetHost& host = view_.host();
    // A cell being edited makes the active cell unreadable: the spreadsheet is busy.
    if (view_.refreshVisible()) {
        try {
            host.activeCell();
        } catch (const SpreadsheetError&) {
            busy();
            return;
        }
    }

    state_.fileDialogOpen = true;
    const std::optional<QString> path =
        dialogs_.openFileName(&view_.window(), startFolder_, messages::workbookFilters());
    state_.fileDialogOpen = false;
    if (!path) {
        backToGenerator_();
        return;
    }

    // Opening may start the spreadsheet application first, which takes a while.
    platform::BusyCursor busyCursor;
    try {
        host.openWorkbook(path->toUtf8().toStdString());
    } catch (const SpreadsheetError&) {
        // A workbook the spreadsheet cannot open is passed over without a word.
        view_.refreshVisible();
        backToGenerator_();
        return;
    }

    linkAndShow(busyCursor, [&] {
        view_.linkActive();
        host.activateSheet(state_.spreadsheet.linkedSheet);
    });
}

void WorkbookCommands::createNew()
{
    dialogs_.inform(&view_.window(), messages::newWorkbookAdvice());
    SpreadsheetHost& host = view_.host();
    platform::BusyCursor busyCursor;
    linkAndShow(busyCursor, [&] {
        host.newWorkbook();
        view_.linkActive();
    });
}

void WorkbookCommands::linkAndShow(platform::BusyCursor& busyCursor,
                                   const std::function<void()>& link)
{
    try {
        link();
        view_.showLinkedWorkbook();
    } catch (const SpreadsheetError&) {
        view_.refreshVisible();
        busyCursor.restore();
        busy();
        return;
    }
    backToGenerator_();
}

void WorkbookCommands::closeWorkbook()
{
    // The spreadsheet must accept this close.
    view_.setSheetLinkFlag(false);
    if (state_.spreadsheet.closeInProgress)
        return;
    state_.spreadsheet.closeInProgress = true;

    SpreadsheetHost& host = view_.host();
    bool closeConfirmed = false;
    if (view_.refreshVisible()) {
        try {
            view_.linkActive();
        } catch (const SpreadsheetError&) {
            // A busy spreadsheet cannot say which workbook would close: nothing is asked.
            busy();
            view_.setSheetLinkFlag(state_.spreadsheet.linked);
            closeGuard_.start();
            return;
        }
        const QString name = text::toQString(state_.spreadsheet.linkedWorkbook);
        closeConfirmed = dialogs_.ask(&view_.window(), messages::confirmCloseWorkbook(name),
                                      platform::Dialogs::Buttons::YesCancel) == Answer::Yes;
    }

    if (closeConfirmed) {
        // Each step on its own: the spreadsheet comes to the front for its own question
        // about unsaved changes, and the close is tried even when that fails.
        try {
            host.raiseMainWindow();
        } catch (const SpreadsheetError&) {
        }
        state_.spreadsheet.linkedSheet.clear();
        state_.spreadsheet.linkedWorkbook.clear();
        try {
            host.closeActiveWorkbook();
        } catch (const SpreadsheetError&) {
        }
    }

    if (!host.isRunning()) {
        // Nothing left to link: the spreadsheet is gone.
        state_.spreadsheet.linked = false;
        state_.spreadsheet.linkedWorkbook.clear();
        state_.spreadsheet.linkedSheet.clear();
        view_.showNoWorkbook();
    } else {
        try {
            if (host.hasActiveWorkbook()) {
                // Another workbook comes to the front: it becomes the linked one.
                view_.linkActive();
                if (view_.refreshVisible()) {
                    view_.fillSheetBox();
                    view_.followCell();
                    view_.setSheetLinkFlag(state_.spreadsheet.linked);
                }
            } else {
                closeSpreadsheet();
            }
        } catch (const SpreadsheetError&) {
            busy();
        }
    }
    view_.refreshVisible();
    closeGuard_.start();
    backToGenerator_();
}

void WorkbookCommands::closeSpreadsheet()
{
    state_.spreadsheet.linked = false;
    state_.spreadsheet.linkedWorkbook.clear();
    state_.spreadsheet.linkedSheet.clear();
    view_.showNoWorkbook();
    view_.host().quit();
}

void WorkbookCommands::closeGuardTick()
{
    state_.spreadsheet.closeInProgress = false;
}

}  // namespace sheet::ui
