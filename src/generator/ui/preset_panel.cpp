#include "generator/ui/preset_panel.h"

#include "app/program_state.h"
#include "app/settings_file.h"
#include "generator/text_registers.h"
#include "generator/ui/generator_panel.h"
#include "generator/ui/register_panel.h"
#include "generator/ui/serial_buttons.h"
#include "generator/ui/serial_settings_panel.h"
#include "platform/dialogs.h"
#include "text/ui/qt_text.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace generator {

namespace {

QString copyHint()
{
    return QStringLiteral("クリックすると連番１，２，３、線番１，２の文字列がテキストボックスA～Zに\r\n"
                          "登録されます（同じ文字列が登録されているとコピーできません）");
}

GeneratorInput inputOf(const GeneratorPanel& panel)
{
    const PanelTexts texts = panel.texts();
    GeneratorInput input;
    for (int r = 0; r < 3; ++r) {
        const RangeTexts& range = texts.ranges[r];
        input.ranges[r] = {range.start, range.middle, range.end, range.mode};
    }
    input.wire1 = texts.wire1;
    input.wire2 = texts.wire2;
    return input;
}

}  // namespace

PresetPanel::PresetPanel(app::ProgramState& state, app::SettingsFile& settings,
                         QString settingsPath, GeneratorPanel& generator, SerialButtons& buttons,
                         platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      state_(state),
      settings_(settings),
      settingsPath_(std::move(settingsPath)),
      generator_(generator),
      buttons_(buttons),
      dialogs_(dialogs)
{
    TextRegisters& registers = state_.textRegisters;
    for (int k = 0; k < TextRegisters::kCount; ++k)
        registers.setText(k, settings_.textRegister(k));

    settingsBox_ = new QCheckBox(QStringLiteral("設定"), this);
    settingsBox_->setFocusPolicy(Qt::NoFocus);
    settingsBox_->setToolTip(QStringLiteral("ココにチェックをつけると連番ボタンの設定ができます"));
    historyModeBox_ = new QCheckBox(QStringLiteral("履歴モード"), this);
    historyModeBox_->setFocusPolicy(Qt::NoFocus);
    historyModeBox_->setToolTip(QStringLiteral("ココにチェックをつけると線番履歴が残ります"));
    copyButton_ = new QPushButton(QStringLiteral("線番\nコピー"), this);
    copyButton_->setFocusPolicy(Qt::NoFocus);
    copyButton_->setToolTip(copyHint());
    allClearButton_ = new QPushButton(QStringLiteral("All Clear"), this);
    allClearButton_->setFocusPolicy(Qt::NoFocus);
    allClearButton_->setToolTip(QStringLiteral("登録されている文字列をすべて削除します"));

    registers_ = new RegisterPanel(registers, generator_, this);
    settingsPanel_ = new SerialSettingsPanel(generator_, this);
    settingsPanel_->load(settings_);
    stack_ = new QStackedWidget(this);
    stack_->addWidget(registers_);
    stack_->addWidget(settingsPanel_);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(settingsBox_);
    side->addWidget(historyModeBox_);
    side->addWidget(copyButton_);
    side->addWidget(allClearButton_);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_, 1);
    layout->addLayout(side);

    connect(settingsBox_, &QCheckBox::toggled, this,
            [this](bool on) { on ? openSettings() : closeSettings(); });
    connect(historyModeBox_, &QCheckBox::toggled, this, &PresetPanel::historyModeToggled);
    connect(copyButton_, &QPushButton::clicked, this, &PresetPanel::copyToRegisters);
    connect(allClearButton_, &QPushButton::clicked, this, &PresetPanel::allClear);
    connect(&generator_, &GeneratorPanel::okStarting, this, &PresetPanel::closeSettings);
}

bool PresetPanel::settingsOpen() const
{
    return state_.serialSettingsOpen;
}

void PresetPanel::openSettings()
{
    if (state_.serialSettingsOpen)
        return;
    state_.serialSettingsOpen = true;
    if (!settingsBox_->isChecked()) {
        const QSignalBlocker block(settingsBox_);
        settingsBox_->setChecked(true);
    }
    settingsPanel_->load(settings_);
    stack_->setCurrentWidget(settingsPanel_);
}

void PresetPanel::closeSettings()
{
    if (!state_.serialSettingsOpen)
        return;
    state_.serialSettingsOpen = false;
    if (settingsBox_->isChecked()) {
        const QSignalBlocker block(settingsBox_);
        settingsBox_->setChecked(false);
    }
    settingsPanel_->store(settings_);
    buttons_.showDefinitions();
    stack_->setCurrentWidget(registers_);
    saveSettingsFile();
    if (tableReapply_)
        tableReapply_();
    generator_.focusWireText();
}

void PresetPanel::saveSettingsFile()
{
    const std::string error = settings_.save(settingsPath_.toStdString());
    if (error.empty())
        return;
    // The image keeps the new lines; the program's close tries to save them again.
    dialogs_.inform(window(), QStringLiteral("設定ファイルを保存できませんでした。\r\n%1\r\n（%2）")
                                  .arg(settingsPath_, QString::fromStdString(error)));
}

void PresetPanel::writeSettings(app::SettingsFile& settings) const
{
    const TextRegisters& registers = state_.textRegisters;
    for (int k = 0; k < TextRegisters::kCount; ++k)
        settings.setTextRegister(k, registers.text(k));
    if (auto table = text::fromQString(settingsPanel_->destinationTable()))
        settings.setDestinationTable(std::move(*table));
    settings.setHistoryMode(historyModeBox_->isChecked());
}

void PresetPanel::refresh()
{
    registers_->refresh();
}

void PresetPanel::copyToRegisters()
{
    if (state_.textRegisters.copy(inputOf(generator_)) == TextRegisters::CopyOutcome::Stored) {
        closeSettings();
        refresh();
    }
    generator_.focusWireText();
}

void PresetPanel::allClear()
{
    if (!state_.serialSettingsOpen &&
        dialogs_.ask(window(), QStringLiteral("テキストボックスA～Zの\r\n文字列を削除しますか？"),
                     platform::Dialogs::Buttons::YesCancel) == platform::Dialogs::Answer::Yes) {
        state_.textRegisters.clearAll();
        refresh();
    }
    generator_.focusWireText();
}

void PresetPanel::historyModeToggled(bool on)
{
    state_.textRegisters.setHistoryMode(on);
    // Kept in the image at once, so that showing the window again (after blue mode) reads
    // the state the user chose rather than the one of the last close.
    settings_.setHistoryMode(on);
    copyButton_->setEnabled(!on);
    copyButton_->setToolTip(on ? QString() : copyHint());
    registers_->showHistoryControls(on);
    refresh();
    generator_.focusWireText();
}

void PresetPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // History mode comes from settings line 47 each time the window is shown.
    historyModeBox_->setChecked(settings_.historyMode());
}

}  // namespace generator
