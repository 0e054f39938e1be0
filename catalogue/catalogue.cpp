#include "catalogue/catalogue.h"

namespace quarn::forms {
#define QUARN_FORM(position, name, width, height, fields) FormLayout &name();
#include "catalogue/forms.def"
#undef QUARN_FORM
} // namespace quarn::forms

const CatalogueEntry kCatalogue[kCatalogueSize] = {
#define QUARN_FORM(position, name, width, height, fields) {position, #name, &quarn::forms::name, width, height, fields},
#include "catalogue/forms.def"
#undef QUARN_FORM
};
