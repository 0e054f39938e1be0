#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR QuickInfoBarGeocacheClass

   The quick-information bar of a geocache under the status line.
*/
struct Ui_QuickInfoBarGeocacheClass : UiRecord {
    ZelTextBox *txtName;
    ZelIcon *iconObj;
    ZelTextBox *txtDiffTerr;
    ZelPushButton *btnDetails;
    ZelStatusIndicator *iconStatus;
    ZelStatusIndicator *iconSize;
    ZelStatusIndicator *statDirection;
    ZelIcon *iconBug;
    ZelIcon *iconBookmark;
    ZelIcon *iconPicture;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *txtLatitude;
    ZelTextBox *txtDistance;
    ZelTextBox *txtLongitude;
    ZelTextBox *txtBearing;
    ZelTextBox *txtElevation;
    ZelTextBox *txtCoordZ;
};
