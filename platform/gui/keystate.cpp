#include "platform/gui/keystate.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {
bool indicator(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}
} // namespace

KeyLockState AfxGetKeyLockState()
{
    KeyLockState state;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return state;
    state.known = true;
    state.caps = indicator(display, "Caps Lock");
    state.num = indicator(display, "Num Lock");
    state.scroll = indicator(display, "Scroll Lock");
    return state;
}
