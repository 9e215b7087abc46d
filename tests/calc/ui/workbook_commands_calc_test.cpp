// The orange window's workbook commands and sheet box against a real headless office.

#include "office_fixture.h"

#include "app/program_state.h"
#include "sheet/ui/sheet_box_binding.h"
#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/spreadsheet_follow.h"
#include "sheet/ui/transfer_panel.h"
#include "sheet/ui/ui_thread_bridge.h"
#include "sheet/ui/workbook_commands.h"
#include "support/cp932_literals.h"
#include "support/ui/fake_desktop.h"
#include "support/ui/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Answer = platform::Dialogs::Answer;

QStringList boxItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

TEST(WorkbookCommandsOnCalc, OpenRenameNewAndCloseUpToTheLastWorkbook)
{
    QTemporaryDir scratch;
    const QString workbook = scratch.filePath(QStringLiteral("three_sheets.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_CALC_FIXTURES_DIR "/three_sheets.xls"), workbook));

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* generator = new QLineEdit(&window);
    auto* panel = new sheet::ui::TransferPanel(&window);
    layout->addWidget(generator);
    layout->addWidget(panel);

    calc_testing::TestOffice office;
    calc::CalcHost::Options options = office.hostOptions();
    options.post = sheet::ui::queuedOnUiThread(&window);
    options.whileWaiting = sheet::ui::paintWithoutInput();
    calc::CalcHost host(options);
    office.start(host);
    ASSERT_EQ(host.documentCount(), 0);

    testing_support::FakeDesktop desktop;
    testing_support::ScriptedDialogs dialogs;
    app::ProgramState state;
    sheet::ui::SheetLinkView view(state.spreadsheet, host, desktop, *panel, window);
    auto back = [generator] { generator->setFocus(Qt::OtherFocusReason); };
    sheet::ui::WorkbookCommands commands(state, view, dialogs, back);
    sheet::ui::SheetBoxBinding sheetBox(view, dialogs, back);
    sheet::ui::SpreadsheetFollow follow(view);
    host.setEventListener([&follow](const sheet::SpreadsheetEvent& e) { return follow.onEvent(e); });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Open
    dialogs.fileNames.push_back(workbook);
    commands.open();
    ASSERT_TRUE(dialogs.informed.isEmpty()) << dialogs.informed.join(u'|').toStdString();
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "three_sheets.xls");
    EXPECT_EQ(boxItems(panel->sheetBox()),
              (QStringList{QStringLiteral("一覧"), QStringLiteral("Two"), QStringLiteral("Three")}));
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("一覧"));
    EXPECT_FALSE(panel->columnBox()->text().isEmpty());
    EXPECT_FALSE(panel->rowBox()->text().isEmpty());
    EXPECT_TRUE(state.spreadsheet.linked);

    // Rename through the box, then a name Calc refuses: the box shows what the sheet kept.
    auto renameTo = [&](const QString& name) {
        panel->sheetBox()->setFocus(Qt::MouseFocusReason);
        panel->sheetBox()->lineEdit()->selectAll();
        QTest::keyClick(panel->sheetBox(), Qt::Key_Backspace);
        for (const QChar ch : name)
            QTest::sendKeyEvent(QTest::Click, panel->sheetBox(), Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        dialogs.answers.push_back(Answer::Yes);
        QTest::keyClick(panel->sheetBox(), Qt::Key_Return);
    };
    renameTo(QStringLiteral("盤"));
    EXPECT_EQ(host.sheetNames(), (std::vector<std::string>{sj("盤"), "Two", "Three"}));
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("盤"));
    renameTo(QStringLiteral("'quoted'"));
    EXPECT_EQ(host.activeSheetName(), sj("盤"));
    EXPECT_EQ(panel->sheetBox()->currentText(), QStringLiteral("盤"));
    EXPECT_EQ(state.spreadsheet.linkedSheet, sj("盤"));

    // New
    commands.createNew();
    EXPECT_EQ(dialogs.informed.size(), 1);  // the advice only
    EXPECT_NE(state.spreadsheet.linkedWorkbook, "three_sheets.xls");
    EXPECT_EQ(panel->sheetBox()->count(), 1);
    EXPECT_EQ(host.documentCount(), 2);

    // Close the new workbook: the opened one is linked again.
    dialogs.answers.push_back(Answer::Yes);
    commands.closeWorkbook();
    commands.closeGuardTick();
    EXPECT_EQ(host.documentCount(), 1);
    EXPECT_EQ(state.spreadsheet.linkedWorkbook, "three_sheets.xls");
    EXPECT_EQ(panel->sheetBox()->count(), 3);
    EXPECT_TRUE(state.spreadsheet.linked);

    // Close the last one: the office ends and the panel shows no workbook.
    dialogs.answers.push_back(Answer::Yes);
    commands.closeWorkbook();
    EXPECT_TRUE(office.process().waitForExit(60000));
    EXPECT_FALSE(host.isRunning());
    EXPECT_EQ(panel->sheetBox()->currentText(), sheet::ui::TransferPanel::noSheetText());
    EXPECT_FALSE(state.spreadsheet.linked);
    EXPECT_EQ(dialogs.informed.size(), 1) << dialogs.informed.join(u'|').toStdString();

    // Events queued meanwhile find nothing to follow and stop the follow timer quietly.
    QTest::qWait(50);
    EXPECT_FALSE(follow.timer().isActive());
    host.setEventListener(nullptr);
}

}  // namespace
