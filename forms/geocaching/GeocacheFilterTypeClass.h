#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_list.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QWidget>

// The multiple-choice filter page with its check list. Like the filter overview, it
// sets images, pixel sizes, contents and flags as properties by name.
struct Ui_GeocacheFilterTypeClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelList *listTypes;
    ZelStatusIndicator *statCacheSize;
    ZelStatusIndicator *statDiffAndTerrain;
    ZelStatusIndicator *statGeocacheStatus;
    ZelPushButton *btnListType;
    ZelTextBox *txtButtonLabel;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelPushButton *btnHeader;
    QWidget *horizontalLayoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtHeader;
    ZelTextBox *txtTypes;
    QSpacerItem *verticalSpacer;
};
