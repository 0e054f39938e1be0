#include "controls/zel_vertical_spin_box.h"

#include <algorithm>

ZelVerticalSpinBox::ZelVerticalSpinBox(QWidget *parent)
    : ZelAbstractSpinBox(parent)
{
}

void ZelVerticalSpinBox::setMinValue(int minimum)
{
    m_minValue = minimum;
    m_maxValue = std::max(m_maxValue, minimum);
    setValue(m_value);
}

void ZelVerticalSpinBox::setMaxValue(int maximum)
{
    m_maxValue = maximum;
    m_minValue = std::min(m_minValue, maximum);
    setValue(m_value);
}

void ZelVerticalSpinBox::setValue(int value)
{
    m_value = qBound(m_minValue, value, m_maxValue);
    update();
}

QString ZelVerticalSpinBox::text() const
{
    return QString::number(m_value);
}

void ZelVerticalSpinBox::stepBy(int steps)
{
    setValue(steppedPosition(m_value, steps, m_minValue, m_maxValue));
}
