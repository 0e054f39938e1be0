#pragma once

#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR DashboardScrClass

   The main dashboard: small compass, geocache summary and up to eight data fields.
*/
struct Ui_DashboardScrClass : UiRecord {
    ZelIcon *bkgdForGeocaches;
    ZelIcon *iconGeocache;
    ZelIcon *iconGeocacheFavorite;
    ZelIcon *iconGeocacheTrackables;
    ZelIcon *iconGeocacheFound;
    ZelIcon *iconGeocachePictureAttached;
    ZelTextBox *geocacheName;
    ZelIcon *bkgdWithoutGeocaches;
    ZelIcon *iconFrog;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnMenu;
    ZelPushButton *btnToolBar;
    ZelTextBox *cachesFound;
    ZelTextBox *distanceToCache;
    ZelTextBox *distanceToCacheUnits;
    ZelWidget *dashboardContainer;
    zelCompass *compass;
};
