#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR CurrTblItemClass

   One day of the current table: the date over rows of type, time and comment, in the host's field order.
*/
struct Ui_CurrTblItemClass : UiRecord {
    ZelIcon *icon;
    ZelTextBox *lblDate;
    ZelTextBox *txtType_1;
    ZelTextBox *txtTime_1;
    ZelTextBox *txtCom_1;
    ZelTextBox *txtType_2;
    ZelTextBox *txtTime_2;
    ZelTextBox *txtCom_2;
    ZelTextBox *txtType_3;
    ZelTextBox *txtTime_4;
    ZelTextBox *txtCom_4;
    ZelTextBox *txtTime_3;
    ZelTextBox *txtCom_3;
    ZelTextBox *txtType_4;
    ZelTextBox *txtType_5;
    ZelTextBox *txtTime_8;
    ZelTextBox *txtType_7;
    ZelTextBox *txtTime_6;
    ZelTextBox *txtCom_6;
    ZelTextBox *txtTime_5;
    ZelTextBox *txtTime_7;
    ZelTextBox *txtCom_7;
    ZelTextBox *txtCom_5;
    ZelTextBox *txtType_6;
    ZelTextBox *txtType_8;
    ZelTextBox *txtCom_8;
    ZelTextBox *txtType_9;
    ZelTextBox *txtTime_9;
    ZelTextBox *txtCom_9;
    ZelTextBox *txtType_10;
    ZelTextBox *txtTime_10;
    ZelTextBox *txtCom_10;
    ZelTextBox *txtType_11;
    ZelTextBox *txtTime_11;
    ZelTextBox *txtCom_11;
    ZelTextBox *txtType_12;
    ZelTextBox *txtTime_12;
    ZelTextBox *txtCom_12;
};
