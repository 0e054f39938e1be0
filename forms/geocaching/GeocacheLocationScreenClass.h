#pragma once

#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR GeocacheLocationScreenClass

   The cache position in the primary and the secondary coordinate format, each with its datum, and the elevation.
*/
struct Ui_GeocacheLocationScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *GeocacheHeaderWidget;
    ZelPushButton *subTitle;
    ZelTextBox *iconLocation;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_9;
    ZelTextBox *zelTextBox;
    ZelTextBox *labelLocation;
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
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *PrimaryDatumLabel;
    ZelTextBox *PrimaryDatum;
    QWidget *layoutWidget_4;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *SecondaryCoordLabel;
    ZelTextBox *SecondaryCoord;
    QWidget *layoutWidget_5;
    QHBoxLayout *horizontalLayout_4;
    ZelTextBox *SecondaryDatumLabel;
    ZelTextBox *SecondaryDatum;
    QWidget *layoutWidget_6;
    QHBoxLayout *horizontalLayout_5;
    ZelTextBox *Elevation;
    ZelTextBox *labelElevation;
};
