#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// The map settings of a profile, in a long scrolling panel: a button
// for the chart options and choices for each map option.
struct Ui_ProfileEditMapOptionsScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    QWidget *ScrollButtonsWidget;
    ZelIcon *iconTitle;
    ZelIcon *iconProfile;
    ZelIcon *icon;
    ZelTextBox *lblMapOptions_2;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *vOptionsLayout;
    ZelPushButton *btnNavionicsChartOptions;
    ZelTextBox *lblNavionicsChartOptions;
    QWidget *otherMapOptions;
    ZelTextBox *lblGeocaches;
    ZelComboBox *comboGeocaches;
    ZelTextBox *lblShadedRelief;
    ZelComboBox *comboMapView;
    ZelTextBox *lblQuickInfo;
    ZelTextBox *lblMapDetail;
    ZelTextBox *lblPosDestLine;
    ZelComboBox *comboMapFields;
    ZelTextBox *lbMapDrawMode;
    ZelTextBox *lblOrientation;
    ZelComboBox *comboAutoZoom;
    ZelComboBox *comboQuickInfo;
    ZelTextBox *lbWaypoints;
    ZelTextBox *lblShowTracks;
    ZelTextBox *lbShowMediaPoints;
    ZelTextBox *lblMapView;
    ZelComboBox *comboOriginDestLine;
    ZelComboBox *comboOrientation;
    ZelComboBox *comboGeocachesFilter;
    ZelTextBox *lbPOI;
    ZelComboBox *comboPosDestLine;
    ZelComboBox *comboShadedRelief;
    ZelComboBox *comboWaypoints;
    ZelTextBox *lblMapFields;
    ZelComboBox *comboShowTracks;
    ZelComboBox *comboTopoLines;
    ZelTextBox *lblTopoLines;
    ZelComboBox *comboShowMediaPoints;
    ZelComboBox *comboCurLocIcon;
    ZelComboBox *comboPOI;
    ZelComboBox *comboMapDrawMode;
    ZelTextBox *lblOriginDestLine;
    ZelTextBox *lbCurLocIcon;
    ZelComboBox *comboMapDetail;
    ZelTextBox *lbAutoZoom;
    ZelComboBox *comboQuickInfoStyle;
    ZelTextBox *lblQuickInfoStyle;
};
