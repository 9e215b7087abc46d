#include "support/ui/scripted_dialogs.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "ctk/ui/destination_box.h"
#include "files/whole_file.h"
#include "generator/text_registers.h"
#include "generator/ui/generator_panel.h"
#include "generator/ui/preset_panel.h"
#include "generator/ui/register_panel.h"
#include "generator/ui/serial_buttons.h"
#include "generator/ui/serial_settings_panel.h"
#include "platform/dialogs.h"
#include "support/cp932_literals.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <deque>

namespace {

using generator::PanelField;
using generator::RangeMode;
using F = PanelField;

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

using testing_support::ScriptedDialogs;

class PresetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("velmorad.ini"));
        ASSERT_EQ(app::SettingsFile::writeNewFile(path.toStdString()), "");
        ASSERT_TRUE(settings.load(path.toStdString()));
        settings.setSerialDefinition(0, "R S T");
        settings.setSerialDefinition(1, "5-Z");
        settings.setSerialDefinition(2, "R ST");
        settings.setSerialDefinition(3, "0-99");
        settings.setSerialDefinition(6, "A-Z");
        settings.setTextRegister(0, "[1-10]-R[]-S[]");
        settings.setTextRegister(1, "[R S T]MCB[]-[]");
        build();
    }

    void build()
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        panel = new generator::GeneratorPanel(state, dialogs, window.get());
        buttons = new generator::SerialButtons(*panel, settings, dialogs, window.get());
        presets = new generator::PresetPanel(state, settings, path, *panel, *buttons, dialogs,
                                             window.get());
        presets->setTableReapply([this] { ++tableReapplied; });
        layout->addWidget(buttons);
        layout->addWidget(panel);
        layout->addWidget(presets);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* f(PanelField which) const { return panel->field(which); }
    void focus(PanelField which)
    {
        f(which)->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(f(which)->hasFocus());
    }
    std::optional<PanelField> focused() const { return panel->focusedField(); }
    generator::RegisterPanel& registers() const { return *presets->registerPanel(); }
    std::string reg(int k) const { return state.textRegisters.text(k); }

    QTemporaryDir dir;
    QString path;
    app::SettingsFile settings;
    app::ProgramState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<QWidget> window;
    generator::GeneratorPanel* panel = nullptr;
    generator::SerialButtons* buttons = nullptr;
    generator::PresetPanel* presets = nullptr;
    int tableReapplied = 0;
};

TEST_F(PresetsTest, ButtonsShowTheirDefinitionsInTwoRows)
{
    EXPECT_EQ(buttons->button(1)->text(), u("R S T"));
    EXPECT_TRUE(buttons->button(7)->isVisible());
    EXPECT_FALSE(buttons->button(5)->isVisible());
    EXPECT_FALSE(buttons->button(20)->isVisible());
    // Slot 7 stands in the upper row, fourth place: right of slot 5's place, above slot 8's.
    const QPoint seven = buttons->button(7)->pos();
    EXPECT_EQ(seven.y(), buttons->button(1)->pos().y());
    EXPECT_GT(seven.x(), buttons->button(3)->pos().x());
    EXPECT_LT(buttons->button(1)->pos().y(), buttons->button(2)->pos().y());
    EXPECT_EQ(buttons->button(4)->pos().x(), buttons->button(3)->pos().x());
}

TEST_F(PresetsTest, ButtonClickFillsTheFocusedRange)
{
    const struct {
        int slot;
        PanelField focus;
        int range;
        RangeMode mode;
        const char *start, *middle, *end;
    } cases[] = {
        {1, F::End2, 1, RangeMode::Triple, "R", "S", "T"},
        {3, F::Wire1, 0, RangeMode::Pair, "R", "", "ST"},
        {4, F::Start3, 2, RangeMode::Span, "0", "", "99"},
        {7, F::Middle2, 1, RangeMode::Span, "A", "", "Z"},  // the middle shown by case 1
    };
    for (const auto& c : cases) {
        focus(c.focus);
        QTest::mouseClick(buttons->button(c.slot), Qt::LeftButton);
        EXPECT_EQ(panel->rangeMode(c.range), c.mode) << c.slot;
        EXPECT_EQ(f(generator::startOf(c.range))->text(), u(c.start)) << c.slot;
        EXPECT_EQ(f(generator::middleOf(c.range))->text(), u(c.middle)) << c.slot;
        EXPECT_EQ(f(generator::middleOf(c.range))->isVisible(), c.mode == RangeMode::Triple);
        EXPECT_EQ(f(generator::endOf(c.range))->text(), u(c.end)) << c.slot;
        // The focus stays, except that a middle field hidden by the new mode passes it on
        // within its range.
        ASSERT_TRUE(focused());
        if (c.focus == F::Middle2)
            EXPECT_EQ(generator::rangeOf(*focused()), 1);
        else
            EXPECT_EQ(focused(), c.focus);
    }
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(PresetsTest, ButtonOutsideTheRangesOrWithABadSpan)
{
    focus(F::Wire2);
    QTest::mouseClick(buttons->button(1), Qt::LeftButton);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(panel->rangeMode(r), RangeMode::Span);

    // Range 1 in Triple with texts; "5-Z" keeps start and end but leaves Triple for Span.
    focus(F::Start1);
    QTest::mouseClick(buttons->button(1), Qt::LeftButton);
    ASSERT_EQ(panel->rangeMode(0), RangeMode::Triple);
    QTest::mouseClick(buttons->button(2), Qt::LeftButton);
    EXPECT_EQ(dialogs.informed, QStringList{u("連番ボタンの作成にエラーがあります")});
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Span);
    EXPECT_EQ(f(F::Start1)->text(), u("R"));
    EXPECT_EQ(f(F::End1)->text(), u("T"));
    EXPECT_TRUE(f(F::Middle1)->text().isEmpty());
    EXPECT_FALSE(f(F::Middle1)->isVisible());
}

TEST_F(PresetsTest, ClosingTheSettingsStoresSavesAndRefreshesTheButtons)
{
    presets->settingsBox()->click();
    ASSERT_TRUE(presets->settingsOpen());
    EXPECT_TRUE(state.serialSettingsOpen);
    EXPECT_FALSE(registers().isVisible());
    generator::SerialSettingsPanel& panelBoxes = *presets->settingsPanel();
    EXPECT_EQ(panelBoxes.definitionBox(7)->text(), u("A-Z"));

    panelBoxes.definitionBox(7)->clear();
    panelBoxes.definitionBox(9)->setFocus();
    QTest::keyClicks(panelBoxes.definitionBox(9), QStringLiteral("  U W "));
    panelBoxes.definitionBox(10)->setFocus();  // leaving the box trims it
    EXPECT_EQ(panelBoxes.definitionBox(9)->text(), u("U W"));
    panelBoxes.setDestinationTable(u("Table 5"));

    presets->settingsBox()->click();
    EXPECT_FALSE(state.serialSettingsOpen);
    EXPECT_TRUE(registers().isVisible());
    EXPECT_FALSE(buttons->button(7)->isVisible());
    EXPECT_TRUE(buttons->button(9)->isVisible());
    EXPECT_EQ(buttons->button(9)->text(), u("U W"));
    EXPECT_EQ(tableReapplied, 1);
    EXPECT_EQ(focused(), F::Wire1);

    // OK closes an open settings panel before it reads the fields.
    presets->settingsBox()->click();
    ASSERT_TRUE(presets->settingsOpen());
    Q_EMIT panel->okStarting();
    EXPECT_FALSE(presets->settingsOpen());
    EXPECT_FALSE(presets->settingsBox()->isChecked());
    EXPECT_EQ(tableReapplied, 2);

    app::SettingsFile saved;
    ASSERT_TRUE(saved.load(path.toStdString()));
    EXPECT_EQ(saved.serialDefinition(6), "");
    EXPECT_EQ(saved.serialDefinition(8), "U W");
    EXPECT_EQ(saved.serialDefinition(0), "R S T");
    EXPECT_EQ(saved.destinationTable(), "Table 5");
    EXPECT_EQ(saved.lineCount(), 51);
}

TEST_F(PresetsTest, DestinationBoxAcceptsOnlyItsItems)
{
    presets->openSettings();
    QComboBox* box = presets->settingsPanel()->destinationBox();
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"Table 5", "Table 5"}, {"Table 21", ""}};
    for (const auto& c : cases) {
        box->setFocus();
        box->setCurrentText(u(c.typed));
        presets->settingsPanel()->definitionBox(1)->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(box->currentText(), u(c.kept)) << c.typed;
    }
    presets->closeSettings();
    EXPECT_EQ(settings.destinationTable(), "");
}

TEST_F(PresetsTest, RecallByButtonClickAndAltLetter)
{
    focus(F::Start2);
    f(F::Wire2)->setText(u("old"));
    QTest::mouseClick(registers().letterButton(0), Qt::LeftButton);
    EXPECT_EQ(f(F::Start1)->text(), u("1"));
    EXPECT_EQ(f(F::End1)->text(), u("10"));
    EXPECT_EQ(f(F::Wire1)->text(), u("-R"));
    EXPECT_EQ(f(F::Wire2)->text(), u("-S"));
    EXPECT_EQ(focused(), F::Wire1);
    EXPECT_EQ(f(F::Wire1)->selectedText(), u("-R"));

    // Alt+B from a range field: Triple range 1, range 2 emptied.
    focus(F::End3);
    QTest::keyClick(f(F::End3), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Triple);
    EXPECT_EQ(f(F::Middle1)->text(), u("S"));
    EXPECT_EQ(f(F::Wire1)->text(), u("MCB"));
    EXPECT_EQ(f(F::Wire2)->text(), u("-"));

    // A click into register A's text recalls it from anywhere: the focus goes to wire text 1.
    focus(F::Count1);
    QTest::mouseClick(registers().textBox(0), Qt::LeftButton);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Span);
    EXPECT_EQ(f(F::Wire1)->text(), u("-R"));

    // From the count field Alt+letter does nothing; an empty register does nothing.
    f(F::Wire1)->setText(u("kept"));
    focus(F::Count1);
    QTest::keyClick(f(F::Count1), Qt::Key_B, Qt::AltModifier);
    focus(F::Wire1);
    registers().recall(5);
    EXPECT_EQ(f(F::Wire1)->text(), u("kept"));
}

TEST_F(PresetsTest, CopyClrAndAllClear)
{
    f(F::Wire1)->setText(u("盤"));
    f(F::Start2)->setText(u("1"));
    f(F::End2)->setText(u("3"));
    presets->copyButton()->click();
    EXPECT_EQ(reg(0), "[]" + sj("盤") + "[1-3][]");
    EXPECT_EQ(reg(1), "[1-10]-R[]-S[]");
    EXPECT_EQ(registers().textBox(0)->text(), u("[]盤[1-3][]"));
    EXPECT_EQ(registers().textBox(0)->toolTip(), u("[]盤[1-3][]"));
    EXPECT_TRUE(registers().textBox(5)->toolTip().isEmpty());
    presets->copyButton()->click();
    EXPECT_EQ(reg(3), "");  // the duplicate was not stored

    registers().clrButton(0)->click();
    EXPECT_EQ(reg(0), "[1-10]-R[]-S[]");
    EXPECT_EQ(registers().textBox(1)->text(), u("[R S T]MCB[]-[]"));

    presets->allClearButton()->click();  // answered Cancel
    EXPECT_EQ(dialogs.asked, QStringList{u("テキストボックスA～Zの\r\n文字列を削除しますか？")});
    EXPECT_EQ(reg(0), "[1-10]-R[]-S[]");
    dialogs.answers.push_back(platform::Dialogs::Answer::Yes);
    presets->allClearButton()->click();
    EXPECT_EQ(reg(0), "");
    EXPECT_TRUE(registers().textBox(1)->text().isEmpty());
}

TEST_F(PresetsTest, HistoryModeSwapsControlsAndFixesWithColours)
{
    settings.setTextRegister(2, "[]c[][]");
    state.textRegisters.setText(2, "[]c[][]");
    presets->historyModeBox()->click();
    EXPECT_TRUE(state.textRegisters.historyMode());
    EXPECT_FALSE(presets->copyButton()->isEnabled());
    EXPECT_TRUE(presets->copyButton()->toolTip().isEmpty());
    EXPECT_FALSE(registers().clrButton(0)->isVisible());
    EXPECT_TRUE(registers().fixedBox(0)->isVisible());
    EXPECT_EQ(settings.line(47), "CHECK8");

    registers().fixedBox(2)->click();  // C's entry moves to A, fixed
    EXPECT_EQ(reg(0), "[]c[][]");
    EXPECT_EQ(reg(1), "[1-10]-R[]-S[]");
    EXPECT_TRUE(registers().fixedBox(0)->isChecked());
    EXPECT_FALSE(registers().fixedBox(2)->isChecked());
    EXPECT_EQ(registers().textBox(0)->palette().color(QPalette::Base),
              generator::RegisterPanel::fixedColour());
    EXPECT_EQ(registers().textBox(1)->palette().color(QPalette::Base),
              generator::RegisterPanel::normalColour());

    registers().fixedBox(10)->click();  // empty: unchecks itself
    EXPECT_FALSE(registers().fixedBox(10)->isChecked());

    presets->historyModeBox()->click();
    EXPECT_TRUE(presets->copyButton()->isEnabled());
    EXPECT_FALSE(presets->copyButton()->toolTip().isEmpty());
    EXPECT_TRUE(registers().clrButton(0)->isVisible());
    EXPECT_FALSE(state.textRegisters.fixed(0));
    EXPECT_EQ(reg(0), "[]c[][]");  // texts stay where they were
    EXPECT_EQ(registers().textBox(0)->palette().color(QPalette::Base),
              generator::RegisterPanel::normalColour());
}

TEST_F(PresetsTest, OkInHistoryModeFilesBelowTheFixedRegisters)
{
    presets->historyModeBox()->click();
    registers().fixedBox(0)->click();
    f(F::Start1)->setText(u("1"));
    f(F::End1)->setText(u("3"));
    f(F::Wire1)->setText(u("-R"));
    panel->okButton()->click();
    presets->refresh();  // the window's state refresh
    EXPECT_EQ(reg(0), "[1-10]-R[]-S[]");
    EXPECT_EQ(reg(1), "[1-3]-R[][]");
    EXPECT_EQ(reg(2), "[R S T]MCB[]-[]");
    EXPECT_EQ(registers().textBox(1)->text(), u("[1-3]-R[][]"));
}

TEST_F(PresetsTest, RegistersAndHistoryModeAreWrittenBackAtClose)
{
    f(F::Wire1)->setText(u("X"));
    presets->copyButton()->click();
    presets->historyModeBox()->click();
    app::SettingsFile out = settings;
    presets->writeSettings(out);
    EXPECT_EQ(out.textRegister(0), "[]X[][]");
    EXPECT_EQ(out.textRegister(1), "[1-10]-R[]-S[]");
    EXPECT_EQ(out.textRegister(2), "[R S T]MCB[]-[]");
    EXPECT_EQ(out.line(47), "CHECK8");
    EXPECT_EQ(out.destinationTable(), "Table 0");

    // History mode is read from line 47 whenever the window is shown.
    settings.setHistoryMode(false);
    window->hide();
    window->show();
    EXPECT_FALSE(presets->historyModeBox()->isChecked());
}

}  // namespace
