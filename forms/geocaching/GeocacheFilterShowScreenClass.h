#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR GeocacheFilterShowScreenClass

   The page that chooses between all caches and favourites only.
*/
struct Ui_GeocacheFilterShowScreenClass : UiRecord {
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    ZelPushRadioButton *btnShowAll;
    ZelTextBox *Reserved;
    ZelPushRadioButton *btnShowFavorites;
    ZelTextBox *dateTimeLabel_4;
    ZelIcon *icon;
    ZelTextBox *labelName;
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
};
