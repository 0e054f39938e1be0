#pragma once

#include "controls/zel_push_button.h"

#include <QPixmap>
#include <QPoint>

// Common ground of the check buttons: a face plus a check mark drawn at a position.
class ZEL_EXPORT ZelAbstractCheckButton : public ZelPushButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap checkedImg READ checkedImg WRITE setCheckedImg)
    Q_PROPERTY(QPixmap uncheckedImg READ uncheckedImg WRITE setUncheckedImg)
    Q_PROPERTY(QPoint markPosition READ markPosition WRITE setMarkPosition)

public:
    explicit ZelAbstractCheckButton(QWidget *parent = nullptr);

    QPixmap checkedImg() const { return m_checkedImg.pixmap(); }
    void setCheckedImg(const ZelPicture &image);
    QPixmap uncheckedImg() const { return m_uncheckedImg.pixmap(); }
    void setUncheckedImg(const ZelPicture &image);
    QPoint markPosition() const { return m_markPosition; }
    void setMarkPosition(const QPoint &position);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ZelPicture m_checkedImg;
    ZelPicture m_uncheckedImg;
    QPoint m_markPosition;
};
