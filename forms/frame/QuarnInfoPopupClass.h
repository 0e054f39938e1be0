#pragma once

#include "controls/zel_images.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QWidget>

// A modal information popup: an icon and a wrapped message side by side.
struct Ui_QuarnInfoPopupClass : UiRecord {
    QWidget *layoutWidget;
    QHBoxLayout *horizontalLayout;
    ZelIcon *icon;
    ZelTextBox *txtMessage;
};
