#pragma once

#include "controls/zel_global.h"

#include <QWidget>

// A container the host fills at run time (data fields and the like).
class ZEL_EXPORT ZelWidget : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelWidget(QWidget *parent = nullptr);

protected:
    // A data-field container previews its fullest layout, as the host would fill it.
    void paintEvent(QPaintEvent *event) override;
};
