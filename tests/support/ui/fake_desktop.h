#pragma once

#include "platform/desktop.h"

#include <QStringList>

#include <vector>

namespace testing_support {

// A desktop that records what the program asks of it: Caps Lock toggles, keys, pointer moves.
class FakeDesktop final : public platform::Desktop {
public:
    QRect screen{0, 0, 1366, 768};
    QRect area{0, 0, 1366, 728};
    bool capsLock = false;
    int capsToggles = 0;
    QPoint cursor;
    std::vector<Key> keys;
    QStringList windowTitles;

    QRect screenGeometry() const override { return screen; }
    QRect workArea() const override { return area; }
    bool capsLockOn() const override { return capsLock; }
    void toggleCapsLock() override
    {
        capsLock = !capsLock;
        ++capsToggles;
    }
    QPoint cursorPos() const override { return cursor; }
    void setCursorPos(const QPoint& pos) override { cursor = pos; }
    void tapKey(Key key) override { keys.push_back(key); }
    bool hasWindowTitled(const QString& title) const override
    {
        return windowTitles.contains(title);
    }
};

}  // namespace testing_support
