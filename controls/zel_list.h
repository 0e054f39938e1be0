#pragma once

#include "controls/zel_global.h"

#include <QAbstractScrollArea>

// Kinetic list whose rows the host builds from the list-row forms.
class ZEL_EXPORT ZelList : public QAbstractScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelList(QWidget *parent = nullptr);
};
