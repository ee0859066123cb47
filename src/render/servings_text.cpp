#include "servings_text.h"

#include <cmath>
#include <limits>

namespace mw::render {

QString servingsText(float servings)
{
    const double tenths = std::floor(static_cast<double>(servings) * 10.0 + 0.5);
    if (!(tenths >= 0.0)) {
        return QStringLiteral("0.0");
    }
    if (tenths >= static_cast<double>(std::numeric_limits<int>::max())) {
        return QString::number(std::numeric_limits<int>::max() / 10);
    }
    const int t = static_cast<int>(tenths);
    if (t < 100) {
        return QString::number(t / 10) + u'.' + QString::number(t % 10);
    }
    return QString::number(t / 10);
}

} // namespace mw::render
