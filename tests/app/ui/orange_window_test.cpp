#include "app/ui/messages.h"
#include "app/ui/orange_window.h"
#include "app/ui/window_menu.h"
#include "ctk/ui/ctk_panel.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "sheet/ui/transfer_panel.h"
#include "support/cp932_literals.h"
#include "support/ui/orange_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using app::ui::OrangeWindow;
using Answer = platform::Dialogs::Answer;

namespace {

class OrangeWindowTest : public testing_support::OrangeWindowFixture {
protected:
    QString settingsPath() const { return dir.filePath(QStringLiteral("velmorad.ini")); }

    void writeSettings(const QByteArray& bytes)
    {
        QFile f(settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readSettings() const
    {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(OrangeWindowTest, StandsAtTheRightEdgeOverTheWorkArea)
{
    desktop.area = QRect(0, 0, 1366, 728);
    createWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora Ver3.40"));
    EXPECT_EQ(window->geometry(), QRect(1366 - 544, 0, 544, 728));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(221, 179, 79));
    EXPECT_EQ(window->font().pixelSize(), 12);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(OrangeWindowTest, SideColumnStaysBesideTheList)
{
    QFile::copy(QStringLiteral(VELMORA_FIXTURES_DIR "/ctk/tables20.sp3"),
                dir.filePath(QStringLiteral("velmorad.sp3")));
    createWindow();
    window->show();
    QApplication::processEvents();
    const int listRight = window->listPanel()->geometry().right();
    for (QWidget* side : {static_cast<QWidget*>(window->transferPanel()),
                          static_cast<QWidget*>(window->ctkPanel())}) {
        const int left = side->mapTo(window.get(), QPoint(0, 0)).x();
        EXPECT_GT(left, listRight) << side->metaObject()->className();
        EXPECT_LE(left + side->width(), window->width());
    }
}

TEST_F(OrangeWindowTest, CapsLockIsForcedOnAtCreationOnly)
{
    for (const bool initiallyOn : {false, true}) {
        SCOPED_TRACE(initiallyOn);
        desktop.capsLock = initiallyOn;
        desktop.capsToggles = 0;
        createWindow();
        EXPECT_TRUE(desktop.capsLock);
        EXPECT_EQ(desktop.capsToggles, initiallyOn ? 0 : 1);
        window.reset();
    }
}

TEST_F(OrangeWindowTest, ShowsNoSpreadsheetAndEmptiesTheClipboard)
{
    clipboard.content = QStringLiteral("old");
    createWindow();
    EXPECT_EQ(window->transferPanel()->sheetBox()->currentText(), QStringLiteral("エクセルシート"));
    EXPECT_TRUE(window->transferPanel()->columnBox()->text().isEmpty());
    EXPECT_TRUE(window->transferPanel()->rowBox()->text().isEmpty());
    EXPECT_FALSE(clipboard.hasText());
}

TEST_F(OrangeWindowTest, RestoringFromTheTaskBarKeepsWhatTheUserSet)
{
    createWindow();
    window->show();
    window->transferPanel()->setInsertMode(true);  // not saved yet
    QSignalSpy shown(window.get(), &OrangeWindow::shown);
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    QApplication::instance()->notify(window.get(), &restored);  // as the window system sends it
    EXPECT_TRUE(window->transferPanel()->insertMode());
    EXPECT_EQ(shown.count(), 0);
}

TEST_F(OrangeWindowTest, CancelledCloseKeepsEverything)
{
    writeSettings("keep\r\n");
    createWindow();
    window->show();
    QSignalSpy closed(window.get(), &OrangeWindow::closed);
    dialogs.answers = {Answer::Cancel};

    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Velmoraを終了しますか？")});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(readSettings(), QByteArray("keep\r\n"));
    EXPECT_TRUE(desktop.capsLock);
    EXPECT_TRUE(window->stateRefreshTimer().isActive());
}

TEST_F(OrangeWindowTest, ConfirmedCloseSavesTheSettingsAndSwitchesCapsLockOff)
{
    // A short file grows to 51 lines; what panels write lands on its lines.
    writeSettings(QByteArray("A-Z\r\n").repeated(10));
    createWindow();
    window->addSettingsWriter([](app::SettingsFile& s) { s.setTextRegister(0, "REG-A"); });
    window->show();
    window->transferPanel()->setInsertMode(true);
    QSignalSpy closed(window.get(), &OrangeWindow::closed);
    dialogs.answers = {Answer::Yes};

    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.count(), 1);
    app::SettingsFile saved;
    ASSERT_TRUE(saved.load(settingsPath().toStdString()));
    EXPECT_EQ(saved.lineCount(), 51);
    EXPECT_EQ(saved.line(0), "A-Z");
    EXPECT_EQ(saved.line(20), "REG-A");
    EXPECT_EQ(saved.line(48), "CHECK35");
    EXPECT_FALSE(desktop.capsLock);
}

TEST_F(OrangeWindowTest, CloseWithCapsLockSwitchedOffByTheUserLeavesItOff)
{
    createWindow();
    desktop.capsLock = false;  // the user switched it off meanwhile
    const int toggles = desktop.capsToggles;
    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(desktop.capsLock);
    EXPECT_EQ(desktop.capsToggles, toggles);
}

TEST_F(OrangeWindowTest, OpenSettingsPanelKeepsTheWindowWithoutAsking)
{
    createWindow();
    window->setCloseGuard([] { return true; });
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.informed, QStringList{QStringLiteral("設定を閉じてください")});
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(OrangeWindowTest, SettingsThatCannotBeSavedAreToldAndTheUserMayStay)
{
    createWindow();
    window->show();
    ASSERT_TRUE(dir.remove());  // the folder is gone: the save fails
    dialogs.answers = {Answer::Yes, Answer::Cancel};

    EXPECT_FALSE(window->close());
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_TRUE(dialogs.asked.at(1).startsWith(QStringLiteral("設定ファイルを保存できませんでした。")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(desktop.capsLock);
}

TEST_F(OrangeWindowTest, RefreshTickRecomputesNextFreeRowAndShowsTheCtkButtons)
{
    createWindow();
    window->show();
    auto* marking = window->ctkPanel()->button(ctk::ui::CtkPanel::Button::Marking);
    EXPECT_FALSE(marking->isVisibleTo(window.get()));

    state.list.setCell(1, 7, "W-7");  // written past NextFreeRow, as a paste does
    EXPECT_EQ(state.list.nextFreeRow(), 1);
    window->stateRefreshTick();
    EXPECT_EQ(state.list.nextFreeRow(), 8);
    EXPECT_TRUE(marking->isVisibleTo(window.get()));
    EXPECT_TRUE(marking->isEnabled());  // bound to the marking command

    state.list.setLayout(marking_list::CountBoxMode::Text);
    state.list.setCell(1, 1, "T");
    window->stateRefreshTick();
    EXPECT_FALSE(marking->isVisibleTo(window.get()));
}

TEST_F(OrangeWindowTest, TransferPanelFollowsTheListAndF9PressesTransfer)
{
    createWindow();
    window->show();
    auto* panel = window->transferPanel();
    QAction* reverse = panel->reverseTransferAction();
    state.list.appendRow({"W-1"});
    window->stateRefreshTick();
    EXPECT_FALSE(reverse->isEnabled());  // no spreadsheet
    state.spreadsheet.visible = true;
    window->stateRefreshTick();
    EXPECT_TRUE(reverse->isEnabled());
    state.list.clear();
    state.list.setLayout(marking_list::CountBoxMode::Text);
    window->stateRefreshTick();
    EXPECT_FALSE(reverse->isEnabled());
    EXPECT_FALSE(panel->widthLinkBox()->isEnabled());

    QSignalSpy transfers(panel->transferButton(), &QPushButton::clicked);
    QSignalSpy backToGenerator(window.get(), &OrangeWindow::generatorFocusWanted);
    window->windowMenu().action(app::ui::WindowMenu::Item::Transfer)->trigger();
    EXPECT_EQ(transfers.count(), 1);
    panel->hide();  // a grid mode shows another panel in its place
    backToGenerator.clear();
    window->windowMenu().action(app::ui::WindowMenu::Item::Transfer)->trigger();
    EXPECT_EQ(transfers.count(), 2);
    EXPECT_GE(backToGenerator.count(), 1);
}

TEST_F(OrangeWindowTest, WheelAnywhereScrollsTheGridOneRowPerNotch)
{
    createWindow();
    window->show();
    auto* grid = window->grid();
    QWidget* elsewhere = window->closeButton();
    const QPointF at(5, 5);
    QWheelEvent down(at, elsewhere->mapToGlobal(at), {}, QPoint(0, -240), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(elsewhere, &down);
    EXPECT_EQ(grid->topVisibleRow(), 3);
    QWheelEvent up(at, grid->viewport()->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &up);
    EXPECT_EQ(grid->topVisibleRow(), 2);
}

TEST_F(OrangeWindowTest, WindowMenuKeysStayOffUntilACommandIsBound)
{
    createWindow();
    using Item = app::ui::WindowMenu::Item;
    QAction* deleteAll = window->windowMenu().action(Item::DeleteAll);
    EXPECT_EQ(deleteAll->text(), QStringLiteral("全行削除"));
    EXPECT_EQ(deleteAll->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_FALSE(deleteAll->isEnabled());
    int runs = 0;
    window->windowMenu().bind(Item::DeleteAll, [&runs] { ++runs; });
    EXPECT_TRUE(deleteAll->isEnabled());
    deleteAll->trigger();
    EXPECT_EQ(runs, 1);
}

}  // namespace
