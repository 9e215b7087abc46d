#include "app/program_state.h"
#include "ctk/table_file.h"
#include "ctk/ui/adjust_box.h"
#include "ctk/ui/ctk_messages.h"
#include "ctk/ui/destination_box.h"
#include "ctk/ui/table_controls.h"
#include "ctk/ui/table_selector.h"
#include "ctk_ui_fakes.h"
#include "support/cp932_literals.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ctk_ui_testing;
using ctk::ui::TableControls;

namespace {

ctk::TableFile tables()
{
    return ctk::loadTableFile(std::filesystem::path(VELMORA_FIXTURES_DIR) / "ctk" /
                              "tables20.sp3");
}

class TableControlsTest : public ::testing::Test {
protected:
    TableControlsTest() : controls(state, desktop, dialogs, &window)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&generator);
        layout->addWidget(&controls);
        controls.setReturnFocus([this] {
            ++focusReturns;
            generator.setFocus();
        });
        controls.load(tables(), "");
        window.show();
        QApplication::setActiveWindow(&window);
        generator.setFocus();
    }

    void type(QWidget* w, const QString& text)
    {
        w->setFocus();
        QTest::keyClicks(w, text);
    }

    const ctk::AppliedConditions& conditions() { return *controls.applied(); }

    app::ProgramState state;
    FakeDesktop desktop;
    RecordingDialogs dialogs;
    QWidget window;
    QLineEdit generator;
    TableControls controls;
    int focusReturns = 0;
};

}  // namespace

TEST(TableControlsLoad, WithoutTheTableFileEverythingIsHidden)
{
    app::ProgramState state;
    FakeDesktop desktop;
    RecordingDialogs dialogs;
    QWidget window;
    TableControls controls(state, desktop, dialogs, &window);
    controls.load(ctk::TableFile{}, "");
    window.show();
    EXPECT_FALSE(controls.isVisible());
    EXPECT_FALSE(controls.tableApplied());
    EXPECT_EQ(controls.applied(), nullptr);
}

TEST_F(TableControlsTest, LoadAppliesTheFirstTable)
{
    ASSERT_EQ(controls.selector()->count(), 20);
    EXPECT_EQ(controls.selectorText(), QStringLiteral("TB用 (Table1)"));
    EXPECT_EQ(controls.selector()->palette().color(QPalette::Button), QColor(170, 255, 213));
    EXPECT_EQ(conditions().line(6), sj("Comment=TB用"));
    EXPECT_TRUE(controls.feedCheck()->isVisible());  // WorkMode 3
    controls.setLayoutAllowsTable(false);            // TEXT layout
    EXPECT_FALSE(controls.selector()->isVisible());
    EXPECT_FALSE(controls.workLengthCheck()->isVisible());
    EXPECT_EQ(controls.applied(), nullptr);
}

TEST_F(TableControlsTest, SelectionChangeColoursRefillsAndSwitchesOff)
{
    controls.feedCheck()->setChecked(true);
    controls.percentageBox()->setText(QStringLiteral("110"));
    controls.percentageBox()->setFocus();
    generator.setFocus();  // leaving applies the typed percentage
    EXPECT_EQ(conditions().line(19), "Hosei=110");

    controls.selectTable(2);  // WorkMode 1
    EXPECT_EQ(controls.selector()->palette().color(QPalette::Button), QColor(255, 170, 255));
    EXPECT_FALSE(controls.feedCheck()->isChecked());
    EXPECT_FALSE(controls.feedCheck()->isVisible());
    EXPECT_EQ(conditions().line(19), "Hosei=100");
    EXPECT_EQ(conditions().line(9), "WorkLength=40");
    EXPECT_TRUE(state.adjustments.percentage.empty());
    EXPECT_GE(focusReturns, 1);

    controls.selectTable(1);  // WorkMode 2
    EXPECT_TRUE(controls.feedCheck()->isVisible());
}

TEST_F(TableControlsTest, SelectorPassesKeyboardFocusOn)
{
    const int before = focusReturns;
    controls.selector()->setFocus(Qt::TabFocusReason);  // pointer far away
    EXPECT_EQ(focusReturns, before + 1);
    desktop.pointer = controls.selector()->mapToGlobal(QPoint(3, 3));
    generator.setFocus();
    controls.selector()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(focusReturns, before + 1);
    EXPECT_TRUE(controls.selector()->hasFocus());
}

TEST_F(TableControlsTest, WorkLengthEnterWritesBothLinesAndEndsTheFeedCorrection)
{
    controls.feedCheck()->setChecked(true);
    controls.workLengthCheck()->setChecked(true);
    EXPECT_EQ(controls.workLengthBox()->text(), QStringLiteral("30"));
    EXPECT_TRUE(controls.workLengthBox()->hasFocus());
    QTest::keyClicks(controls.workLengthBox(), QStringLiteral("1200a"));  // "a" is refused
    QTest::keyClick(controls.workLengthBox(), Qt::Key_Return);
    EXPECT_EQ(conditions().line(9), "WorkLength=1200");
    EXPECT_EQ(conditions().line(43), "WorkLength=1200");
    EXPECT_EQ(state.adjustments.workLengthOverride, "1200");
    EXPECT_FALSE(controls.feedCheck()->isChecked());

    // Emptied and left: the table's value comes back into the box, nothing is applied.
    controls.workLengthBox()->setFocus();
    controls.workLengthBox()->clear();
    generator.setFocus();
    EXPECT_EQ(controls.workLengthBox()->text(), QStringLiteral("30"));
    EXPECT_EQ(conditions().line(9), "WorkLength=1200");

    controls.workLengthCheck()->setChecked(false);
    EXPECT_EQ(conditions().line(9), "WorkLength=30");
    EXPECT_TRUE(state.adjustments.workLengthOverride.empty());
}

TEST_F(TableControlsTest, FeedCorrectionFromTheMeasuredLengths)
{
    struct Case {
        const char* terminal;
        const char* strip;
        const char* hosei;  // nullptr: refused with the range message
    };
    const Case cases[] = {{"203", "200", "101.4"}, {"57", "50", "114"}, {"250", "200", nullptr}};
    for (const Case& c : cases) {
        controls.feedCheck()->setChecked(true);
        EXPECT_EQ(controls.percentageBox()->text(), QStringLiteral("100"));
        EXPECT_TRUE(controls.terminalBox()->hasFocus());
        QTest::keyClicks(controls.terminalBox(), QString::fromLatin1(c.terminal));
        QTest::keyClick(controls.terminalBox(), Qt::Key_Return);
        ASSERT_TRUE(controls.stripBox()->hasFocus());
        QTest::keyClicks(controls.stripBox(), QString::fromLatin1(c.strip));
        dialogs.informed.clear();
        QTest::keyClick(controls.stripBox(), Qt::Key_Return);
        if (c.hosei) {
            EXPECT_EQ(conditions().line(19), std::string("Hosei=") + c.hosei);
            EXPECT_EQ(conditions().line(53), std::string("Hosei=") + c.hosei);
            EXPECT_EQ(state.adjustments.terminalLength, c.terminal);
            EXPECT_TRUE(dialogs.informed.isEmpty());
        } else {
            EXPECT_EQ(dialogs.informed, QStringList{ctk::ui::messages::feedOutOfRange()});
            EXPECT_TRUE(controls.stripBox()->text().isEmpty());
            EXPECT_TRUE(controls.stripBox()->hasFocus());
            EXPECT_EQ(conditions().line(19), "Hosei=100");
        }
        controls.feedCheck()->setChecked(false);
        EXPECT_EQ(conditions().line(19), "Hosei=100");
        EXPECT_TRUE(state.adjustments.terminalLength.empty());
    }
}

TEST_F(TableControlsTest, TypedPercentageIsCheckedWhenLeft)
{
    controls.feedCheck()->setChecked(true);
    controls.percentageBox()->setFocus();
    controls.percentageBox()->setText(QStringLiteral("100.0"));
    generator.setFocus();
    EXPECT_EQ(conditions().line(19), "Hosei=100");
    controls.percentageBox()->setFocus();
    controls.percentageBox()->setText(QStringLiteral("79.9"));
    generator.setFocus();
    EXPECT_EQ(dialogs.informed, QStringList{ctk::ui::messages::feedOutOfRange()});
    EXPECT_EQ(controls.percentageBox()->text(), QStringLiteral("100"));
    EXPECT_TRUE(controls.percentageBox()->hasFocus());
}

TEST_F(TableControlsTest, DestinationTableNamesTheTableNumberAtRendering)
{
    controls.selectTable(1);
    controls.setDestination("Table 5");
    controls.prepareForRendering();
    EXPECT_EQ(conditions().line(5), "TableNo=5");
    EXPECT_EQ(conditions().line(19), "Hosei=98.5");  // every other value from the 2nd line
    controls.setDestination("Table 0");
    controls.prepareForRendering();
    EXPECT_EQ(conditions().line(34), "TableNo=2");
}

TEST(DestinationBox, LeftWithAnUnknownTextIsEmptiedAndKeepsTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new ctk::ui::DestinationTableBox(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(box);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(box->count(), 21);
    EXPECT_EQ(box->destination(), QStringLiteral("Table 0"));

    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Table 21"), QString()},
        {QStringLiteral("Table 5"), QStringLiteral("Table 5")},
    };
    for (const auto& [typed, kept] : cases) {
        box->setFocus();
        box->setEditText(typed);
        other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(box->destination(), kept);
        EXPECT_EQ(box->hasFocus(), kept.isEmpty()) << typed.toStdString();
    }
}
