#pragma once

#include "platform/clipboard.h"

namespace platform {

// The system clipboard through QClipboard (the X11 CLIPBOARD selection).
class QtClipboard final : public Clipboard {
public:
    bool hasText() const override;
    QString text() const override;
    void setText(const QString& text) override;
    void clear() override;
};

}  // namespace platform
