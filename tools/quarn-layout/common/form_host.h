#pragma once

// The tool builds its forms with the shared host harness.

#include "built_form.h"
#include "catalogue_lookup.h"
#include "layout_module.h"

namespace quarn::layouttool {

using harness::BuiltForm;
using harness::findCatalogued;
using harness::LayoutModule;

} // namespace quarn::layouttool
