#include "sheet/ui/transfer_command.h"

#include "app/program_state.h"
#include "platform/dialogs.h"
#include "platform/qt/busy_cursor.h"
#include "sheet/column_names.h"
#include "sheet/spreadsheet_host.h"
#include "sheet/transfer.h"
#include "sheet/ui/sheet_messages.h"
#include "sheet/ui/transfer_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace sheet::ui {

using Answer = platform::Dialogs::Answer;
using Buttons = platform::Dialogs::Buttons;

TransferCommand::TransferCommand(app::ProgramState& state, SpreadsheetHost& host,
                                 platform::Dialogs& dialogs, TransferPanel& panel)
    : QObject(&panel), state_(state), host_(host), dialogs_(dialogs), panel_(panel)
{
    connect(panel_.transferButton(), &QPushButton::clicked, this, &TransferCommand::transfer);
    connect(panel_.reverseTransferAction(), &QAction::triggered, this,
            &TransferCommand::transferReversed);
}

void TransferCommand::transferReversed()
{
    reverse_ = true;
    panel_.transferButton()->click();
}

void TransferCommand::transfer()
{
    const QString columnText = panel_.columnBox()->text();
    const QString rowText = panel_.rowBox()->text();
    state_.spreadsheet.visible = host_.isVisible();
    if (columnText.isEmpty() || rowText.isEmpty() || state_.list.rowCount() == 0
        || !state_.spreadsheet.visible) {
        finish();
        return;
    }
    QWidget* window = panel_.window();
    if (!panel_.insertMode()
        && dialogs_.ask(window, messages::confirmOverwrite(), Buttons::YesCancel) != Answer::Yes) {
        reverse_ = false;
        return;
    }

    // Nothing may move the windows or the selection while the cells are written.
    state_.spreadsheet.dockingRunning = false;
    const auto fail = [this, window] {
        dialogs_.inform(window, messages::spreadsheetBusy());
        resumeDocking();
        reverse_ = false;
    };
    try {
        // The target is always the boxes; an active cell past the last column the program
        // addresses only asks whether that is meant.
        if (host_.activeCell().column > kLastTransferColumn
            && dialogs_.ask(window, messages::confirmTargetBeyondLastColumn(), Buttons::YesCancel)
                   != Answer::Yes) {
            resumeDocking();
            reverse_ = false;
            return;
        }
    } catch (const SpreadsheetError&) {
        fail();
        return;
    }

    platform::BusyCursor busy;
    const auto column = transferColumnFromBox(columnText.toLatin1().toStdString());
    const auto row = transferRowFromBox(rowText.toLatin1().toStdString());
    if (!column || !row) {
        busy.restore();
        resumeDocking();
        reverse_ = false;
        return;
    }
    TransferRequest request;
    request.column = *column;
    request.row = *row;
    request.spacing = panel_.spacing();
    request.insertMode = panel_.insertMode();
    request.widthLink = panel_.widthLinkBox()->isChecked();
    request.reverse = reverse_;
    const TransferResult result = runTransfer(host_, state_.list, request);
    busy.restore();
    if (!result.done) {
        fail();
        return;
    }
    panel_.rowBox()->setText(QString::number(result.nextRow));
    finish();
}

void TransferCommand::finish()
{
    if (backToGenerator_)
        backToGenerator_();
    QWidget* window = panel_.window();
    window->raise();
    window->activateWindow();
    resumeDocking();
    reverse_ = false;
}

void TransferCommand::resumeDocking()
{
    state_.spreadsheet.dockingRunning = !state_.spreadsheet.printing;
}

}  // namespace sheet::ui
