#include "app/settings_file.h"
#include "app/ui/messages.h"
#include "app/ui/single_instance.h"
#include "app/ui/start_up.h"
#include "support/ui/fake_desktop.h"
#include "support/ui/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using app::ui::StartCheck;
using testing_support::FakeDesktop;
using testing_support::ScriptedDialogs;

namespace {

class StartUpTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("Velmora.lock")); }
    FakeDesktop desktop;
    ScriptedDialogs dialogs;
};

TEST_F(StartUpTest, ScreenHeightOf768IsTheLeastAccepted)
{
    struct Case {
        int height;
        StartCheck expected;
    };
    for (const Case c : {Case{768, StartCheck::Run}, Case{767, StartCheck::ScreenTooLow},
                         Case{1080, StartCheck::Run}}) {
        SCOPED_TRACE(c.height);
        dialogs.informed.clear();
        desktop.screen = QRect(0, 0, 1366, c.height);
        app::ui::SingleInstance instance(lockPath());
        EXPECT_EQ(app::ui::checkStart(instance, desktop, dialogs), c.expected);
        const QStringList expectedMessages =
            c.expected == StartCheck::Run ? QStringList() : QStringList{app::ui::messages::screenTooLow()};
        EXPECT_EQ(dialogs.informed, expectedMessages);
    }
}

TEST_F(StartUpTest, SecondInstanceIsRefusedUntilTheFirstEnds)
{
    app::ui::SingleInstance first(lockPath());
    ASSERT_EQ(app::ui::checkStart(first, desktop, dialogs), StartCheck::Run);

    app::ui::SingleInstance second(lockPath());
    EXPECT_EQ(app::ui::checkStart(second, desktop, dialogs), StartCheck::AlreadyRunning);
    EXPECT_EQ(dialogs.informed, QStringList{QStringLiteral("すでに起動されています。")});

    first.unlock();
    EXPECT_EQ(app::ui::checkStart(second, desktop, dialogs), StartCheck::Run);
}

TEST_F(StartUpTest, LockOfACrashedCopyIsTakenOver)
{
    // A lock file left by a process that is gone, as a crash leaves it.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() != 0 ? gone.processId() : 999999;
    QFile lock(lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nvelmora\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();

    app::ui::SingleInstance instance(lockPath());
    EXPECT_EQ(app::ui::checkStart(instance, desktop, dialogs), StartCheck::Run);
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(StartUpTest, ProgramFolderIsTheExecutablesWhenWritable)
{
    EXPECT_EQ(app::ui::programFolder(dir.path()), QDir::cleanPath(dir.path()));

    QStandardPaths::setTestModeEnabled(true);
    const QString data = app::ui::programFolder(QStringLiteral("/proc/1"));
    QStandardPaths::setTestModeEnabled(false);
    EXPECT_NE(data, QStringLiteral("/proc/1"));
    EXPECT_TRUE(QDir(data).exists());
}

TEST_F(StartUpTest, MissingSettingsFileIsCreatedWith51EmptyLines)
{
    const QString path = dir.filePath(QStringLiteral("velmorad.ini"));
    ASSERT_TRUE(app::ui::bootstrapSettings(path, dialogs));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\r\n").repeated(51));
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST_F(StartUpTest, ExistingSettingsFileIsLeftAlone)
{
    const QString path = dir.filePath(QStringLiteral("velmorad.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("A-Z\r\n");
    file.close();
    ASSERT_TRUE(app::ui::bootstrapSettings(path, dialogs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("A-Z\r\n"));
}

TEST_F(StartUpTest, SettingsFileThatCannotBeCreatedIsTold)
{
    const QString path = dir.filePath(QStringLiteral("missing/folder/velmorad.ini"));
    EXPECT_FALSE(app::ui::bootstrapSettings(path, dialogs));
    ASSERT_EQ(dialogs.informed.size(), 1);
    EXPECT_TRUE(dialogs.informed.constFirst().contains(path));
}

}  // namespace
