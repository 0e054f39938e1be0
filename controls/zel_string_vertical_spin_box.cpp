#include "controls/zel_string_vertical_spin_box.h"

ZelStringVerticalSpinBox::ZelStringVerticalSpinBox(QWidget *parent)
    : ZelAbstractSpinBox(parent)
{
}

void ZelStringVerticalSpinBox::setStrings(const QStringList &strings)
{
    m_strings = strings;
    setCurrentIndex(m_currentIndex);
}

void ZelStringVerticalSpinBox::setCurrentIndex(int index)
{
    m_currentIndex = m_strings.isEmpty() ? index : qBound(0, index, m_strings.size() - 1);
    update();
}

QString ZelStringVerticalSpinBox::text() const
{
    return m_strings.value(m_currentIndex);
}

void ZelStringVerticalSpinBox::stepBy(int steps)
{
    if (!m_strings.isEmpty())
        setCurrentIndex(steppedPosition(m_currentIndex, steps, 0, m_strings.size() - 1));
}
