#pragma once

#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR POILocationScreenClass

   A point of interest's coordinates, datums and elevation in a scroll area.
*/
struct Ui_POILocationScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelPushButton *btnSubtitle;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *labelLocation;
    ZelTextBox *Location;
    ZelTextBox *iconLocation;
    QWidget *headerControl;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelIcon *icon_2;
    zelCoordEntryWidget *PrimaryCoordEW;
    zelCoordEntryWidget *SecondaryCoordEW;
    ZelIcon *icon3DAbstract;
    QWidget *layoutWidget_2;
    QHBoxLayout *horizontalLayout_1;
    ZelTextBox *PrimaryCoordLabel;
    ZelTextBox *PrimaryCoord;
    QWidget *layoutWidget_3;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *PrimaryDatumLabel;
    ZelTextBox *PrimaryDatum;
    QWidget *layoutWidget_4;
    QHBoxLayout *horizontalLayout_4;
    ZelTextBox *SecondaryCoordLabel;
    ZelTextBox *SecondaryCoord;
    QWidget *layoutWidget_5;
    QHBoxLayout *horizontalLayout_5;
    ZelTextBox *SecondaryDatumLabel;
    ZelTextBox *SecondaryDatum;
    QWidget *layoutWidget_6;
    QHBoxLayout *horizontalLayout_6;
    ZelTextBox *labelElevation;
    ZelTextBox *Elevation;
};
