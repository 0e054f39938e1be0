#pragma once

#include "controls/zel_global.h"

#include <QWidget>

// The translucent band behind a row of captions.
class ZEL_EXPORT ZelBacking : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelBacking(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
