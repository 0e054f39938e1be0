#pragma once

#include "controls/zel_abstract_spin_box.h"

#include <QString>

// Steps through whole numbers from the minimum to the maximum value.
class ZEL_EXPORT ZelVerticalSpinBox : public ZelAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit ZelVerticalSpinBox(QWidget *parent = nullptr);

    // Moving one end past the other moves both; the value stays inside.
    int minValue() const { return m_minValue; }
    void setMinValue(int minimum);
    int maxValue() const { return m_maxValue; }
    void setMaxValue(int maximum);
    int value() const { return m_value; }
    void setValue(int value);

    QString text() const override;

protected:
    void stepBy(int steps) override;

private:
    int m_minValue = 0;
    int m_maxValue = 99;
    int m_value = 0;
};
