#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_containers.h"
#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QWidget>

// The geocache summary list.
struct Ui_GcSummaryScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelTextBox *labelPage;
    ZelTextBox *labelNumber;
    ZelIcon *icon_2;
    ZelList *listSummaryItems;
};
