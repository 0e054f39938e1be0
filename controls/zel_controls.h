#pragma once

// Every control of the widget library that the forms use.

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "controls/zel_instruments.h"
#include "controls/zel_text.h"
