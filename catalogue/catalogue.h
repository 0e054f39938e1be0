#pragma once

#include "catalogue/catalogue_index.h"
#include "core/form_layout.h"

// One registered form: its catalogue data and the static form object.
struct CatalogueEntry {
    int position;
    const char *name;
    FormLayout &(*form)();
    int width;
    int height;
    int fieldCount;
};

// Every form of the module in registration order (the order of forms.def).
extern const CatalogueEntry kCatalogue[kCatalogueSize];
