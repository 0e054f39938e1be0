#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

// Common ground of the vertical spin boxes: a value between an up and a down
// arrow on a background. Pressing an arrow steps; a cyclic box wraps around at
// its ends unless it is blocking.
class ZEL_EXPORT ZelAbstractSpinBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap background READ background WRITE setBackground)
    Q_PROPERTY(QPixmap upArrowNormal READ upArrowNormal WRITE setUpArrowNormal)
    Q_PROPERTY(QPixmap upArrowPressed READ upArrowPressed WRITE setUpArrowPressed)
    Q_PROPERTY(QPixmap downArrowNormal READ downArrowNormal WRITE setDownArrowNormal)
    Q_PROPERTY(QPixmap downArrowPressed READ downArrowPressed WRITE setDownArrowPressed)
    Q_PROPERTY(bool cyclic READ isCyclic WRITE setCyclic)
    Q_PROPERTY(bool blocking READ isBlocking WRITE setBlocking)
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize)

public:
    explicit ZelAbstractSpinBox(QWidget *parent = nullptr);

    QPixmap background() const { return m_background.pixmap(); }
    void setBackground(const ZelPicture &image);
    QPixmap upArrowNormal() const { return m_upArrowNormal.pixmap(); }
    void setUpArrowNormal(const ZelPicture &image);
    QPixmap upArrowPressed() const { return m_upArrowPressed.pixmap(); }
    void setUpArrowPressed(const ZelPicture &image);
    QPixmap downArrowNormal() const { return m_downArrowNormal.pixmap(); }
    void setDownArrowNormal(const ZelPicture &image);
    QPixmap downArrowPressed() const { return m_downArrowPressed.pixmap(); }
    void setDownArrowPressed(const ZelPicture &image);

    bool isCyclic() const { return m_cyclic; }
    void setCyclic(bool cyclic);
    bool isBlocking() const { return m_blocking; }
    void setBlocking(bool blocking);
    // Point size of the value's font; 0 keeps the widget font's size.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int pointSize);

    // What the box shows for its current value.
    virtual QString text() const = 0;
    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }

    QRect upArrowRect() const;
    QRect downArrowRect() const;

protected:
    virtual void stepBy(int steps) = 0;
    // The position steps away from current within first..last, wrapping or stopping at the ends.
    int steppedPosition(int current, int steps, int first, int last) const;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Arrow { None, Up, Down };

    ZelPicture m_background;
    ZelPicture m_upArrowNormal;
    ZelPicture m_upArrowPressed;
    ZelPicture m_downArrowNormal;
    ZelPicture m_downArrowPressed;
    bool m_cyclic = false;
    bool m_blocking = false;
    int m_fontSize = 0;
    Arrow m_pressedArrow = Arrow::None;
};
