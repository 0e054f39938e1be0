#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AreaCaclulateScreenClass

   The choice of how to define the area.
*/
struct Ui_AreaCaclulateScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *iconTitle;
    ZelPushButton *btnWalkAround;
    ZelIcon *iconWA;
    ZelTextBox *textBoxWA;
    ZelPushButton *btnSelectPoints;
    ZelIcon *iconSP;
    ZelTextBox *textBoxSP;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
};
