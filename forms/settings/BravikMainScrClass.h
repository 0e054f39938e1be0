#pragma once

#include "controls/zel_backing.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

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
