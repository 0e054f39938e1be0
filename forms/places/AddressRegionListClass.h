#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The list of regions for address search.
struct Ui_AddressRegionListClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelList *list;
    ZelIcon *icon_2;
    ZelTextBox *txtCurPage;
    ZelTextBox *txtNumOfAddress;
    ZelTextBox *textBox;
};
