#pragma once

#include "controls/zel_global.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>

// A picture scaled into the widget; its children sit on top of it.
class ZEL_EXPORT ZelIcon : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap image READ image WRITE setImage)

public:
    Q_INVOKABLE explicit ZelIcon(QWidget *parent = nullptr);

    QPixmap image() const { return m_image; }
    void setImage(const QPixmap &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_image;
};

// Shows one image of a list, chosen by the host through its index.
class ZEL_EXPORT ZelStatusIndicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList images READ images WRITE setImages)
    Q_PROPERTY(int status READ status WRITE setStatus)

public:
    Q_INVOKABLE explicit ZelStatusIndicator(QWidget *parent = nullptr);

    QStringList images() const { return m_images; }
    void setImages(const QStringList &paths);
    int status() const { return m_status; }
    void setStatus(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_images;
    int m_status = 0;
};

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

// The translucent band behind a row of captions.
class ZEL_EXPORT ZelBacking : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelBacking(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

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

// The moving map; the stand-in draws an empty chart.
class ZEL_EXPORT ZelMapControl : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ZelMapControl(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
