#include "controls/zel_push_radio_button.h"

ZelPushRadioButton::ZelPushRadioButton(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}
