#include "platform/x11/x11_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <vector>

namespace platform {

// Our own connection to the X server: synthesized keys and property reads must not
// interleave with Qt's requests on its connection.
struct X11Desktop::Connection {
    Display* display = nullptr;
    bool xtest = false;
};

namespace {

// A window property as a list of 32-bit items (Xlib hands them out as longs).
std::vector<long> cardinals(Display* dpy, Window w, const char* name)
{
    std::vector<long> values;
    Atom atom = XInternAtom(dpy, name, True);
    if (atom == 0)
        return values;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, atom, 0, 1024, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        if (format == 32) {
            const long* items = reinterpret_cast<const long*>(data);
            values.assign(items, items + count);
        }
        XFree(data);
    }
    return values;
}

QString windowTitle(Display* dpy, Window w)
{
    Atom netName = XInternAtom(dpy, "_NET_WM_NAME", True);
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", True);
    if (netName != 0 && utf8 != 0) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count,
                               &after, &data) == Success &&
            data != nullptr) {
            QString title = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                              static_cast<qsizetype>(count));
            XFree(data);
            if (!title.isEmpty())
                return title;
        }
    }
    XTextProperty prop{};
    if (XGetWMName(dpy, w, &prop) != 0 && prop.value != nullptr) {
        QString title;
        char** list = nullptr;
        int n = 0;
        if (Xutf8TextPropertyToTextList(dpy, &prop, &list, &n) >= Success && list != nullptr) {
            if (n > 0)
                title = QString::fromUtf8(list[0]);
            XFreeStringList(list);
        }
        XFree(prop.value);
        return title;
    }
    return {};
}

// Top-level windows are children of the root; under a window manager they sit one level
// deeper, inside its frames.
bool findTitled(Display* dpy, Window parent, const QString& title, int depth)
{
    Window root = 0;
    Window parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(dpy, parent, &root, &parentOut, &children, &count) == 0)
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        found = windowTitle(dpy, children[i]) == title ||
                (depth > 0 && findTitled(dpy, children[i], title, depth - 1));
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

KeySym keySym(Desktop::Key key)
{
    switch (key) {
    case Desktop::Key::Enter: return XK_Return;
    case Desktop::Key::Escape: return XK_Escape;
    case Desktop::Key::Up: return XK_Up;
    case Desktop::Key::Down: return XK_Down;
    case Desktop::Key::Left: return XK_Left;
    case Desktop::Key::Right: return XK_Right;
    case Desktop::Key::Shift: return XK_Shift_L;
    case Desktop::Key::Control: return XK_Control_L;
    }
    return XK_VoidSymbol;
}

void tap(Display* dpy, KeySym sym)
{
    const KeyCode code = XKeysymToKeycode(dpy, sym);
    if (code == 0)
        return;
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    XSync(dpy, False);
}

}  // namespace

X11Desktop::X11Desktop() : x_(std::make_unique<Connection>())
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    x_->display = XOpenDisplay(nullptr);
    if (x_->display == nullptr)
        return;
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    x_->xtest = XTestQueryExtension(x_->display, &event, &error, &major, &minor) != 0;
}

X11Desktop::~X11Desktop()
{
    if (x_->display != nullptr)
        XCloseDisplay(x_->display);
}

bool X11Desktop::hasDisplay() const
{
    return x_->display != nullptr;
}

QRect X11Desktop::screenGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect X11Desktop::workArea() const
{
    if (x_->display != nullptr) {
        // Set by a window manager only; the first desktop's rectangle.
        const std::vector<long> area =
            cardinals(x_->display, DefaultRootWindow(x_->display), "_NET_WORKAREA");
        if (area.size() >= 4 && area[2] > 0 && area[3] > 0)
            return QRect(static_cast<int>(area[0]), static_cast<int>(area[1]),
                         static_cast<int>(area[2]), static_cast<int>(area[3]));
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

bool X11Desktop::capsLockOn() const
{
    if (x_->display == nullptr)
        return false;
    Atom capsName = XInternAtom(x_->display, "Caps Lock", False);
    Bool on = False;
    if (XkbGetNamedIndicator(x_->display, capsName, nullptr, &on, nullptr, nullptr) != 0)
        return on != False;
    unsigned int indicators = 0;
    if (XkbGetIndicatorState(x_->display, XkbUseCoreKbd, &indicators) == Success)
        return (indicators & 1U) != 0;
    return false;
}

void X11Desktop::toggleCapsLock()
{
    if (x_->display != nullptr && x_->xtest)
        tap(x_->display, XK_Caps_Lock);
}

QPoint X11Desktop::cursorPos() const
{
    return QCursor::pos();
}

void X11Desktop::setCursorPos(const QPoint& pos)
{
    QCursor::setPos(pos);
}

void X11Desktop::tapKey(Key key)
{
    if (x_->display != nullptr && x_->xtest)
        tap(x_->display, keySym(key));
}

bool X11Desktop::hasWindowTitled(const QString& title) const
{
    if (x_->display == nullptr || title.isEmpty())
        return false;
    return findTitled(x_->display, DefaultRootWindow(x_->display), title, 1);
}

}  // namespace platform
