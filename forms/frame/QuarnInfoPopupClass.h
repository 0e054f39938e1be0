#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR QuarnInfoPopupClass

   A modal information popup: an icon and a wrapped message side by side.
*/
struct Ui_QuarnInfoPopupClass : UiRecord {
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon;
    ZelTextBox *txtMessage;
};
