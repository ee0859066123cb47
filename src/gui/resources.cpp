#include "resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResourceCollections()
{
    Q_INIT_RESOURCE(mealwright);
    Q_INIT_RESOURCE(panel);
    Q_INIT_RESOURCE(dialogs);
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(dlg2);
    Q_INIT_RESOURCE(wire);
    Q_INIT_RESOURCE(find);
}

namespace mw::gui {

void initResources()
{
    static const bool registered = (registerResourceCollections(), true);
    (void)registered;
}

} // namespace mw::gui
