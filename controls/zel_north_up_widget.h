#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

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

    QPixmap north() const { return m_north.pixmap(); }
    void setNorth(const ZelPicture &image);
    QPixmap arrow() const { return m_arrow.pixmap(); }
    void setArrow(const ZelPicture &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ZelPicture m_north;
    ZelPicture m_arrow;
};
