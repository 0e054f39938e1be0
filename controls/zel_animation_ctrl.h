#pragma once

#include "controls/zel_global.h"

#include <QStringList>
#include <QWidget>

// Cycles through a list of frames at a fixed interval while running.
class ZEL_EXPORT ZelAnimationCtrl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList imageList READ imageList WRITE setImageList)
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool isLooped READ isLooped WRITE setIsLooped)

public:
    Q_INVOKABLE explicit ZelAnimationCtrl(QWidget *parent = nullptr);

    QStringList imageList() const { return m_imageList; }
    void setImageList(const QStringList &paths);
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isLooped() const { return m_looped; }
    void setIsLooped(bool looped);

protected:
    // A still picture of the first frame: rendering shows where the animation sits.
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_imageList;
    int m_interval = 0;
    bool m_looped = false;
};
