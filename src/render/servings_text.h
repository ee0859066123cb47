#pragma once

#include <QString>

namespace mw::render {

// A servings number rounded to the nearest tenth: "0.5", "1.5", "12".
QString servingsText(float servings);

} // namespace mw::render
