#pragma once

#include "controls/zel_global.h"

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

    QPixmap frameImage() const { return m_frame; }
    void setFrameImage(const QPixmap &image);
    QPixmap filledBarImage() const { return m_filledBar; }
    void setFilledBarImage(const QPixmap &image);
    QPixmap emptyBarImage() const { return m_emptyBar; }
    void setEmptyBarImage(const QPixmap &image);
    QPixmap plusImage() const { return m_plus; }
    void setPlusImage(const QPixmap &image);
    QPixmap minusImage() const { return m_minus; }
    void setMinusImage(const QPixmap &image);

    QRect minusRect() const;
    QRect plusRect() const;
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_frame;
    QPixmap m_filledBar;
    QPixmap m_emptyBar;
    QPixmap m_plus;
    QPixmap m_minus;
};
