#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/translations.h"
#include "platform/x11/x11_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

using Answer = platform::Dialogs::Answer;
using Buttons = platform::Dialogs::Buttons;

namespace {

// Answers the next message box with the button of `role` and records its button texts.
void answerNextBox(QMessageBox::StandardButton which, QStringList& texts)
{
    QTimer::singleShot(0, [which, &texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            texts.append(b->text());
        box->button(which)->click();
    });
}

TEST(QtDialogsTest, QuestionsSpeakJapaneseAndReportTheAnswer)
{
    ASSERT_TRUE(platform::installJapaneseQtTranslations(*qApp));
    platform::QtDialogs dialogs;
    struct Case {
        Buttons buttons;
        QMessageBox::StandardButton click;
        Answer expected;
        QString otherText;
    };
    const Case cases[] = {
        {Buttons::YesCancel, QMessageBox::Cancel, Answer::Cancel, QStringLiteral("キャンセル")},
        {Buttons::YesCancel, QMessageBox::Yes, Answer::Yes, QStringLiteral("キャンセル")},
        {Buttons::YesNo, QMessageBox::No, Answer::No, QStringLiteral("いいえ")},
    };
    for (const Case& c : cases) {
        QStringList texts;
        answerNextBox(c.click, texts);
        EXPECT_EQ(dialogs.ask(nullptr, QStringLiteral("Velmoraを終了しますか？"), c.buttons),
                  c.expected);
        EXPECT_TRUE(texts.contains(QStringLiteral("はい")) || texts.contains(QStringLiteral("はい(&Y)")))
            << texts.join(QLatin1Char(',')).toStdString();
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [&](const QString& t) { return t.startsWith(c.otherText); }));
    }
}

TEST(QtClipboardTest, TextRoundTrip)
{
    platform::QtClipboard clipboard;
    clipboard.setText(QStringLiteral("A\t線番\r\n"));
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), QStringLiteral("A\t線番\r\n"));
    clipboard.clear();
    EXPECT_FALSE(clipboard.hasText());
}

TEST(X11DesktopTest, WithoutADisplayAnswersFromTheScreenAndSynthesizesNothing)
{
    platform::X11Desktop desktop;  // the tests run on the offscreen platform
    EXPECT_FALSE(desktop.hasDisplay());
    EXPECT_EQ(desktop.workArea(), QApplication::primaryScreen()->availableGeometry());
    desktop.toggleCapsLock();
    EXPECT_FALSE(desktop.capsLockOn());
    EXPECT_FALSE(desktop.hasWindowTitled(QStringLiteral("Velmora")));
}

}  // namespace
