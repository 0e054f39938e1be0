#pragma once

// Everything a form source needs to read like its table.

#include "core/build/furniture.h"
#include "core/build/images.h"
#include "core/build/layouts.h"
#include "core/build/look.h"
#include "core/build/map_furniture.h"
#include "core/build/menu_look.h"
#include "core/build/nav_fields.h"
#include "core/build/root.h"
#include "core/build/row.h"
#include "core/build/translate.h"
#include "core/form_layout.h"
#include "controls/zel_controls.h"
