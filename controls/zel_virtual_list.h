#pragma once

#include "controls/zel_global.h"

#include <QAbstractScrollArea>

// Kinetic list that creates its rows only while they are visible.
class ZEL_EXPORT ZelVirtualList : public QAbstractScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelVirtualList(QWidget *parent = nullptr);
};
