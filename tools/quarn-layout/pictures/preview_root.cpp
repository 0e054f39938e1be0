#include "pictures/preview_root.h"

#include <QPainter>
#include <QVariant>

namespace quarn::layouttool {

namespace {

bool isScreenSized(const QSize &size)
{
    return size.height() >= 300;
}

QBrush brushFrom(const QVariant &value)
{
    if (value.canConvert<QBrush>() && value.userType() != QMetaType::QPixmap)
        return value.value<QBrush>();
    if (value.userType() == QMetaType::QPixmap)
        return QBrush(value.value<QPixmap>());
    return QBrush();
}

} // namespace

PreviewRoot::PreviewRoot(QWidget *parent)
    : QWidget(parent)
{
}

QPixmap PreviewRoot::pixmapProperty(const char *name) const
{
    const QVariant value = property(name);
    return value.userType() == QMetaType::QPixmap ? value.value<QPixmap>() : QPixmap();
}

void PreviewRoot::setBackdrop(Backdrop backdrop)
{
    m_backdrop = backdrop;
    update();
}

void PreviewRoot::paintEvent(QPaintEvent *)
{
    if (m_backdrop == Backdrop::Host)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), isScreenSized(size()) ? QColor(22, 26, 31) : QColor(52, 57, 64));
    QPixmap face = pixmapProperty("image");
    if (face.isNull())
        face = pixmapProperty("normal");
    if (!face.isNull())
        painter.drawPixmap(rect(), face);
    paintPopupFrame(painter);
}

// The frame is centred vertically: where the host places it is its own affair.
void PreviewRoot::paintPopupFrame(QPainter &painter) const
{
    const QPixmap top = pixmapProperty("imageTop");
    const QPixmap fill = pixmapProperty("imageFill");
    const QPixmap bottom = pixmapProperty("imageBottom");
    if (top.isNull() && fill.isNull() && bottom.isNull())
        return;

    const QBrush shadow = brushFrom(property("imageBkgndBrush"));
    if (shadow.style() != Qt::NoBrush)
        painter.fillRect(rect(), shadow);

    const int clientHeight = qMax(0, property("clientAreaHeight").toInt());
    const int frameHeight = top.height() + clientHeight + bottom.height();
    int y = (height() - frameHeight) / 2;
    if (!top.isNull())
        painter.drawPixmap(QRect(0, y, width(), top.height()), top);
    y += top.height();
    if (!fill.isNull() && clientHeight > 0)
        painter.drawTiledPixmap(QRect(0, y, width(), clientHeight), fill.scaled(width(), fill.height()));
    y += clientHeight;
    if (!bottom.isNull())
        painter.drawPixmap(QRect(0, y, width(), bottom.height()), bottom);
}

} // namespace quarn::layouttool
