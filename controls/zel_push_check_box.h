#pragma once

#include "controls/zel_abstract_check_button.h"

// A check button on a button face; the check-box flag makes it behave as a box.
class ZEL_EXPORT ZelPushCheckBox : public ZelAbstractCheckButton
{
    Q_OBJECT
    Q_PROPERTY(bool checkBoxFlag READ checkBoxFlag WRITE setCheckBoxFlag)

public:
    Q_INVOKABLE explicit ZelPushCheckBox(QWidget *parent = nullptr);

    bool checkBoxFlag() const { return m_checkBoxFlag; }
    void setCheckBoxFlag(bool on);

private:
    bool m_checkBoxFlag = false;
};
