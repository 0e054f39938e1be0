#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// The parameters of a user-defined grid: grid and sub-grid choices, origin and two points, azimuth of the central line,
// scale factor, unit conversion and false north and east.
struct Ui_SettingsUserGridScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    QSpacerItem *horizontalSpacer;
    ZelTextBox *labelName;
    QSpacerItem *horizontalSpacer_2;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QVBoxLayout *verticalLayout;
    ZelTextBox *lblUserGrid;
    ZelComboBox *comboUserGrid;
    ZelTextBox *lblSubUserGrid;
    ZelComboBox *comboSubUserGrid;
    ZelTextBox *lblCoordOrigin;
    zelCoordEntryWidget *coordOrigin;
    ZelTextBox *lblCoordPoint1;
    zelCoordEntryWidget *coordPoint1;
    ZelTextBox *lblCoordPoint2;
    zelCoordEntryWidget *coordPoint2;
    ZelTextBox *lblAzimuthCntrLine;
    zelCoordEntryWidget *ceAzimuthCntrLine;
    ZelTextBox *lblScaleFactor;
    zelCoordEntryWidget *ceScaleFactor;
    ZelTextBox *lblUnitConv;
    zelCoordEntryWidget *ceUnitConv;
    ZelTextBox *lblFalseNorth;
    zelCoordEntryWidget *ceFalseNorth;
    ZelTextBox *lblFalseEast;
    zelCoordEntryWidget *ceFalseEast;
};
