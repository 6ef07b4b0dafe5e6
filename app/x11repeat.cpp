#include "app/x11repeat.h"

#include <QGuiApplication>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#endif

namespace korvo::app {

bool useDetectableAutoRepeat() {
#ifdef Q_OS_LINUX
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    void* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return false;
    }
    // Xlib is taken from the xcb platform plugin, which has loaded it: linked
    // into the program it would be loaded before Qt and searched at every
    // symbol lookup of the start-up.
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (xlib == nullptr) {
        return false;
    }
    // XkbSetDetectableAutoRepeat(Display*, Bool, Bool*) and XFlush(Display*).
    using SetDetectable = int (*)(void*, int, int*);
    using Flush = int (*)(void*);
    const auto setDetectable =
        reinterpret_cast<SetDetectable>(dlsym(xlib, "XkbSetDetectableAutoRepeat"));
    const auto flush = reinterpret_cast<Flush>(dlsym(xlib, "XFlush"));
    int supported = 0;
    const bool on = setDetectable != nullptr && flush != nullptr &&
                    setDetectable(display, 1, &supported) != 0 && supported != 0;
    if (flush != nullptr) {
        flush(display);
    }
    dlclose(xlib);
    return on;
#else
    return false;
#endif
}

}  // namespace korvo::app
