#pragma once

#include <QString>

namespace platform {

// The desktop shell: opening a file with the program associated with it, and the user's
// desktop folder.
class Shell {
public:
    virtual ~Shell() = default;
    // False when no program could be started for the file.
    virtual bool openFile(const QString& path) = 0;
    virtual QString desktopFolder() const = 0;
};

}  // namespace platform
