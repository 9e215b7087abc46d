#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;
class QStackedWidget;

namespace app {
class SettingsFile;
struct ProgramState;
}  // namespace app
namespace platform {
class Dialogs;
}

namespace generator {

class GeneratorPanel;
class RegisterPanel;
class SerialButtons;
class SerialSettingsPanel;

// The area beside the generator that holds the text registers A-Z, or, while "設定" is
// checked, the serial buttons' settings in their place; with the copy button, "All Clear"
// and the history mode box. It keeps the settings lines of both: 0-19 and 46 when the
// settings close, 20-45 and 47 when the program closes.
class PresetPanel final : public QWidget {
    Q_OBJECT

public:
    PresetPanel(app::ProgramState& state, app::SettingsFile& settings, QString settingsPath,
                GeneratorPanel& generator, SerialButtons& buttons, platform::Dialogs& dialogs,
                QWidget* parent = nullptr);

    QCheckBox* settingsBox() const { return settingsBox_; }
    QCheckBox* historyModeBox() const { return historyModeBox_; }
    QPushButton* copyButton() const { return copyButton_; }
    QPushButton* allClearButton() const { return allClearButton_; }
    RegisterPanel* registerPanel() const { return registers_; }
    SerialSettingsPanel* settingsPanel() const { return settingsPanel_; }

    // While the settings are open, marking, saving, closing the window and the switch to
    // blue mode are refused ("設定を閉じてください").
    bool settingsOpen() const;
    void openSettings();
    // Writes the definitions and the destination to the image, refreshes the buttons, saves
    // the file, re-applies the table and returns the focus to the generator.
    void closeSettings();

    // Called after the settings file is saved with a new destination table.
    void setTableReapply(std::function<void()> reapply) { tableReapply_ = std::move(reapply); }

    // At the program's close: registers into lines 20-45, the destination into 46, history
    // mode into 47.
    void writeSettings(app::SettingsFile& settings) const;

    // Repaints the registers from their state (texts, fixed flags, colours).
    void refresh();

    void copyToRegisters();
    void allClear();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void historyModeToggled(bool on);
    void saveSettingsFile();

    app::ProgramState& state_;
    app::SettingsFile& settings_;
    QString settingsPath_;
    GeneratorPanel& generator_;
    SerialButtons& buttons_;
    platform::Dialogs& dialogs_;
    std::function<void()> tableReapply_;

    QCheckBox* settingsBox_ = nullptr;
    QCheckBox* historyModeBox_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* allClearButton_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    RegisterPanel* registers_ = nullptr;
    SerialSettingsPanel* settingsPanel_ = nullptr;
};

}  // namespace generator
