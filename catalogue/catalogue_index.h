#pragma once

// What a host needs to know about each form without loading the module:
// registration name, root size and Ui record field count, in catalogue order.

#include <cstddef>

struct CatalogueIndexEntry {
    int position;
    const char *name;
    int width;
    int height;
    int fieldCount;
};

inline constexpr CatalogueIndexEntry kCatalogueIndex[] = {
#define QUARN_FORM(position, name, width, height, fields) {position, #name, width, height, fields},
#include "catalogue/forms.def"
#undef QUARN_FORM
};

inline constexpr std::size_t kCatalogueSize = sizeof(kCatalogueIndex) / sizeof(kCatalogueIndex[0]);
