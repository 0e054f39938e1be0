#pragma once

#include "controls/zel_global.h"

#include <QWidget>

// The panel that holds the on-screen keyboard; the host lays the keys in.
class ZEL_EXPORT zelKBContainer : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit zelKBContainer(QWidget *parent = nullptr);
};
