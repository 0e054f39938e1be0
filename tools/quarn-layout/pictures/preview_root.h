#pragma once

#include <QWidget>

namespace quarn::layouttool {

// A form's root. By default it is a plain widget, so a picture of it is what
// a host's grab of the form shows. With the device backdrop it stands in for
// the device's screen classes, which give a form's root properties their
// meaning, and paints what they would behind the form's widgets: full
// screens get a dark backdrop, item roots their `image` or `normal` picture,
// popup and menu roots their frame (`imageTop`, `imageFill` repeated over
// `clientAreaHeight`, `imageBottom`) over `imageBkgndBrush`.
class PreviewRoot : public QWidget
{
public:
    enum class Backdrop { Host, Device };

    explicit PreviewRoot(QWidget *parent = nullptr);

    void setBackdrop(Backdrop backdrop);
    Backdrop backdrop() const { return m_backdrop; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap pixmapProperty(const char *name) const;
    void paintPopupFrame(QPainter &painter) const;

    Backdrop m_backdrop = Backdrop::Host;
};

} // namespace quarn::layouttool
