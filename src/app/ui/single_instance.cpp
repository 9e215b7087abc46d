#include "app/ui/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace app::ui {

SingleInstance::SingleInstance(QString path) : path_(std::move(path)) {}

SingleInstance::~SingleInstance()
{
    unlock();
}

QString SingleInstance::defaultPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    // The user's id keeps two users of one machine apart.
    return folder + QStringLiteral("/Velmora-%1.lock").arg(::getuid());
}

bool SingleInstance::tryLock()
{
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Never stale by age: only a holder that is gone frees the lock.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

void SingleInstance::unlock()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

}  // namespace app::ui
