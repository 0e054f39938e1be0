#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QPixmap>
#include <QWidget>

// A picture scaled into the widget; its children sit on top of it.
class ZEL_EXPORT ZelIcon : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap image READ image WRITE setImage)

public:
    Q_INVOKABLE explicit ZelIcon(QWidget *parent = nullptr);

    QPixmap image() const { return m_image.pixmap(); }
    void setImage(const ZelPicture &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ZelPicture m_image;
};
