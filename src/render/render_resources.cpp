#include "render_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace mw::render {

void initRenderResources()
{
    static const bool registered = (registerIcons(), true);
    (void)registered;
}

} // namespace mw::render
