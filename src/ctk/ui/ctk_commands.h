#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace app {
struct ProgramState;
}
namespace platform {
class Desktop;
class Dialogs;
class Shell;
}

namespace ctk::ui {

class TableControls;

// The orange window's CTK commands: "マーキング" writes the hand-off file beside the program and
// opens it with the marker software, "CTK 保存" writes where the user chooses, and the grid
// menu's import reads a marking file into the empty list.
class CtkCommands final {
public:
    struct Window {
        QWidget* parent = nullptr;
        QString programFolder;
        // The 3BOX choice: the count column written (0..2) and its wire-size caption.
        std::function<int()> markedCountColumn;
        std::function<QString()> markedCountCaption;
        // Puts the focus into the generator's wire-number field.
        std::function<void()> returnFocus;
        // After a marking the import item of the grid menu is disabled.
        std::function<void()> disableImport;
    };

    CtkCommands(app::ProgramState& state, TableControls& table, platform::Desktop& desktop,
                platform::Dialogs& dialogs, platform::Shell& shell, Window window);

    void mark();
    void save();
    void importFile();

private:
    // Steps shared by marking and save: the settings-panel check, the confirmation, the
    // work-length override and the rendering. Nothing when the command stops.
    std::optional<std::string> confirmAndRender(bool marking);
    bool writeFile(const QString& path, const std::string& bytes);

    app::ProgramState& state_;
    TableControls& table_;
    platform::Desktop& desktop_;
    platform::Dialogs& dialogs_;
    platform::Shell& shell_;
    Window window_;
};

}  // namespace ctk::ui
