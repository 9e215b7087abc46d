#pragma once

namespace platform {
class Clipboard;
class Desktop;
class Dialogs;
class Shell;
}  // namespace platform

namespace app::ui {

// The platform services the windows work through; real ones in the program, fakes in tests.
struct Services {
    platform::Desktop& desktop;
    platform::Dialogs& dialogs;
    platform::Clipboard& clipboard;
    platform::Shell& shell;
};

}  // namespace app::ui
