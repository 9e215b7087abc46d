#pragma once

#include <QObject>

#include <memory>

namespace app {
struct ProgramState;
}
namespace platform {
class Clipboard;
class Dialogs;
}

namespace marking_list::ui {

class ListCommands;
class ListPanel;
class TableGridAccess;

// Puts the list commands behind the list panel's buttons and grid-menu items (and so behind
// their Ctrl shortcuts while the grid has the focus), and keeps the enabling of "元に戻す",
// "やり直し", the cell commands and "貼り付け(&P)" as the commands leave the state.
class ListCommandsBinding final : public QObject {
    Q_OBJECT
public:
    ListCommandsBinding(ListPanel& panel, app::ProgramState& state, platform::Dialogs& dialogs,
                        platform::Clipboard& clipboard);
    ~ListCommandsBinding() override;

    ListCommands& commands() { return *commands_; }

private:
    void syncUndoItems();
    void syncPaste();
    void showStringInsertMode(bool on);

    ListPanel& panel_;
    app::ProgramState& state_;
    platform::Clipboard& clipboard_;
    std::unique_ptr<TableGridAccess> access_;
    std::unique_ptr<ListCommands> commands_;
};

}  // namespace marking_list::ui
