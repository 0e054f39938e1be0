#pragma once

#include "controls/zel_global.h"

#include <QAbstractScrollArea>
#include <QProgressBar>
#include <QScrollArea>

// Kinetic list whose rows the host builds from the list-row forms.
class ZEL_EXPORT ZelList : public QAbstractScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelList(QWidget *parent = nullptr);
};

// Kinetic list that creates its rows only while they are visible.
class ZEL_EXPORT ZelVirtualList : public QAbstractScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelVirtualList(QWidget *parent = nullptr);
};

class ZEL_EXPORT ZelScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelScrollArea(QWidget *parent = nullptr);
};

class ZEL_EXPORT ZelProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelProgressBar(QWidget *parent = nullptr);
};
