#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QAbstractSlider>
#include <QPixmap>
#include <QRect>

// Volume and brightness: a bar filled up to the value between minus and plus
// buttons, inside a frame. The range is 0 to 100 unless the host sets another.
class ZEL_EXPORT ZelHorizontalSlider : public QAbstractSlider
{
    Q_OBJECT
    Q_PROPERTY(QPixmap frameImage READ frameImage WRITE setFrameImage)
    Q_PROPERTY(QPixmap filledBarImage READ filledBarImage WRITE setFilledBarImage)
    Q_PROPERTY(QPixmap emptyBarImage READ emptyBarImage WRITE setEmptyBarImage)
    Q_PROPERTY(QPixmap plusImage READ plusImage WRITE setPlusImage)
    Q_PROPERTY(QPixmap minusImage READ minusImage WRITE setMinusImage)

public:
    Q_INVOKABLE explicit ZelHorizontalSlider(QWidget *parent = nullptr);

    QPixmap frameImage() const { return m_frame.pixmap(); }
    void setFrameImage(const ZelPicture &image);
    QPixmap filledBarImage() const { return m_filledBar.pixmap(); }
    void setFilledBarImage(const ZelPicture &image);
    QPixmap emptyBarImage() const { return m_emptyBar.pixmap(); }
    void setEmptyBarImage(const ZelPicture &image);
    QPixmap plusImage() const { return m_plus.pixmap(); }
    void setPlusImage(const ZelPicture &image);
    QPixmap minusImage() const { return m_minus.pixmap(); }
    void setMinusImage(const ZelPicture &image);

    QRect minusRect() const;
    QRect plusRect() const;
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ZelPicture m_frame;
    ZelPicture m_filledBar;
    ZelPicture m_emptyBar;
    ZelPicture m_plus;
    ZelPicture m_minus;
};
