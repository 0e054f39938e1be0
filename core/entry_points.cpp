#include "core/entry_points.h"

#include "catalogue/catalogue.h"
#include "core/layout_registry.h"

extern "C" int RegisterLayout(LayoutRegistry *registry)
{
    if (registry) {
        for (const CatalogueEntry &entry : kCatalogue)
            registry->registerLayout(entry.name, &entry.form());
    }
    return 1;
}

// Same order as registration, not reversed: each name's list only loses this
// module's own object, so the order makes no difference to other modules.
extern "C" int UnregisterLayout(LayoutRegistry *registry)
{
    if (registry) {
        for (const CatalogueEntry &entry : kCatalogue)
            registry->unregisterLayout(entry.name, &entry.form());
    }
    return 1;
}
