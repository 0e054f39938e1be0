#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR AreaCalculationScreenClass

   The result of the area calculation.
*/
struct Ui_AreaCalculationScreenClass : UiRecord {
    ZelIcon *icon_2;
    ZelTextBox *lbl_Perimeter;
    ZelTextBox *lbl_Area;
    ZelTextBox *lbl_PerimeterVal;
    ZelTextBox *lbl_AreaVal;
    QWidget *MapWidget;
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelPushButton *btnMap;
    ZelPushButton *btnGo;
    ZelWidget *headerControl;
    ZelPushButton *btnAreaCalculation;
    QWidget *layoutWidget1;
    QHBoxLayout *horizontalLayout_2;
    ZelIcon *icon;
    ZelTextBox *label_5;
};
