#pragma once

#include "controls/zel_push_button.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_ScrollButtonsWidgetClass : UiRecord {
    ZelPushButton *btnPageDown;
    ZelPushButton *btnPageUp;
};
