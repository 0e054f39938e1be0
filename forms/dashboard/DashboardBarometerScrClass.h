#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR DashboardBarometerScrClass

   The barometer and altimeter graph with zoom buttons and the current and change read-outs.
*/
struct Ui_DashboardBarometerScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnBack;
    ZelPushButton *btnToolBar;
    ZelIcon *icon;
    zelSimpleGraphView *graphView;
    ZelPushButton *btnZoomOut;
    ZelPushButton *btnZoomIn;
    ZelBacking *backing;
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *lblCurrent;
    ZelTextBox *textBoxCurrent;
    ZelBacking *backing_2;
    QWidget *layoutWidget_2;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *lblChange;
    ZelTextBox *textBoxChange;
};
