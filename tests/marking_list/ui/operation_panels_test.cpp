#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/operation_field.h"
#include "marking_list/ui/text_operations_panel.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using marking_list::Placement;
using marking_list::ui::LineBreakPanel;
using marking_list::ui::OperationField;
using marking_list::ui::TextOperationsPanel;
using Field = TextOperationsPanel::Field;
using Op = TextOperationsPanel::Operation;

namespace {

void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Types one character as an input method would, for text QTest::keyClicks cannot type.
void typeChar(QWidget* w, const QString& ch)
{
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, ch, Qt::NoModifier);
}

void press(QWidget* w, Qt::Key key)
{
    QTest::keyClick(w, key);
}

TEST(OperationPanels, FieldsTakeOnlyTheirCharacters)
{
    TextOperationsPanel panel;
    QString cellRule = QStringLiteral("1234567890");  // a count column is selected
    panel.setCellCharacters([&] { return cellRule; });
    struct Case {
        Field field;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {Field::ReplaceOccurrence, "6a3", "3"},
        {Field::InsertPosition, "09", "9"},
        {Field::DeleteOccurrence, "51", "5"},    // one character
        {Field::ReplaceTarget, "1A2", "12"},    // the count column's digits
        {Field::InsertText, "x7", "7"},
        {Field::InsertKeyword, "AB-CDEFGHIJK", "AB-CDEFGHI"},  // any text, at most 10
    };
    for (const Case& c : cases) {
        OperationField* f = panel.field(c.field);
        QTest::keyClicks(f, QString::fromLatin1(c.typed));
        EXPECT_EQ(f->text(), QString::fromLatin1(c.kept)) << c.typed;
    }
    cellRule.clear();  // column 1: any text CP932 holds
    OperationField* replacement = panel.field(Field::Replacement);
    for (const QString& ch : {QStringLiteral("A"), QStringLiteral("\u00e9"), QStringLiteral("B")})
        typeChar(replacement, ch);  // é has no CP932 form
    EXPECT_EQ(replacement->text(), QStringLiteral("AB"));
    typeChar(replacement, QStringLiteral("漢"));
    EXPECT_EQ(replacement->text(), QStringLiteral("AB漢"));
}

TEST(OperationPanels, ReplaceKeyboardFlow)
{
    TextOperationsPanel panel;
    showActive(panel);
    QSignalSpy ok(&panel, &TextOperationsPanel::okClicked);
    OperationField* target = panel.field(Field::ReplaceTarget);
    target->setFocus();
    press(target, Qt::Key_Return);  // empty: stays
    EXPECT_EQ(QApplication::focusWidget(), target);
    EXPECT_EQ(target->text(), QString());
    QTest::keyClicks(target, QStringLiteral("AB"));
    press(target, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), panel.field(Field::ReplaceOccurrence));
    press(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), panel.field(Field::Replacement));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
    press(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(ok.count(), 1);
    EXPECT_EQ(ok.at(0).at(0).value<Op>(), Op::Replace);
    const auto input = panel.replaceInput();
    EXPECT_EQ(input.target, "AB");
    EXPECT_EQ(input.occurrence, 0);
    EXPECT_EQ(input.replacement, "X");
}

TEST(OperationPanels, InsertSwitchesBetweenPositionAndKeyword)
{
    TextOperationsPanel panel;
    showActive(panel);
    panel.chooseOperation(Op::Insert);
    OperationField* position = panel.field(Field::InsertPosition);
    OperationField* keyword = panel.field(Field::InsertKeyword);
    EXPECT_TRUE(position->isVisible());
    EXPECT_FALSE(keyword->isVisible());
    position->setFocus();
    press(position, Qt::Key_Down);  // chooses the keyword way
    EXPECT_TRUE(panel.byKeywordChoice()->isChecked());
    EXPECT_FALSE(position->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), keyword);
    QTest::keyClicks(keyword, QStringLiteral("-"));
    press(keyword, Qt::Key_Right);  // at the end of the text
    EXPECT_EQ(QApplication::focusWidget(), panel.field(Field::InsertOccurrence));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    keyword->setFocus();
    press(keyword, Qt::Key_Up);
    EXPECT_TRUE(panel.byPositionChoice()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), position);

    panel.byKeywordChoice()->setChecked(true);
    panel.afterChoice()->setChecked(true);
    const auto request = panel.insertInput();
    EXPECT_TRUE(request.byKeyword);
    EXPECT_EQ(request.keyword, "-");
    EXPECT_EQ(request.occurrence, 2);
    EXPECT_EQ(request.placement, Placement::After);
}

TEST(OperationPanels, BulkPanelWayAndFlow)
{
    LineBreakPanel panel;
    showActive(panel);
    QSignalSpy ok(&panel, &LineBreakPanel::okClicked);
    OperationField* minLength = panel.field(LineBreakPanel::Field::MinLength);
    OperationField* position = panel.field(LineBreakPanel::Field::Position);
    OperationField* keyword = panel.field(LineBreakPanel::Field::Keyword);
    QTest::keyClicks(position, QStringLiteral("3"));
    panel.byKeywordChoice()->setChecked(true);
    EXPECT_EQ(position->text(), QString());  // emptied
    EXPECT_EQ(QApplication::focusWidget(), keyword);
    QTest::keyClicks(keyword, QStringLiteral("AB"));
    QTest::mouseClick(position, Qt::LeftButton);  // clicking the position chooses its way
    EXPECT_TRUE(panel.byPositionChoice()->isChecked());
    EXPECT_EQ(keyword->text(), QString());

    minLength->setFocus();
    press(minLength, Qt::Key_Return);  // empty: stays
    EXPECT_EQ(QApplication::focusWidget(), minLength);
    QTest::keyClicks(minLength, QStringLiteral("4"));
    press(minLength, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), position);
    press(position, Qt::Key_Return);  // empty position: no OK
    EXPECT_EQ(ok.count(), 0);
    QTest::keyClicks(position, QStringLiteral("2"));
    press(position, Qt::Key_Return);
    EXPECT_EQ(ok.count(), 1);
    const auto request = panel.request();
    EXPECT_EQ(request.minLength, 4);
    EXPECT_FALSE(request.byKeyword);
    EXPECT_EQ(request.position, 2);
    EXPECT_EQ(request.placement, Placement::Before);
}

}  // namespace
