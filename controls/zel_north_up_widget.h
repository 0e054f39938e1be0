#pragma once

#include "controls/zel_global.h"

#include <QPixmap>
#include <QWidget>

// The map's north indicator: a north badge with the arrow over it.
class ZEL_EXPORT ZelNorthUpWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap north READ north WRITE setNorth)
    Q_PROPERTY(QPixmap arrow READ arrow WRITE setArrow)

public:
    Q_INVOKABLE explicit ZelNorthUpWidget(QWidget *parent = nullptr);

    QPixmap north() const { return m_north; }
    void setNorth(const QPixmap &image);
    QPixmap arrow() const { return m_arrow; }
    void setArrow(const QPixmap &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_north;
    QPixmap m_arrow;
};
