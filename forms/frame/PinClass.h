#pragma once

#include "controls/zel_icon.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_PinClass : UiRecord {
    ZelIcon *picPin;
    ZelIcon *picArrow;
};
