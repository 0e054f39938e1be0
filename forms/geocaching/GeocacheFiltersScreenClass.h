#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QStackedWidget>
#include <QWidget>

/* TRANSLATOR GeocacheFiltersScreenClass

   The filter overview. Every control here takes its images, pixel sizes, contents and flags as properties set by name.
*/
struct Ui_GeocacheFiltersScreenClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QStackedWidget *stackedWidget;
    QWidget *pageMenu;
    ZelPushButton *btnContextMenu;
    QWidget *pageNext;
    ZelPushButton *btnNext;
    ZelTextBox *label;
    QWidget *ScrollButtonsWidget;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushButton *btnStatus;
    ZelTextBox *dateTimeLabel_3;
    ZelTextBox *txtStatuses;
    ZelPushButton *btnType;
    ZelTextBox *dateTimeLabel_4;
    ZelTextBox *txtTypes;
    ZelPushButton *btnSize;
    ZelTextBox *dateTimeLabel_5;
    ZelTextBox *txtSizes;
    ZelPushButton *btnTerrain;
    ZelTextBox *dateTimeLabel_9;
    ZelTextBox *txtTerrains;
    ZelPushButton *btnDiff;
    ZelTextBox *dateTimeLabel_10;
    ZelTextBox *txtDiffs;
    ZelPushButton *btnSort;
    ZelTextBox *dateTimeLabel_8;
    ZelTextBox *txtSorts;
    ZelPushButton *btnShow;
    ZelTextBox *dateTimeLabel_6;
    ZelTextBox *txtShows;
    ZelPushButton *btnSearch;
    ZelTextBox *dateTimeLabel_7;
};
