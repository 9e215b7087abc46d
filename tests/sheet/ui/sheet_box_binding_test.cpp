#include "sheet/ui/sheet_box_binding.h"

#include "sheet/ui/sheet_messages.h"
#include "sheet_ui_fixture.h"

#include <QAbstractItemView>

namespace {

using Answer = platform::Dialogs::Answer;

class SheetBoxBindingTest : public SheetUiTest {
protected:
    SheetBoxBindingTest() : binding(*view, dialogs, [this] { backToGenerator(); })
    {
        linkFirstWorkbook();
        showWindow();
        generator->setFocus();
    }

    QComboBox* box() const { return panel->sheetBox(); }

    void enterBox()
    {
        box()->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(box()->hasFocus());
    }
    void typeInBox(const QString& text)
    {
        box()->lineEdit()->selectAll();
        QTest::keyClick(box(), Qt::Key_Backspace);
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void pressEnter() { QTest::keyClick(box(), Qt::Key_Return); }
    void leaveBox()
    {
        panel->columnBox()->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    std::vector<std::string> hostSheets() const
    {
        std::vector<std::string> names;
        for (const auto& s : host.workbooks.front().sheets)
            names.push_back(s.name);
        return names;
    }

    sheet::ui::SheetBoxBinding binding;
};

TEST_F(SheetBoxBindingTest, EnteredOnlyWhileTheSpreadsheetIsVisibleAndColouredMeanwhile)
{
    const QColor normal = box()->palette().color(QPalette::Base);
    host.visible = false;
    box()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(generator->hasFocus());

    host.visible = true;
    enterBox();
    EXPECT_EQ(box()->palette().color(QPalette::Base), QColor(182, 254, 236));
    leaveBox();
    EXPECT_EQ(box()->palette().color(QPalette::Base), normal);
}

TEST_F(SheetBoxBindingTest, CharactersASheetNameCannotHoldAreDropped)
{
    enterBox();
    typeInBox(QStringLiteral("A:B/C*D?E[F]G\\H"));
    EXPECT_EQ(box()->currentText(), QStringLiteral("ABCDEFGH"));
}

TEST_F(SheetBoxBindingTest, EnterRenamesTheLinkedSheetAfterTheQuestion)
{
    enterBox();
    typeInBox(QStringLiteral("端子台"));
    dialogs.answers.push_back(Answer::Yes);
    pressEnter();

    EXPECT_EQ(dialogs.asked,
              QStringList{QStringLiteral("シート名:[ Sheet1 ] を [ 端子台 ] に変更しますか？")});
    EXPECT_EQ(hostSheets(), (std::vector<std::string>{sj("端子台"), "Sheet2", sj("集計")}));
    EXPECT_EQ(state.spreadsheet.linkedSheet, sj("端子台"));
    EXPECT_EQ(sheetBoxItems().front(), QStringLiteral("端子台"));
    EXPECT_EQ(box()->currentText(), QStringLiteral("端子台"));
    EXPECT_TRUE(generator->hasFocus());
}

TEST_F(SheetBoxBindingTest, LeavingRenamesWithItsOwnQuestionAndCancelPutsTheNameBack)
{
    enterBox();
    typeInBox(QStringLiteral("盤1"));
    dialogs.answers.push_back(Answer::Yes);
    leaveBox();
    EXPECT_EQ(dialogs.asked,
              QStringList{QStringLiteral("シート名:[ Sheet1 ]を [ 盤1 ]に変更しますか？")});
    EXPECT_EQ(hostSheets().front(), sj("盤1"));
    EXPECT_TRUE(generator->hasFocus());

    enterBox();
    typeInBox(QStringLiteral("盤2"));
    pressEnter();  // Cancel
    EXPECT_EQ(hostSheets().front(), sj("盤1"));
    EXPECT_EQ(box()->currentText(), QStringLiteral("盤1"));
    EXPECT_TRUE(generator->hasFocus());
}

TEST_F(SheetBoxBindingTest, ANameOfAnotherSheetIsRefusedByEnterAndByLeaving)
{
    const QString inUse = QStringLiteral("シート名:[集計] は使用されています");
    enterBox();
    typeInBox(QStringLiteral("集計"));
    pressEnter();
    EXPECT_EQ(dialogs.informed, QStringList{inUse});
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(box()->hasFocus()) << "Enter keeps the box for a correction";
    EXPECT_EQ(box()->currentText(), QStringLiteral("集計"));

    leaveBox();
    EXPECT_EQ(dialogs.informed, (QStringList{inUse, inUse}));
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(box()->currentText(), QStringLiteral("Sheet1"));
    EXPECT_EQ(hostSheets().front(), "Sheet1");
    EXPECT_TRUE(generator->hasFocus());
}

TEST_F(SheetBoxBindingTest, AnEmptiedBoxGetsTheLinkedNameBack)
{
    enterBox();
    typeInBox(QString());
    EXPECT_TRUE(box()->currentText().isEmpty());
    leaveBox();
    EXPECT_EQ(box()->currentText(), QStringLiteral("Sheet1"));
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(SheetBoxBindingTest, ARenameTheSpreadsheetRefusesShowsTheNameTheSheetKept)
{
    enterBox();
    typeInBox(QStringLiteral("New"));
    dialogs.answers.push_back(Answer::Yes);
    host.failAfter = 0;  // the rename itself fails
    pressEnter();
    EXPECT_EQ(hostSheets().front(), "Sheet1");
    EXPECT_EQ(state.spreadsheet.linkedSheet, "Sheet1");
    EXPECT_EQ(box()->currentText(), QStringLiteral("Sheet1"));
}

TEST_F(SheetBoxBindingTest, ChoosingASheetActivatesItAndFollowsItsCell)
{
    host.active = {100, 3};
    enterBox();
    box()->setCurrentIndex(1);
    Q_EMIT box()->activated(1);
    EXPECT_EQ(host.workbooks.front().activeSheet, 1);
    EXPECT_EQ(state.spreadsheet.linkedSheet, "Sheet2");
    EXPECT_EQ(box()->currentText(), QStringLiteral("Sheet2"));
    EXPECT_EQ(panel->columnBox()->text(), QStringLiteral("CV"));
    EXPECT_EQ(panel->rowBox()->text(), QStringLiteral("3"));
    EXPECT_TRUE(generator->hasFocus());
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(SheetBoxBindingTest, ClosingTheListReturnsTheFocus)
{
    enterBox();
    box()->showPopup();
    ASSERT_TRUE(box()->view()->window()->isVisible());
    box()->hidePopup();
    QApplication::processEvents();
    // The offscreen platform does not give the window its activation back by itself.
    EXPECT_EQ(window.focusWidget(), generator);
    EXPECT_EQ(box()->currentText(), QStringLiteral("Sheet1"));
}

}  // namespace
