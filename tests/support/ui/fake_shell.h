#pragma once

#include "platform/shell.h"

#include <QStringList>

namespace testing_support {

// A shell that records the files it was asked to open and starts nothing.
class FakeShell final : public platform::Shell {
public:
    QStringList opened;
    bool openSucceeds = true;
    QString desktop = QStringLiteral("/tmp");

    bool openFile(const QString& path) override
    {
        opened.append(path);
        return openSucceeds;
    }
    QString desktopFolder() const override { return desktop; }
};

}  // namespace testing_support
