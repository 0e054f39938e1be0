#include "catalogue_lookup.h"

#include <cstring>

namespace quarn::harness {

const CatalogueIndexEntry *findCatalogued(const char *name)
{
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        if (name && std::strcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace quarn::harness
