#include "controls/zel_check_box.h"

ZelCheckBox::ZelCheckBox(QWidget *parent)
    : ZelAbstractCheckButton(parent)
{
}
