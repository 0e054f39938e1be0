#pragma once

// Everything a form source needs to read like its table.

#include "core/construction/furniture.h"
#include "core/construction/geocache.h"
#include "core/construction/images.h"
#include "core/construction/instrument_looks.h"
#include "core/construction/layouts.h"
#include "core/construction/look.h"
#include "core/construction/map_furniture.h"
#include "core/construction/menu_look.h"
#include "core/construction/nav_fields.h"
#include "core/construction/quick_info.h"
#include "core/construction/root.h"
#include "core/construction/row.h"
#include "core/construction/scroll_content.h"
#include "core/construction/service_looks.h"
#include "core/form_layout.h"
#include "controls/zel_controls.h"
