#pragma once

#include "controls/zel_abstract_check_button.h"

// A check box drawn from images: a face and the mark of its state.
class ZEL_EXPORT ZelCheckBox : public ZelAbstractCheckButton
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelCheckBox(QWidget *parent = nullptr);
};
