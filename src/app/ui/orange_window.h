#pragma once

#include "app/control_states.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/ui/services.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QPushButton;
class QVBoxLayout;

namespace marking_list::ui {
class GridModes;
class LineBreakPanel;
class ListPanel;
class MarkingGrid;
class TextOperationsPanel;
}  // namespace marking_list::ui
namespace sheet::ui {
class TransferPanel;
}
namespace ctk::ui {
class CtkPanel;
}

namespace marking_list::ui {
class ListCommands;
class ListCommandsBinding;
}  // namespace marking_list::ui

namespace app::ui {

class Hints;
class WindowMenu;

// The orange-mode window: a frame of panels (the generator, the list with its grid, the
// spreadsheet transfer, the CTK controls) at the right edge of the work area over its whole
// height. It owns the StateRefreshTimer, asks before closing, writes the settings it holds
// and switches Caps Lock on for the program's life.
class OrangeWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kInnerWidth = 544;
    static constexpr int kTimerInterval = 100;
    static constexpr int kGeneratorHeight = 318;
    static constexpr int kListPanelWidth = 400;
    static constexpr int kFrameMargin = 4;
    static constexpr int kColumnSpacing = 6;
    static QColor colour() { return {221, 179, 79}; }

    // Reads the settings file at `folder`/velmorad.ini into the window's image.
    OrangeWindow(ProgramState& state, const QString& folder, Services services,
                 Hints* hints = nullptr, QWidget* parent = nullptr);
    ~OrangeWindow() override;

    ProgramState& state() { return state_; }
    SettingsFile& settings() { return settings_; }
    QString settingsPath() const;
    const Services& services() const { return services_; }

    marking_list::ui::ListPanel* listPanel() const { return listPanel_; }
    marking_list::ui::MarkingGrid* grid() const;
    sheet::ui::TransferPanel* transferPanel() const { return transferPanel_; }
    ctk::ui::CtkPanel* ctkPanel() const { return ctkPanel_; }
    marking_list::ui::GridModes* gridModes() const { return gridModes_; }
    marking_list::ui::LineBreakPanel* lineBreakPanel() const { return lineBreakPanel_; }
    marking_list::ui::ListCommands& listCommands();
    WindowMenu& windowMenu() { return *windowMenu_; }
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* hintButton() const { return hintButton_; }
    QPushButton* blueModeButton() const { return blueModeButton_; }

    // The generator panel takes the area at the top of the window (it becomes its child).
    void setGeneratorPanel(QWidget* panel);
    QWidget* generatorSlot() const { return generatorSlot_; }

    // Before the close question: true keeps the window open with "設定を閉じてください"
    // (the serial-button settings panel is open).
    void setCloseGuard(std::function<bool()> guard);
    // Panels that keep settings lines write them here when the program closes.
    void addSettingsWriter(std::function<void(SettingsFile&)> writer);

    // Flush against the right edge of the work area over its whole height.
    void placeOnScreen();

    QTimer& stateRefreshTimer() { return stateRefreshTimer_; }
    // StateRefreshTimer tick: NextFreeRow from the cells, then every control that follows it.
    void stateRefreshTick();

Q_SIGNALS:
    // The control states of the last refresh, for the panels that follow the list.
    void controlStatesRefreshed(const app::ControlStates& states);
    // The focus goes back to the generator's wire text (after a cancelled close, ...).
    void generatorFocusWanted();
    // The window has become visible (after the settings it shows are applied).
    void shown();
    // The user confirmed the close: the settings are saved, the program is about to end.
    void quitting();
    // The window has closed for good.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildGridModes();
    // The table file, the CTK buttons, F8 and F10 and the grid menu's import.
    void attachCtkCommands();
    // The transfer boxes' keys, "転送", "逆順で転送する" and F9.
    void attachTransfer();
    void applyShownSettings();
    void writeSettings();
    bool saveSettings();

    ProgramState& state_;
    QString folder_;
    SettingsFile settings_;
    Services services_;
    Hints* hints_;
    QWidget* generatorSlot_ = nullptr;
    QVBoxLayout* generatorLayout_ = nullptr;
    marking_list::ui::ListPanel* listPanel_ = nullptr;
    sheet::ui::TransferPanel* transferPanel_ = nullptr;
    ctk::ui::CtkPanel* ctkPanel_ = nullptr;
    marking_list::ui::TextOperationsPanel* textOperationsPanel_ = nullptr;
    marking_list::ui::LineBreakPanel* lineBreakPanel_ = nullptr;
    QPushButton* halfWidthButton_ = nullptr;
    marking_list::ui::GridModes* gridModes_ = nullptr;
    marking_list::ui::ListCommandsBinding* listCommandsBinding_ = nullptr;
    QPushButton* blueModeButton_ = nullptr;
    QPushButton* hintButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    WindowMenu* windowMenu_ = nullptr;
    QTimer stateRefreshTimer_;
    std::function<bool()> closeGuard_;
    std::vector<std::function<void(SettingsFile&)>> settingsWriters_;
    bool closeConfirmed_ = false;
};

}  // namespace app::ui
