#include "generator/ui/generator_panel.h"

#include "app/program_state.h"
#include "support/cp932_literals.h"
#include "support/ui/scripted_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using generator::GeneratorPanel;
using generator::PanelField;
using generator::RangeMode;
using marking_list::CountBoxMode;
using F = PanelField;

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class GeneratorPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setLayout(new QVBoxLayout);
        panel = new GeneratorPanel(state, dialogs, &window);
        window.layout()->addWidget(panel);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit* f(PanelField which) const { return panel->field(which); }

    void focus(PanelField which)
    {
        f(which)->setFocus(Qt::OtherFocusReason);
        f(which)->selectAll();
        ASSERT_TRUE(f(which)->hasFocus());
    }

    // Types into the focused field as a keyboard would; Japanese goes through key events
    // carrying the text, one character at a time.
    void type(const QString& s)
    {
        for (const QChar ch : s) {
            QWidget* target = QApplication::focusWidget();
            if (ch.unicode() < 0x80)
                QTest::keyClick(target, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }

    void fill(PanelField which, const char* utf8) { f(which)->setText(u(utf8)); }

    std::optional<PanelField> focused() const { return panel->focusedField(); }

    app::ProgramState state;
    testing_support::ScriptedDialogs dialogs;
    QWidget window;
    GeneratorPanel* panel = nullptr;
};

TEST_F(GeneratorPanelTest, SpanFieldsAreValidatedWhenLeft)
{
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"AB", "AB"}, {"AZ", ""}, {"123", "123"}, {"12A", ""}, {"z", "z"}};
    for (const auto& c : cases) {
        focus(F::Start1);
        f(F::Start1)->clear();
        type(u(c.typed));
        key(Qt::Key_Tab);  // Tab leaves for range 2's start
        EXPECT_EQ(f(F::Start1)->text(), u(c.kept)) << c.typed;
        EXPECT_EQ(focused(), *c.kept ? F::Start2 : F::Start1) << c.typed;
    }
}

TEST_F(GeneratorPanelTest, KeyFiltersOfRangeAndCountFields)
{
    focus(F::Start1);
    type(u("1- a"));
    EXPECT_EQ(f(F::Start1)->text(), u("1a"));

    panel->modeLabel(1)->setFocus();
    QTest::mouseClick(panel->modeLabel(1), Qt::LeftButton);  // range 2 to Pair
    ASSERT_EQ(panel->rangeMode(1), RangeMode::Pair);
    focus(F::Start2);
    type(u("R -"));
    EXPECT_EQ(f(F::Start2)->text(), u("R-"));

    focus(F::Count1);
    type(u("x05"));  // the 0 empties the field as it is released
    EXPECT_EQ(f(F::Count1)->text(), u("5"));
    type(u("12"));
    EXPECT_EQ(f(F::Count1)->text(), u("512"));  // 3 digits in 1BOX

    QTest::mouseClick(panel->layoutButton(CountBoxMode::ThreeBox), Qt::LeftButton);
    focus(F::Count2);
    type(u("05"));
    EXPECT_EQ(f(F::Count2)->text(), u("05"));
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(GeneratorPanelTest, EnterMovesThroughTheFields)
{
    QTest::mouseClick(panel->modeLabel(0), Qt::LeftButton);
    QTest::mouseClick(panel->modeLabel(0), Qt::LeftButton);  // range 1 to Triple
    ASSERT_EQ(panel->rangeMode(0), RangeMode::Triple);
    ASSERT_TRUE(f(F::Middle1)->isVisible());

    focus(F::Start1);
    type(u("R"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Middle1);  // the empty middle comes first
    type(u("S"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::End1);
    type(u("T"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Wire1);
    focus(F::Middle1);
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Count1);  // the end is filled: straight to the count

    focus(F::Wire1);
    type(u("-R"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Count1);
    EXPECT_EQ(f(F::Count1)->selectedText(), f(F::Count1)->text());
}

TEST_F(GeneratorPanelTest, ArrowsAndTabMoveWithTheirCaretRules)
{
    fill(F::Wire1, "AB");
    fill(F::End1, "9");
    focus(F::Wire1);  // whole text selected: the caret counts as standing first
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), F::End1);
    EXPECT_EQ(f(F::End1)->selectedText(), u("9"));

    focus(F::Wire1);
    f(F::Wire1)->setCursorPosition(1);
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), F::Wire1);
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), F::Start2);

    focus(F::Wire2);
    const F cycle[] = {F::Start3, F::Count1, F::Wire1, F::Start1, F::Start2, F::Wire2};
    for (F next : cycle) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
    focus(F::End2);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), F::End2);  // outside the cycle Tab stays
}

TEST_F(GeneratorPanelTest, RangeModesCycleByClickAndByAltAlone)
{
    QLabel* label = panel->modeLabel(0);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Pair);
    EXPECT_TRUE(label->text().isEmpty());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Triple);
    fill(F::Start1, "R");
    fill(F::Middle1, "S");
    QTest::mouseClick(f(F::Middle1), Qt::LeftButton);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Span);
    EXPECT_FALSE(f(F::Middle1)->isVisible());
    EXPECT_TRUE(f(F::Middle1)->text().isEmpty());
    EXPECT_EQ(label->text(), u("～"));
    EXPECT_EQ(focused(), F::Start1);
    EXPECT_EQ(f(F::Start1)->text(), u("R"));

    // Alt held down in a range field repeats its press; the mode changes once.
    focus(F::Start1);
    QWidget* w = f(F::Start1);
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_Alt, QString(), Qt::AltModifier);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier, QString(), true);
        QApplication::sendEvent(w, &repeat);
    }
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_Alt, QString(), Qt::NoModifier);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Pair);

    // Elsewhere a lone Alt returns to the wire text; Ctrl alone asks for the grid.
    bool gridAsked = false;
    QObject::connect(panel, &GeneratorPanel::gridFocusRequested, [&] { gridAsked = true; });
    focus(F::Count1);
    key(Qt::Key_Alt);
    EXPECT_EQ(focused(), F::Wire1);
    key(Qt::Key_Control);
    EXPECT_TRUE(gridAsked);
}

TEST_F(GeneratorPanelTest, FixedRangesAndWireTexts)
{
    const QColor fixedColour(255, 213, 170);
    fill(F::Start2, "1");
    panel->rangeFixedBox(1)->click();
    EXPECT_FALSE(panel->rangeFixedBox(1)->isChecked());  // the end is empty

    fill(F::Start1, "1");
    fill(F::End1, "5");
    focus(F::End1);
    panel->toggleFixOfFocusedField();  // F7
    EXPECT_TRUE(panel->rangeFixedBox(0)->isChecked());
    EXPECT_TRUE(f(F::Start1)->isReadOnly());
    EXPECT_EQ(f(F::Start1)->palette().color(QPalette::Base), fixedColour);
    EXPECT_EQ(focused(), F::Wire1);
    QTest::mouseClick(panel->modeLabel(0), Qt::LeftButton);
    EXPECT_EQ(panel->rangeMode(0), RangeMode::Span);  // a fixed range keeps its mode

    panel->rangeFixedBox(0)->click();
    EXPECT_TRUE(f(F::Start1)->text().isEmpty());
    EXPECT_TRUE(f(F::End1)->text().isEmpty());
    EXPECT_FALSE(f(F::Start1)->isReadOnly());

    panel->wireFixedBox(1)->click();
    EXPECT_FALSE(panel->wireFixedBox(1)->isChecked());  // empty
    fill(F::Wire1, "A");
    fill(F::Wire2, "B");
    panel->wireFixedBox(1)->click();
    EXPECT_TRUE(panel->wireFixedBox(1)->isChecked());
    EXPECT_EQ(focused(), F::Wire1);
    panel->wireFixedBox(0)->click();
    EXPECT_FALSE(panel->wireFixedBox(0)->isChecked());  // wire text 2 is fixed
    panel->wireFixedBox(1)->click();                     // unfixing wire text 2 empties it
    EXPECT_TRUE(f(F::Wire2)->text().isEmpty());

    focus(F::Wire1);
    panel->toggleFixOfFocusedField();
    EXPECT_TRUE(panel->wireFixedBox(0)->isChecked());
    EXPECT_EQ(focused(), F::Wire2);
    EXPECT_EQ(f(F::Wire2)->palette().color(QPalette::Base), QColor(182, 254, 236));
    EXPECT_EQ(f(F::Wire1)->palette().color(QPalette::Base), fixedColour);
}

TEST_F(GeneratorPanelTest, ClearKeepsCountAndNumberingEnd)
{
    fill(F::Start1, "1");
    fill(F::End1, "5");
    fill(F::Wire1, "A");
    panel->rangeFixedBox(0)->click();
    QTest::mouseClick(panel->modeLabel(2), Qt::LeftButton);
    fill(F::Count1, "3");
    fill(F::NumberingEnd, "10");
    panel->pressClear();
    EXPECT_TRUE(f(F::Start1)->text().isEmpty());
    EXPECT_TRUE(f(F::Wire1)->text().isEmpty());
    EXPECT_FALSE(panel->rangeFixedBox(0)->isChecked());
    EXPECT_EQ(panel->rangeMode(2), RangeMode::Span);
    EXPECT_EQ(f(F::Count1)->text(), u("3"));
    EXPECT_EQ(f(F::NumberingEnd)->text(), u("10"));
    EXPECT_EQ(focused(), F::Wire1);
}

TEST_F(GeneratorPanelTest, SerialFirstPriorityNeedsTwoFilledRanges)
{
    QCheckBox* box = panel->serialFirstPriorityBox();
    EXPECT_TRUE(box->isHidden());
    fill(F::Start1, "1");
    fill(F::End1, "3");
    EXPECT_TRUE(box->isHidden());
    fill(F::Start3, "A");
    fill(F::End3, "C");
    EXPECT_FALSE(box->isHidden());
    f(F::End1)->clear();
    EXPECT_TRUE(box->isHidden());
}

TEST_F(GeneratorPanelTest, NumberingBracketFromTypingToEndValue)
{
    focus(F::Wire1);
    type(u("X-"));
    panel->openMarkButton()->click();
    EXPECT_EQ(f(F::Wire1)->text(), u("X-【"));
    EXPECT_TRUE(panel->numberingState());
    key(Qt::Key_Return);  // empty bracket: nothing changes
    EXPECT_EQ(f(F::Wire1)->text(), u("X-【"));
    EXPECT_EQ(focused(), F::Wire1);
    type(u("G"));
    EXPECT_EQ(dialogs.informed, QStringList{u("始値は数字・英大文字A～Fのみ入力できます")});
    EXPECT_EQ(f(F::Wire1)->text(), u("X-【"));
    type(u("1"));
    key(Qt::Key_Return);
    EXPECT_EQ(f(F::Wire1)->text(), u("X-【1】"));
    EXPECT_EQ(focused(), F::NumberingEnd);

    type(u("1x"));  // refused as typed, and its release empties the field
    EXPECT_EQ(dialogs.informed.last(), u("終値は数字・英大文字A～Fのみ入力できます"));
    EXPECT_TRUE(f(F::NumberingEnd)->text().isEmpty());
    type(u("10"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Wire1);
    EXPECT_EQ(f(F::Wire1)->cursorPosition(), 5);  // right after "】"
    EXPECT_FALSE(f(F::Wire1)->hasSelectedText());
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), F::Count1);
}

TEST_F(GeneratorPanelTest, NumberingEndRules)
{
    fill(F::Wire1, "X【1】");
    focus(F::NumberingEnd);
    type(u("1"));
    QTest::mouseClick(f(F::Wire2), Qt::LeftButton);  // equal to the start value: emptied,
                                                    // and the focus stays
    EXPECT_TRUE(f(F::NumberingEnd)->text().isEmpty());
    EXPECT_EQ(focused(), F::NumberingEnd);
    type(u("5"));
    focus(F::Wire2);
    EXPECT_EQ(f(F::NumberingEnd)->text(), u("5"));
    type(u("A"));  // a key in wire text 2, which holds no bracket, drops the end value
    EXPECT_TRUE(f(F::NumberingEnd)->text().isEmpty());

    fill(F::Wire1, "X");  // without a complete bracket there is no end value
    focus(F::NumberingEnd);
    type(u("7"));
    EXPECT_TRUE(f(F::NumberingEnd)->text().isEmpty());
}

TEST_F(GeneratorPanelTest, MarkButtonsRefuseFullWidthAndPlaceLineBreaks)
{
    focus(F::Wire1);
    type(u("日A"));
    panel->openMarkButton()->click();
    panel->lineBreakButton()->click();
    EXPECT_EQ(f(F::Wire1)->text(), u("日A"));
    ASSERT_EQ(dialogs.informed.size(), 2);
    EXPECT_TRUE(dialogs.informed[0].startsWith(u("線番１か線番２に全角文字")));
    EXPECT_TRUE(dialogs.informed[0].endsWith(u("”ナンバーリング【】”は入力できません")));
    EXPECT_TRUE(dialogs.informed[1].endsWith(u("”多段改行｜”は入力できません")));

    state.fullWidthMode = true;
    panel->pressNumberingKey();  // F6 with no "【": the open mark
    panel->pressLineBreakKey();  // F5
    ASSERT_EQ(dialogs.informed.size(), 4);
    EXPECT_TRUE(dialogs.informed[2].startsWith(u("グリッド内に全角文字")));
    EXPECT_TRUE(dialogs.informed[3].startsWith(u("グリッド内に全角文字")));
    state.fullWidthMode = false;

    f(F::Wire1)->clear();
    type(u("AB"));
    panel->pressLineBreakKey();
    EXPECT_EQ(f(F::Wire1)->text(), u("AB|"));
    panel->pressLineBreakKey();  // right after a mark
    EXPECT_EQ(f(F::Wire1)->text(), u("AB|"));
    type(u("C"));
    panel->pressLineBreakKey();
    panel->pressLineBreakKey();  // a third mark
    EXPECT_EQ(f(F::Wire1)->text(), u("AB|C|"));
    f(F::Wire1)->setCursorPosition(0);
    f(F::Wire1)->setText(u("D"));
    f(F::Wire1)->setCursorPosition(0);
    panel->pressLineBreakKey();  // never first in the row while range 1 is empty
    EXPECT_EQ(f(F::Wire1)->text(), u("D"));
    EXPECT_EQ(dialogs.informed.size(), 4);
}

TEST_F(GeneratorPanelTest, LayoutSelectorAndCountFields)
{
    QTest::mouseClick(panel->layoutButton(CountBoxMode::ThreeBox), Qt::LeftButton);
    EXPECT_EQ(state.list.layout(), CountBoxMode::ThreeBox);
    EXPECT_FALSE(f(F::Count2)->isHidden());
    EXPECT_EQ(panel->countLabel(0)->text(), u("1.25"));
    EXPECT_EQ(panel->countLabel(2)->text(), u("5.5"));
    panel->setWireSizeLabel(1, u("3.5"));
    EXPECT_EQ(panel->countLabel(1)->text(), u("3.5"));

    fill(F::Count1, "7");
    QTest::mouseClick(panel->layoutButton(CountBoxMode::Text), Qt::LeftButton);
    EXPECT_EQ(f(F::Count1)->text(), u("7"));  // TEXT keeps count 1
    EXPECT_EQ(panel->countLabel(0)->text(), u("文字列"));
    EXPECT_TRUE(f(F::Count2)->isHidden());
    EXPECT_TRUE(f(F::NumberingEnd)->isHidden());
    EXPECT_TRUE(panel->openMarkButton()->isHidden());
    QTest::mouseClick(panel->layoutButton(CountBoxMode::OneBox), Qt::LeftButton);
    EXPECT_TRUE(f(F::Count1)->text().isEmpty());
    EXPECT_EQ(panel->countLabel(0)->text(), u("個数"));

    state.list.appendRow({"A", "1", ""});
    panel->refresh();
    EXPECT_TRUE(panel->layoutSelector()->isHidden());
}

std::vector<std::string> column(const marking_list::MarkingList& list, int col)
{
    std::vector<std::string> cells;
    for (int row = 1; row < list.nextFreeRow(); ++row)
        cells.push_back(list.cell(col, row));
    return cells;
}

TEST_F(GeneratorPanelTest, OkByEnterInTheCountAndUndoOnce)
{
    std::vector<std::pair<int, int>> moves;
    QObject::connect(panel, &GeneratorPanel::gridMoved,
                     [&](int top, int cursor) { moves.emplace_back(top, cursor); });
    focus(F::Start1);
    type(u("1"));
    key(Qt::Key_Return);
    type(u("10"));
    key(Qt::Key_Return);
    type(u("-R"));
    key(Qt::Key_Return);
    ASSERT_EQ(focused(), F::Count1);
    type(u("2"));
    key(Qt::Key_Return);

    ASSERT_EQ(state.list.rowCount(), 10);
    EXPECT_EQ(state.list.cell(1, 1), "1-R");
    EXPECT_EQ(state.list.cell(1, 10), "10-R");
    EXPECT_EQ(state.list.cell(2, 10), "2");
    EXPECT_TRUE(f(F::Start1)->text().isEmpty());
    EXPECT_TRUE(f(F::End1)->text().isEmpty());
    EXPECT_EQ(f(F::Wire1)->text(), u("-R"));
    EXPECT_EQ(focused(), F::Wire1);
    EXPECT_EQ(f(F::Wire1)->selectedText(), u("-R"));
    EXPECT_FALSE(panel->undoButton()->isHidden());
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_TRUE(panel->layoutSelector()->isHidden());

    EXPECT_TRUE(panel->pressUndoIfVisible());
    EXPECT_EQ(state.list.nextFreeRow(), 1);
    EXPECT_TRUE(state.list.cell(1, 1).empty());
    EXPECT_EQ(f(F::Start1)->text(), u("1"));
    EXPECT_EQ(f(F::End1)->text(), u("10"));
    EXPECT_EQ(f(F::Count1)->text(), u("2"));
    EXPECT_TRUE(panel->undoButton()->isHidden());
    EXPECT_TRUE(state.redoEnabled);
    EXPECT_FALSE(panel->pressUndoIfVisible());  // only once
}

TEST_F(GeneratorPanelTest, UndoAfterInsertionMovesTheRowsBack)
{
    for (const char* text : {"A", "B", "C"})
        state.list.appendRow({text, "", ""});
    state.stringInsertMode = true;
    panel->setGridPositionSource([] {
        return GeneratorPanel::GridPosition{false, 2, 1};  // the user put the cursor on row 2
    });
    fill(F::Start1, "1");
    fill(F::End1, "3");
    focus(F::Count1);
    key(Qt::Key_Return);
    EXPECT_EQ(column(state.list, 1).at(1), "1");
    EXPECT_EQ(state.list.cell(1, 5), "B");

    EXPECT_TRUE(panel->pressUndoIfVisible());
    EXPECT_EQ(state.list.cell(1, 1), "A");
    EXPECT_EQ(state.list.cell(1, 2), "B");
    EXPECT_EQ(state.list.cell(1, 3), "C");
    EXPECT_TRUE(state.list.cell(1, 4).empty());
}

TEST_F(GeneratorPanelTest, OkRefusalsAndQuickCounts)
{
    fill(F::Start1, "5");
    fill(F::End1, "5");
    panel->okButton()->click();
    EXPECT_EQ(state.list.rowCount(), 0);
    EXPECT_EQ(focused(), F::End1);
    EXPECT_EQ(f(F::End1)->selectedText(), u("5"));

    // Alt+3 in a wire text: count 3, then OK; the focus goes to wire text 2 while 1 is fixed.
    f(F::Start1)->clear();
    fill(F::Wire1, "X");
    panel->wireFixedBox(0)->click();
    ASSERT_EQ(focused(), F::Wire2);
    type(u("Y"));
    key(Qt::Key_3, Qt::AltModifier);
    ASSERT_EQ(state.list.rowCount(), 1);
    EXPECT_EQ(state.list.cell(1, 1), "XY");
    EXPECT_EQ(state.list.cell(2, 1), "3");
    EXPECT_EQ(focused(), F::Wire2);

    // Quick count 4 by mouse puts the focus into wire text 1 first, so it acts from anywhere.
    focus(F::Count1);
    QTest::mouseClick(panel->quickCountButton(4), Qt::LeftButton);
    EXPECT_EQ(state.list.rowCount(), 2);
    // Quick count 3 by mouse acts only from a range or wire text.
    focus(F::Count1);
    QTest::mouseClick(panel->quickCountButton(3), Qt::LeftButton);
    EXPECT_EQ(state.list.rowCount(), 2);

    for (int row = state.list.nextFreeRow(); row <= marking_list::MarkingList::kRows; ++row)
        state.list.appendRow({"Z", "", ""});
    focus(F::Wire2);
    panel->okButton()->click();
    EXPECT_EQ(dialogs.informed, QStringList{u("マーキングデータが１０００行入力されています")});
}

}  // namespace
