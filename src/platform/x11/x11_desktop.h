#pragma once

#include "platform/desktop.h"

#include <memory>

namespace platform {

// The desktop on X11: Xlib for the work area and other programs' windows, XTest for
// synthesized keys, XKB for the Caps Lock state. Without an X display (the offscreen
// platform) it answers from Qt's screen and synthesizes nothing.
class X11Desktop final : public Desktop {
public:
    X11Desktop();
    ~X11Desktop() override;
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool hasDisplay() const;

    QRect screenGeometry() const override;
    QRect workArea() const override;
    bool capsLockOn() const override;
    void toggleCapsLock() override;
    QPoint cursorPos() const override;
    void setCursorPos(const QPoint& pos) override;
    void tapKey(Key key) override;
    bool hasWindowTitled(const QString& title) const override;

private:
    struct Connection;
    std::unique_ptr<Connection> x_;
};

}  // namespace platform
