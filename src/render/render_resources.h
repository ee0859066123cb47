#pragma once

namespace mw::render {

// Registers the icons compiled into the rendering library, which is static: its resource collection must be
// registered by name before first use. Safe to call more than once.
void initRenderResources();

} // namespace mw::render
