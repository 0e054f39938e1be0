#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR GeocacheCreateScreenClass

   The screen that creates a geocache.
*/
struct Ui_GeocacheCreateScreenClass : UiRecord {
    ZelPushButton *btnName;
    ZelTextBox *txtName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnCamera;
    ZelPushButton *btnContextMenu;
    ZelBacking *backing;
    ZelPushButton *titleButton;
    ZelIcon *iconType;
    ZelTextBox *labelName_2;
    ZelBacking *backing_2;
    ZelTextBox *txtDiff;
    ZelStatusIndicator *Terrain;
    ZelTextBox *txtDiffValue;
    ZelTextBox *txtTerrain;
    ZelTextBox *txtTerrainValue;
    ZelTextBox *txtSizeValue;
    ZelStatusIndicator *CacheSize;
    ZelStatusIndicator *Difficulty;
    ZelTextBox *txtWPName;
    ZelTextBox *txtSize;
    ZelTextBox *txtDate;
};
