#pragma once

#include "controls/zel_global.h"

#include <QProgressBar>

class ZEL_EXPORT ZelProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelProgressBar(QWidget *parent = nullptr);
};
