#pragma once

#include "platform/shell.h"

namespace platform {

// Opening files with their associated program through the desktop (xdg-open).
class QtShell final : public Shell {
public:
    bool openFile(const QString& path) override;
    QString desktopFolder() const override;
};

}  // namespace platform
