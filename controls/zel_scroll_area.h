#pragma once

#include "controls/zel_global.h"

#include <QScrollArea>

class ZEL_EXPORT ZelScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelScrollArea(QWidget *parent = nullptr);
};
