#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// Navigation settings: primary and secondary coordinate system, zone, accuracy and map datum, north reference and
// altimeter source, each a label with a combo box in one scrolling column.
struct Ui_SettingsNavigationScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelIcon *icon;
    ZelTextBox *labelName_5;
    ZelIcon *icon_2;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QVBoxLayout *verticalLayout;
    ZelTextBox *lblPrimCoordSys;
    ZelComboBox *comboPrimCoordSys;
    ZelTextBox *lblPrimCoordZone;
    ZelComboBox *comboPrimCoordZone;
    ZelTextBox *lblPrimCoordAccuracy;
    ZelComboBox *comboPrimCoordAccuracy;
    ZelTextBox *lblPrimMapDatum;
    ZelComboBox *comboPrimMapDatum;
    ZelTextBox *lblSecCoordSys;
    ZelComboBox *comboSecCoordSys;
    ZelTextBox *lblSecCoordZone;
    ZelComboBox *comboSecCoordZone;
    ZelTextBox *lblSecCoordAccuracy;
    ZelComboBox *comboSecCoordAccuracy;
    ZelTextBox *lblSecMapDatum;
    ZelComboBox *comboSecMapDatum;
    ZelTextBox *lblNorthRef;
    ZelComboBox *comboNorthRef;
    ZelTextBox *lblAltimeterSrc;
    ZelComboBox *comboAltimeterSrc;
};
