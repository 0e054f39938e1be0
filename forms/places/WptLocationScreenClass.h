#pragma once

#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR WptLocationScreenClass

   A waypoint's coordinates, datums and elevation in a scroll area.
*/
struct Ui_WptLocationScreenClass : UiRecord {
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    ZelIcon *icon_2;
    zelCoordEntryWidget *PrimaryCoordEW;
    zelCoordEntryWidget *SecondaryCoordEW;
    ZelIcon *icon3DAbstract;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout_1;
    ZelTextBox *PrimaryCoordLabel;
    ZelTextBox *PrimaryCoord;
    QWidget *layoutWidget1;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *PrimaryDatumLabel;
    ZelTextBox *PrimaryDatum;
    QWidget *layoutWidget2;
    QHBoxLayout *horizontalLayout_3;
    ZelTextBox *SecondaryCoordLabel;
    ZelTextBox *SecondaryCoord;
    QWidget *layoutWidget3;
    QHBoxLayout *horizontalLayout_4;
    ZelTextBox *SecondaryDatumLabel;
    ZelTextBox *SecondaryDatum;
    QWidget *layoutWidget4;
    QHBoxLayout *horizontalLayout_5;
    ZelTextBox *Elevation;
    ZelTextBox *labelElevation;
    ZelPushButton *btnNext;
    ZelTextBox *btnNextLabel;
    ZelPushButton *btnTitle;
    ZelIcon *iconPaneLocation;
    QWidget *layoutWidget5;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *Location;
    ZelTextBox *labelLocation;
};
