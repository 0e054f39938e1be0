#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

struct Ui_NearestObjectsListItemClass : UiRecord {
    ZelIcon *iconObj;
    ZelPushButton *btnGo;
    ZelTextBox *textName;
};
