#pragma once

#include <QWidget>

namespace quarn::layouttool {

// Stands in for the host's screen classes, which give a form's root
// properties their meaning: it paints what they would behind the form's
// widgets. Full screens get a dark backdrop, item roots their `image` or
// `normal` picture, popup and menu roots their frame (`imageTop`, `imageFill`
// repeated over `clientAreaHeight`, `imageBottom`) over `imageBkgndBrush`.
class PreviewRoot : public QWidget
{
public:
    explicit PreviewRoot(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap pixmapProperty(const char *name) const;
    void paintPopupFrame(QPainter &painter) const;
};

} // namespace quarn::layouttool
