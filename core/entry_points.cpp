#include "core/entry_points.h"

#include "catalogue/catalogue.h"
#include "core/layout_registry.h"

#if defined(_WIN32)
#  include <windows.h>
#endif

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

#if defined(_WIN32)
// Loading the module does no registry work; the forms are static objects and
// need no per-thread set-up, so thread notifications are only overhead.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(instance);
    return TRUE;
}
#endif
