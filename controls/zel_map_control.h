#pragma once

#include "controls/zel_global.h"

#include <QWidget>

// The moving map; the stand-in draws an empty chart.
class ZEL_EXPORT ZelMapControl : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelMapControl(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
