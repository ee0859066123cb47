#include "resources.h"

#include "render_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResourceCollections()
{
    Q_INIT_RESOURCE(help);
}

namespace mw::gui {

void initResources()
{
    render::initRenderResources();
    static const bool registered = (registerResourceCollections(), true);
    (void)registered;
}

} // namespace mw::gui
