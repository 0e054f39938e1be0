#pragma once

#include "controls/zel_icon.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR PinClass

   The map pin marker: a pin and a small arrow.
*/
struct Ui_PinClass : UiRecord {
    ZelIcon *picPin;
    ZelIcon *picArrow;
};
