#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_progress_bar.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR MediaAttachmentBrowserBaseClass

   The browser of the media attached to an object.
*/
struct Ui_MediaAttachmentBrowserBaseClass : UiRecord {
    ZelTextBox *playMemo;
    ZelPushButton *btnPlayPause;
    ZelPushButton *btnREW;
    ZelPushButton *btnFF;
    ZelProgressBar *progressBar;
    ZelBacking *backingProgress;
    ZelTextBox *labelProgress;
    ZelBacking *backingInfo;
    ZelIcon *iconVoice;
    ZelTextBox *labelInfo;
    ZelPushButton *btnMediaAttachment;
    ZelTextBox *labelMemoCounter;
    ZelIcon *iconMemo;
    ZelTextBox *labelPicturesCounter;
    ZelTextBox *labelVideoCounter;
    ZelIcon *iconPhoto;
    ZelIcon *iconVideo;
    ZelPushButton *btnPrev;
    ZelPushButton *btnNext;
    ZelBacking *backingPlaceholder;
    ZelTextBox *labelPlaceholder;
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
    ZelIcon *icoGrabScr;
};
