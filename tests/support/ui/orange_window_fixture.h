#pragma once

#include "app/program_state.h"
#include "app/ui/orange_window.h"
#include "app/ui/services.h"
#include "support/fake_spreadsheet_host.h"
#include "support/ui/fake_clipboard.h"
#include "support/ui/fake_desktop.h"
#include "support/ui/fake_shell.h"
#include "support/ui/scripted_dialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

// An orange-mode window on fake services, with its program folder in a temporary directory
// and no spreadsheet running unless a test starts one. createWindow() makes the window.
class OrangeWindowFixture : public ::testing::Test {
protected:
    app::ui::Services services() { return {desktop, dialogs, clipboard, shell, spreadsheet}; }
    void createWindow()
    {
        window = std::make_unique<app::ui::OrangeWindow>(state, dir.path(), services());
    }

    QTemporaryDir dir;
    FakeDesktop desktop;
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeSpreadsheetHost spreadsheet = FakeSpreadsheetHost::notRunning();
    app::ProgramState state;
    std::unique_ptr<app::ui::OrangeWindow> window;
};

}  // namespace testing_support
