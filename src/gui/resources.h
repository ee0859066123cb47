#pragma once

namespace mw::gui {

// Registers the icons and help pages compiled into the program; the GUI library is static, so its
// resource collections must be registered by name before first use. Safe to call more than once.
void initResources();

} // namespace mw::gui
