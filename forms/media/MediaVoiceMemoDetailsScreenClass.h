#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_progress_bar.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaVoiceMemoDetailsScreenClass

   The player and details of one voice memo.
*/
struct Ui_MediaVoiceMemoDetailsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCenter;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnListHeader;
    ZelIcon *iconVoiceMemo;
    ZelTextBox *txtMemo;
    ZelPushButton *btnREW;
    ZelPushButton *btnFF;
    ZelProgressBar *progressBar;
    ZelTextBox *txtPosition;
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
    ZelTextBox *txtDate;
    ZelTextBox *txtFormat;
    ZelTextBox *fixtxtDate;
    ZelTextBox *fixtxtSize;
    ZelTextBox *txtSize;
    ZelTextBox *fixtxtFile;
    ZelTextBox *txtFile;
    ZelTextBox *fixtxtDuration;
    ZelTextBox *txtDuration;
};
