#pragma once

#include "platform/clipboard.h"

#include <optional>

namespace testing_support {

// A clipboard of one optional text, private to the test.
class FakeClipboard final : public platform::Clipboard {
public:
    std::optional<QString> content;

    bool hasText() const override { return content.has_value(); }
    QString text() const override { return content.value_or(QString()); }
    void setText(const QString& text) override { content = text; }
    void clear() override { content.reset(); }
};

}  // namespace testing_support
