#include "app/ui/start_up.h"

#include "app/settings_file.h"
#include "app/ui/messages.h"
#include "app/ui/single_instance.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFont>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace app::ui {

StartCheck checkStart(SingleInstance& instance, const platform::Desktop& desktop,
                      platform::Dialogs& dialogs)
{
    if (!instance.tryLock()) {
        dialogs.inform(nullptr, messages::alreadyRunning());
        return StartCheck::AlreadyRunning;
    }
    if (desktop.screenGeometry().height() < kMinimumScreenHeight) {
        dialogs.inform(nullptr, messages::screenTooLow());
        return StartCheck::ScreenTooLow;
    }
    return StartCheck::Run;
}

namespace {

bool folderWritable(const QString& folder)
{
    if (!QDir(folder).exists())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.velmora-write-test-XXXXXX"));
    return probe.open();
}

}  // namespace

QString programFolder(const QString& executableFolder)
{
    if (folderWritable(executableFolder))
        return QDir::cleanPath(executableFolder);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return QDir::cleanPath(data);
}

bool bootstrapSettings(const QString& path, platform::Dialogs& dialogs)
{
    SettingsFile probe;
    if (probe.load(path.toStdString()))
        return true;
    const std::string error = SettingsFile::writeNewFile(path.toStdString());
    if (error.empty())
        return true;
    dialogs.inform(nullptr, messages::settingsNotCreated(path, QString::fromStdString(error)));
    return false;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), {QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), {QStringLiteral("IPAGothic")});
}

}  // namespace app::ui
