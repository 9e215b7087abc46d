#pragma once

#include <QWidget>

#include <array>

class QPushButton;

namespace app {
class SettingsFile;
}
namespace platform {
class Dialogs;
}

namespace generator {

class GeneratorPanel;

// The twenty preset buttons above the generator fields, in two rows of ten (odd slots above,
// even slots below). A click writes the button's definition into the serial range whose
// field has the focus; the buttons never take the focus themselves.
class SerialButtons final : public QWidget {
    Q_OBJECT

public:
    SerialButtons(GeneratorPanel& panel, const app::SettingsFile& settings,
                  platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Slot 1 .. 20.
    QPushButton* button(int slot) const { return buttons_.at(slot - 1); }

    // Captions from settings lines 0-19; a button whose line is empty is hidden. Done at
    // creation, and again whenever the settings panel closes.
    void showDefinitions();

    // A click on slot n: the definition of settings line n - 1 goes into the range that has
    // the focus (range 1 also for wire text 1); with the focus elsewhere nothing happens.
    void apply(int slot);

private:
    GeneratorPanel& panel_;
    const app::SettingsFile& settings_;
    platform::Dialogs& dialogs_;
    std::array<QPushButton*, 20> buttons_{};
};

}  // namespace generator
