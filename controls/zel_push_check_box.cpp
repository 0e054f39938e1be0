#include "controls/zel_push_check_box.h"

ZelPushCheckBox::ZelPushCheckBox(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}

void ZelPushCheckBox::setCheckBoxFlag(bool on)
{
    m_checkBoxFlag = on;
}
