#include "sheet/ui/transfer_boxes.h"
#include "sheet/ui/transfer_panel.h"

#include "sheet/ui/sheet_messages.h"
#include "support/ui/scripted_dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TransferBoxesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        other = new QLineEdit(window.get());
        panel = new sheet::ui::TransferPanel(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(other);
        layout->addWidget(panel);
        new sheet::ui::TransferBoxes(*panel, dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types into a box and leaves it for another field, as a click elsewhere would.
    QString typeAndLeave(QLineEdit* box, const QString& keys)
    {
        box->clear();
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, keys);
        other->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        return box->text();
    }

    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    sheet::ui::TransferPanel* panel = nullptr;
};

TEST_F(TransferBoxesTest, ColumnBoxTakesDigitsAndCapitalsAndRefusesTheRest)
{
    QLineEdit* column = panel->columnBox();
    EXPECT_EQ(typeAndLeave(column, QStringLiteral("A-b")), QStringLiteral("A"));
    EXPECT_EQ(dialogs.informed, QStringList(2, sheet::ui::messages::columnKeyRefused()));
    EXPECT_EQ(typeAndLeave(panel->rowBox(), QStringLiteral("1x2")), QStringLiteral("12"));
    EXPECT_EQ(dialogs.informed.size(), 2);  // the row box drops other keys silently
}

TEST_F(TransferBoxesTest, LeavingWithATextThatNamesNoColumnOrRowEmptiesTheBox)
{
    struct Case {
        QString typed;
        bool kept;
    };
    const Case columns[] = {{QStringLiteral("27"), true},  {QStringLiteral("100"), true},
                            {QStringLiteral("CV"), true},  {QStringLiteral("Z"), true},
                            {QStringLiteral("CW"), false}, {QStringLiteral("101"), false},
                            {QStringLiteral("0"), false},  {QStringLiteral("ABC"), false},
                            {QStringLiteral("A1"), false}};
    for (const Case& c : columns) {
        const QString left = typeAndLeave(panel->columnBox(), c.typed);
        EXPECT_EQ(left, c.kept ? c.typed : QString()) << c.typed.toStdString();
        EXPECT_EQ(panel->columnBox()->hasFocus(), !c.kept) << c.typed.toStdString();
    }
    EXPECT_EQ(typeAndLeave(panel->rowBox(), QStringLiteral("05")), QString());
    EXPECT_TRUE(panel->rowBox()->hasFocus());
    EXPECT_EQ(typeAndLeave(panel->rowBox(), QStringLiteral("1000")), QStringLiteral("1000"));
}

TEST_F(TransferBoxesTest, EnterAndArrowsWalkTheBoxesAndEnterTransfers)
{
    QSignalSpy transfers(panel->transferButton(), &QPushButton::clicked);
    QLineEdit* column = panel->columnBox();
    QLineEdit* row = panel->rowBox();

    column->setFocus();
    QTest::keyClick(column, Qt::Key_Return);  // empty: stays
    EXPECT_TRUE(column->hasFocus());
    QTest::keyClicks(column, QStringLiteral("B"));
    QTest::keyClick(column, Qt::Key_Right);
    EXPECT_TRUE(row->hasFocus());
    QTest::keyClick(row, Qt::Key_Left);
    EXPECT_TRUE(column->hasFocus());
    QTest::keyClick(column, Qt::Key_Return);
    EXPECT_TRUE(row->hasFocus());

    QTest::keyClick(row, Qt::Key_Return);  // empty row box: nothing
    EXPECT_EQ(transfers.count(), 0);
    QTest::keyClicks(row, QStringLiteral("3"));
    QTest::keyClick(row, Qt::Key_Return);
    EXPECT_EQ(transfers.count(), 1);
    EXPECT_EQ(row->text(), QStringLiteral("3"));  // Enter is never typed into a box

    panel->transferButton()->setFocus();
    QTest::keyClick(panel->transferButton(), Qt::Key_Left);
    EXPECT_TRUE(row->hasFocus());
}

}  // namespace
