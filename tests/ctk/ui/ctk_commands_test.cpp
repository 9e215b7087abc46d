#include "app/program_state.h"
#include "ctk/table_file.h"
#include "app/ui/services.h"
#include "ctk/ui/ctk_commands.h"
#include "ctk/ui/ctk_panel.h"
#include "ctk/ui/destination_box.h"
#include "ctk/ui/ctk_messages.h"
#include "ctk/ui/marked_count_choice.h"
#include "ctk/ui/table_controls.h"
#include "ctk_ui_fakes.h"
#include "files/whole_file.h"
#include "support/fake_spreadsheet_host.h"
#include "support/ui/fake_clipboard.h"
#include "support/cp932_literals.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ctk_ui_testing;
using platform::Dialogs;

namespace {

std::filesystem::path fixture(const char* name)
{
    return std::filesystem::path(VELMORA_FIXTURES_DIR) / "ctk" / name;
}

std::string bytesOf(const QString& path)
{
    return files::readWholeFile(path.toStdString()).bytes.value_or("<missing>");
}

class CtkCommandsTest : public ::testing::Test {
protected:
    void build(bool withTableFile)
    {
        controls = std::make_unique<ctk::ui::TableControls>(state, desktop, dialogs);
        controls->load(withTableFile ? ctk::loadTableFile(fixture("tables20.sp3")) : ctk::TableFile{},
                       "");
        ctk::ui::CtkCommands::Window window;
        window.programFolder = folder.path();
        window.markedCountColumn = [this] { return countColumn; };
        window.markedCountCaption = [] { return QStringLiteral("2.0"); };
        window.returnFocus = [this] { ++focusReturns; };
        window.disableImport = [this] { importDisabled = true; };
        commands = std::make_unique<ctk::ui::CtkCommands>(state, *controls, desktop, dialogs,
                                                          shell, window);
        state.list.appendRow({"A1", "5", ""});
        state.list.appendRow({"A2", "5", ""});
    }

    QString inFolder(const char* name) const { return QDir(folder.path()).filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    app::ProgramState state;
    FakeDesktop desktop;
    RecordingDialogs dialogs;
    FakeShell shell;
    std::unique_ptr<ctk::ui::TableControls> controls;
    std::unique_ptr<ctk::ui::CtkCommands> commands;
    int countColumn = 0;
    int focusReturns = 0;
    bool importDisabled = false;
};

}  // namespace

TEST_F(CtkCommandsTest, MarkingWritesTheHandOffFileAndOpensIt)
{
    build(true);
    commands->mark();
    EXPECT_EQ(dialogs.asked,
              QStringList{QStringLiteral("テーブル設定 [ TB用 (Table1) ] でマーキングしますか？")});
    const QString handOff = inFolder("velmorad.cta");
    EXPECT_EQ(bytesOf(handOff), files::readWholeFile(fixture("orange_marker_table1.cta")).bytes);
    EXPECT_EQ(shell.opened, QStringList{handOff});
    EXPECT_TRUE(dialogs.informed.isEmpty());
    EXPECT_EQ(focusReturns, 1);
    EXPECT_TRUE(importDisabled);
}

TEST_F(CtkCommandsTest, MarkingWithoutTableFileWritesCtkAndSaysWhenTheShellCannotOpenIt)
{
    build(false);
    shell.canOpen = false;
    commands->mark();
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("マーキングしますか？")});
    const QString handOff = inFolder("velmorad.ctk");
    EXPECT_EQ(bytesOf(handOff), "A1\t5\t\r\nA2\t5\t\r\n\t\t\r\n");
    EXPECT_EQ(dialogs.informed,
              QStringList{ctk::ui::messages::handOffNotOpened(QDir::toNativeSeparators(handOff))});
    EXPECT_TRUE(dialogs.informed.first().contains(handOff));
}

TEST_F(CtkCommandsTest, MarkingRefusals)
{
    build(true);
    desktop.windowTitles << QStringLiteral("CTKPCMS for Windows Ver3.0");
    commands->mark();
    desktop.windowTitles.clear();
    state.serialSettingsOpen = true;
    commands->mark();
    state.serialSettingsOpen = false;
    dialogs.answers = {Dialogs::Answer::Cancel};
    commands->mark();
    EXPECT_EQ(dialogs.informed, (QStringList{ctk::ui::messages::markerRunning(),
                                             ctk::ui::messages::closeSettings()}));
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(focusReturns, 1);  // the cancelled marking returns the focus
    EXPECT_FALSE(QFile::exists(inFolder("velmorad.cta")));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(CtkCommandsTest, ThreeBoxNamesTheMarkedCountColumn)
{
    build(true);
    state.list.clear();
    state.list.setLayout(marking_list::CountBoxMode::ThreeBox);
    state.list.appendRow({"X1", "1", "2", "3", ""});
    countColumn = 1;
    dialogs.nextFile = inFolder("out.cta");
    commands->save();
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral(
                                 "個数列:[ 2.0 ]\r\nテーブル設定 [ TB用 (Table1) ] でCTK保存しますか？")});
    EXPECT_TRUE(bytesOf(inFolder("out.cta")).ends_with("[MarkingData]\r\nX1\t2\t\r\n \t1\t\r\n"));
}

TEST_F(CtkCommandsTest, SaveOffersTheDialogOfTheTableState)
{
    for (bool withTable : {true, false}) {
        state.list.clear();
        build(withTable);
        dialogs.nextFile = inFolder(withTable ? "saved.cta" : "saved.ctk");
        commands->save();
        EXPECT_EQ(dialogs.lastFilters, QStringList{withTable ? QStringLiteral("CTKファイル.cta (*.cta)")
                                                             : QStringLiteral("CTKファイル.ctk (*.ctk)")});
        EXPECT_EQ(dialogs.lastSuffix, withTable ? QStringLiteral("cta") : QStringLiteral("ctk"));
        EXPECT_TRUE(QFile::exists(*dialogs.nextFile));
        EXPECT_FALSE(state.fileDialogOpen);
    }
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(CtkCommandsTest, SaveCancelledOrFailingWritesNothing)
{
    build(true);
    dialogs.answers = {Dialogs::Answer::Cancel};
    commands->save();
    EXPECT_EQ(focusReturns, 0);  // a cancelled save leaves the focus where it was
    dialogs.nextFile.reset();
    commands->save();  // the dialog cancelled
    const QString missing = inFolder("no/such/folder/x.cta");
    dialogs.nextFile = missing;
    commands->save();
    EXPECT_EQ(dialogs.informed,
              QStringList{ctk::ui::messages::cannotWrite(QDir::toNativeSeparators(missing))});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(CtkCommandsTest, WindowsFontNeedsTheTableFile)
{
    build(false);
    state.fullWidthMode = true;
    commands->mark();
    dialogs.nextFile = inFolder("x.ctk");
    commands->save();
    EXPECT_EQ(dialogs.informed, (QStringList{ctk::ui::messages::noTableForWindowsFontMarking(),
                                             ctk::ui::messages::noTableForWindowsFontSave()}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(CtkCommandsTest, ImportFillsTheListAndReportsLimitsAndRefusals)
{
    build(true);
    state.list.clear();
    auto write = [&](const char* name, const std::string& bytes) {
        const QString path = inFolder(name);
        files::writeWholeFile(path.toStdString(), bytes);
        return path;
    };
    std::string many;
    for (int i = 1; i <= 1001; ++i)
        many += "W" + std::to_string(i) + "\t1\t\r\n";
    const std::string multi = "[Condition]\r\nFileType=1\r\nFileMode=0\r\nVersion=2\r\n"
                              "FontFlag=1\r\nTableNo=1\r\nColumn=2\r\n[MarkingData]\r\n3\tA\r\n";
    struct Case {
        QString path;
        QString message;  // empty: none
        int rows;
    };
    const Case cases[] = {
        {write("ok.ctk", "A-1\t5\t\r\n"), QString(), 1},
        {write("many.ctk", many), ctk::ui::messages::importLimit(1000), 1000},
        {write("multi.cta", multi), ctk::ui::messages::multiRowRefused(), 0},
        {write("binary.ctk", std::string("\0\1\2", 3)),
         ctk::ui::messages::notMarkingData(QDir::toNativeSeparators(inFolder("binary.ctk"))), 0},
        {inFolder("gone.ctk"),
         ctk::ui::messages::cannotRead(QDir::toNativeSeparators(inFolder("gone.ctk"))), 0},
    };
    for (const Case& c : cases) {
        state.list.clear();
        dialogs.informed.clear();
        dialogs.nextFile = c.path;
        commands->importFile();
        EXPECT_EQ(dialogs.lastStartFolder, shell.desktop);
        EXPECT_EQ(dialogs.lastFilters,
                  QStringList{QStringLiteral("CTKPCMS　データファイル (*.ctk *.cta)")});
        EXPECT_EQ(dialogs.informed, c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.path.toStdString();
        EXPECT_EQ(state.list.rowCount(), c.rows) << c.path.toStdString();
    }
    EXPECT_TRUE(state.undoEnabled);
}

TEST(MarkedCountChoice, NamesTheChosenColumn)
{
    ctk::ui::MarkedCountChoice choice;
    choice.setWireSizes({QStringLiteral("1.25"), QStringLiteral("2.0"), QStringLiteral("3.5")});
    EXPECT_EQ(choice.column(), 0);
    choice.button(2)->click();
    EXPECT_EQ(choice.column(), 2);
    EXPECT_EQ(choice.caption(), QStringLiteral("3.5"));
    choice.chooseFirst();
    EXPECT_EQ(choice.caption(), QStringLiteral("1.25"));
}

TEST(CtkPanel, AttachReadsTheTableFileAndBindsTheButtons)
{
    QTemporaryDir folder;
    QFile::copy(QString::fromStdString(fixture("tables20.sp3").string()),
                QDir(folder.path()).filePath(QStringLiteral("velmorad.sp3")));
    app::ProgramState state;
    FakeDesktop desktop;
    RecordingDialogs dialogs;
    FakeShell shell;
    testing_support::FakeClipboard clipboard;
    auto spreadsheet = testing_support::FakeSpreadsheetHost::notRunning();
    app::ui::Services services{desktop, dialogs, clipboard, shell, spreadsheet};
    QWidget window;
    auto* panel = new ctk::ui::CtkPanel(&window);
    panel->setDestinationTable(QStringLiteral("Table 5"));
    int imports = 0;
    panel->attach(state, services, folder.path(), [] {}, [&imports] { ++imports; });
    window.show();
    EXPECT_TRUE(panel->tableControls()->isVisible());
    EXPECT_TRUE(panel->tableFileLoaded());
    EXPECT_TRUE(panel->button(ctk::ui::CtkPanel::Button::Marking)->isEnabled());

    state.list.appendRow({"A1", "5", ""});
    panel->setButtonsVisible(true);
    panel->button(ctk::ui::CtkPanel::Button::Marking)->click();
    const QString handOff = QDir(folder.path()).filePath(QStringLiteral("velmorad.cta"));
    EXPECT_NE(bytesOf(handOff).find("TableNo=5\r\n"), std::string::npos);
    EXPECT_EQ(imports, 1);
}
