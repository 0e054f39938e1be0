#pragma once

#include "controls/zel_abstract_check_button.h"

// One choice of a group, drawn as a button face with the mark of its state.
class ZEL_EXPORT ZelPushRadioButton : public ZelAbstractCheckButton
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelPushRadioButton(QWidget *parent = nullptr);
};
