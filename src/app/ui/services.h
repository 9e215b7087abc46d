#pragma once

namespace platform {
class Clipboard;
class Desktop;
class Dialogs;
class Shell;
}  // namespace platform

namespace sheet {
class SpreadsheetHost;
}

namespace app::ui {

// The platform services the windows work through; real ones in the program, fakes in tests.
struct Services {
    platform::Desktop& desktop;
    platform::Dialogs& dialogs;
    platform::Clipboard& clipboard;
    platform::Shell& shell;
    sheet::SpreadsheetHost& spreadsheet;
};

}  // namespace app::ui
