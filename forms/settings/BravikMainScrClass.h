#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

/* TRANSLATOR BravikMainScrClass

   The grid of shortcut buttons.
*/
struct Ui_BravikMainScrClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    ZelTextBox *labelUserHint;
    ZelPushButton *btnEdit;
    ZelBacking *backing;
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout;
    ZelPushButton *button;
    ZelTextBox *textBox;
};
