#include "app/x11repeat.h"

#include <QGuiApplication>

#ifdef KORVO_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace korvo::app {

bool useDetectableAutoRepeat() {
#ifdef KORVO_HAVE_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return false;
    }
    Bool supported = False;
    const Bool on = XkbSetDetectableAutoRepeat(display, True, &supported);
    XFlush(display);
    return on == True && supported == True;
#else
    return false;
#endif
}

}  // namespace korvo::app
