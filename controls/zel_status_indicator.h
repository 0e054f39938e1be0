#pragma once

#include "controls/zel_global.h"

#include <QStringList>
#include <QWidget>

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
