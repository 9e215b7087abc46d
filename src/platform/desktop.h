#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

namespace platform {

// The desktop around the program: screen, work area, pointer, keyboard lights, synthesized
// keys and other programs' windows. X11 in the product, a recording fake in tests.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual QRect screenGeometry() const = 0;
    // The screen less panels and task bars.
    virtual QRect workArea() const = 0;

    virtual bool capsLockOn() const = 0;
    // One synthesized press and release of Caps Lock, so the keyboard light follows.
    virtual void toggleCapsLock() = 0;

    virtual QPoint cursorPos() const = 0;
    virtual void setCursorPos(const QPoint& pos) = 0;

    enum class Key { Enter, Escape, Up, Down, Left, Right, Shift, Control };
    // A synthesized press and release, delivered to the window that has the focus.
    virtual void tapKey(Key key) = 0;

    // True when a top-level window of another program has exactly this title.
    virtual bool hasWindowTitled(const QString& title) const = 0;
};

}  // namespace platform
