#pragma once

#include "catalogue/catalogue_index.h"

#include <cstddef>

struct CatalogueEntry;
extern const CatalogueEntry kCatalogue[kCatalogueSize];

namespace quarn::harness {

// The catalogue entry registered under name, or null.
const CatalogueIndexEntry *findCatalogued(const char *name);

// The same form in the module's own table, for programs linked with the
// module's objects (tests, benchmark).
inline std::size_t cataloguePosition(const CatalogueIndexEntry &entry)
{
    return std::size_t(&entry - kCatalogueIndex);
}

} // namespace quarn::harness
