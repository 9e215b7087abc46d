#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace app::ui {

// The lock named "Velmora" that keeps a second copy of the program from starting. It is a
// lock file at a fixed per-user path; the lock of a copy that crashed counts as free at once.
class SingleInstance final {
public:
    explicit SingleInstance(QString path = defaultPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    static QString defaultPath();

    // Takes the lock without waiting. False when another running copy holds it.
    bool tryLock();
    void unlock();
    const QString& path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace app::ui
