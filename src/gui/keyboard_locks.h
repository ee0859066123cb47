#pragma once

#include <optional>

namespace mw::gui {

struct KeyboardLocks
{
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
    friend bool operator==(const KeyboardLocks&, const KeyboardLocks&) = default;
};

// The lock keys as the keyboard's lights show them, when the window system can tell (X11); nullopt
// elsewhere (Wayland, offscreen), where the status bar then leaves its indicators blank.
std::optional<KeyboardLocks> queryKeyboardLocks();

} // namespace mw::gui
