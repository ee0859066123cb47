#include "keyboard_locks.h"

#include <QGuiApplication>

#include <cstdint>

#if __has_include(<xcb/xcb.h>) && __has_include(<dlfcn.h>) && QT_CONFIG(xcb)
#define MW_HAVE_XCB_LOCKS 1
#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace mw::gui {

#ifdef MW_HAVE_XCB_LOCKS
namespace {

// Qt does not tell the state of the lock keys. On X11 the core keyboard-control request does; its
// functions are taken from the libxcb that Qt's platform plugin has already loaded, so the program needs
// no X11 library of its own and runs unchanged where there is none.
struct XcbKeyboardControl
{
    using Request = xcb_get_keyboard_control_cookie_t (*)(xcb_connection_t*);
    using Reply = xcb_get_keyboard_control_reply_t* (*)(xcb_connection_t*, xcb_get_keyboard_control_cookie_t,
                                                        xcb_generic_error_t**);
    Request request = nullptr;
    Reply reply = nullptr;

    XcbKeyboardControl()
    {
        void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (library != nullptr) {
            request = reinterpret_cast<Request>(dlsym(library, "xcb_get_keyboard_control"));
            reply = reinterpret_cast<Reply>(dlsym(library, "xcb_get_keyboard_control_reply"));
        }
    }
    bool usable() const { return request != nullptr && reply != nullptr; }
};

// The usual X keyboard lights: 1 Caps Lock, 2 Num Lock, 3 Scroll Lock (bit n - 1 of the mask).
constexpr std::uint32_t kCapsLockLight = 1u << 0;
constexpr std::uint32_t kNumLockLight = 1u << 1;
constexpr std::uint32_t kScrollLockLight = 1u << 2;

} // namespace

std::optional<KeyboardLocks> queryKeyboardLocks()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    static const XcbKeyboardControl xcb;
    if (!xcb.usable()) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_get_keyboard_control_reply_t* control = xcb.reply(connection, xcb.request(connection), nullptr);
    if (control == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t lights = control->led_mask;
    std::free(control);
    return KeyboardLocks{(lights & kCapsLockLight) != 0, (lights & kNumLockLight) != 0,
                         (lights & kScrollLockLight) != 0};
}

#else

std::optional<KeyboardLocks> queryKeyboardLocks()
{
    return std::nullopt;
}

#endif

} // namespace mw::gui
