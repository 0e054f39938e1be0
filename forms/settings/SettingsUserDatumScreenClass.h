#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// The parameters of a user-defined datum: Delta A, Delta F, Delta X, Y and Z, rotations about X, Y and Z and a scale
// factor, each a label above a coordinate entry control in one scrolling column.
struct Ui_SettingsUserDatumScreenClass : UiRecord {
    ZelIcon *bottomBar;
    ZelPushButton *btnBack;
    ZelIcon *icon;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    QSpacerItem *horizontalSpacer;
    ZelTextBox *labelName;
    QSpacerItem *horizontalSpacer_2;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QVBoxLayout *verticalLayout;
    ZelTextBox *lblUserDatumParameters;
    zelCoordEntryWidget *userDatumDeltaA;
    ZelTextBox *lblUserDatumParameters_2;
    zelCoordEntryWidget *userDatumDeltaF;
    ZelTextBox *lblUserDatumParameters_3;
    zelCoordEntryWidget *userDatumDeltaX;
    ZelTextBox *lblUserDatumParameters_4;
    zelCoordEntryWidget *userDatumDeltaY;
    ZelTextBox *lblUserDatumParameters_5;
    zelCoordEntryWidget *userDatumDeltaZ;
    ZelTextBox *lblUserDatumParameters_6;
    zelCoordEntryWidget *userDatumRotX;
    ZelTextBox *lblUserDatumParameters_9;
    zelCoordEntryWidget *userDatumRotY;
    ZelTextBox *lblUserDatumParameters_7;
    zelCoordEntryWidget *userDatumRotZ;
    ZelTextBox *lblUserDatumParameters_8;
    zelCoordEntryWidget *userDatumScaleF;
};
