#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaDetailsScreenClass

   The details of one media file.
*/
struct Ui_MediaDetailsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelIcon *icoGrabScr;
    ZelBacking *showDetails;
    ZelIcon *geoSecondary;
    ZelTextBox *txtDatum_2;
    ZelTextBox *txtSecondary;
    ZelTextBox *txtLong_2;
    ZelTextBox *txtLat_2;
    ZelIcon *icoGeo_2;
    ZelIcon *geoPrimary;
    ZelTextBox *txtDatum;
    ZelTextBox *txtLong;
    ZelTextBox *txtPrimary;
    ZelIcon *icoGeo;
    ZelTextBox *txtLat;
    ZelIcon *fileInfo;
    ZelTextBox *fixtxtFormat;
    ZelTextBox *fixtxtTime;
    ZelTextBox *txtDate;
    ZelTextBox *txtFormat;
    ZelTextBox *fixtxtDate;
    ZelTextBox *txtTime;
    ZelTextBox *fixtxtSize;
    ZelTextBox *txtSize;
    ZelTextBox *fixtxtFile;
    ZelTextBox *txtFile;
    ZelTextBox *fixtxtDuration;
    ZelTextBox *txtDuration;
};
