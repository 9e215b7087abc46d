#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace app {
struct ProgramState;
}
namespace platform {
class Dialogs;
}

namespace sheet {
class SpreadsheetHost;
}

namespace sheet::ui {

class TransferPanel;

// "転送": writes the marking list into the active sheet at the cell the column and row boxes
// name, with the panel's spacing, insert mode and width link, and moves the row box below the
// written block. "逆順で転送する" does the same from the last row up. A failing spreadsheet is
// reported; what was written before stays.
class TransferCommand final : public QObject {
    Q_OBJECT
public:
    TransferCommand(app::ProgramState& state, SpreadsheetHost& host, platform::Dialogs& dialogs,
                    TransferPanel& panel);

    // The focus goes back to the generator's wire text.
    void setBackToGenerator(std::function<void()> back) { backToGenerator_ = std::move(back); }

    // The transfer button's command.
    void transfer();
    // "逆順で転送する": the transfer with the rows in reverse order.
    void transferReversed();

private:
    // The end of every transfer that gets as far as the sheet, or not at all: the focus back
    // to the generator, the program in front, docking going again.
    void finish();
    void resumeDocking();

    app::ProgramState& state_;
    SpreadsheetHost& host_;
    platform::Dialogs& dialogs_;
    TransferPanel& panel_;
    std::function<void()> backToGenerator_;
    bool reverse_ = false;
};

}  // namespace sheet::ui
