#pragma once

#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR QuarnContextMenu

   The pop-up options menu: title, list of entries, close button, page-button slot.
*/
struct Ui_QuarnContextMenu : UiRecord {
    ZelTextBox *txtTitle;
    ZelList *listMenu;
    ZelPushButton *btnClose;
    QWidget *ScrollButtonsWidget;
};
