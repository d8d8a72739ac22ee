#include "framework/lock_keys.h"

#include <dlfcn.h>

#include <QGuiApplication>

#include "framework/resources.h"

namespace {

// The few X library entry points the indicators need, found at run time so that the
// program neither links nor requires the X library where the display is not X.
using XAtom = unsigned long;
using XBool = int;
using InternAtomFn = XAtom (*)(Display*, const char*, XBool);
using GetNamedIndicatorFn = XBool (*)(Display*, XAtom, int*, XBool*, void*, XBool*);

struct XFunctions {
    InternAtomFn internAtom = nullptr;
    GetNamedIndicatorFn getNamedIndicator = nullptr;
};

const XFunctions* LoadXFunctions() {
    static const XFunctions functions = [] {
        XFunctions f;
        void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (library != nullptr) {
            f.internAtom = reinterpret_cast<InternAtomFn>(dlsym(library, "XInternAtom"));
            f.getNamedIndicator =
                reinterpret_cast<GetNamedIndicatorFn>(dlsym(library, "XkbGetNamedIndicator"));
        }
        return f;
    }();
    return functions.internAtom != nullptr && functions.getNamedIndicator != nullptr ? &functions
                                                                                     : nullptr;
}

Display* XDisplay() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 =
        app != nullptr ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
}

const char* IndicatorName(WORD nVirtKey) {
    switch (nVirtKey) {
        case VK_CAPITAL:
            return "Caps Lock";
        case VK_NUMLOCK:
            return "Num Lock";
        case VK_SCROLL:
            return "Scroll Lock";
        default:
            return nullptr;
    }
}

}  // namespace

std::optional<bool> AfxLockKeyLight(WORD nVirtKey) {
    const char* name = IndicatorName(nVirtKey);
    Display* display = name != nullptr ? XDisplay() : nullptr;
    const XFunctions* x = display != nullptr ? LoadXFunctions() : nullptr;
    if (x == nullptr) {
        return std::nullopt;
    }
    const XAtom atom = x->internAtom(display, name, 0);
    XBool on = 0;
    if (atom == 0 || !x->getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
        return std::nullopt;
    }
    return on != 0;
}
