#pragma once

#include "controls/zel_abstract_spin_box.h"

#include <QString>
#include <QStringList>

// Steps through a list of texts the host gives (hours, minutes, AM/PM).
class ZEL_EXPORT ZelStringVerticalSpinBox : public ZelAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList strings READ strings WRITE setStrings)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    Q_INVOKABLE explicit ZelStringVerticalSpinBox(QWidget *parent = nullptr);

    QStringList strings() const { return m_strings; }
    void setStrings(const QStringList &strings);
    // Kept inside the list once there is one.
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);

    QString text() const override;

protected:
    void stepBy(int steps) override;

private:
    QStringList m_strings;
    int m_currentIndex = 0;
};
