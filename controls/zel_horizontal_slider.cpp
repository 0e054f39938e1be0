#include "controls/zel_horizontal_slider.h"

#include "controls/zel_painting.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ZelHorizontalSlider::ZelHorizontalSlider(QWidget *parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 100);
    setPageStep(10);
}

void ZelHorizontalSlider::setFrameImage(const ZelPicture &image)
{
    m_frame = image;
    update();
}

void ZelHorizontalSlider::setFilledBarImage(const ZelPicture &image)
{
    m_filledBar = image;
    update();
}

void ZelHorizontalSlider::setEmptyBarImage(const ZelPicture &image)
{
    m_emptyBar = image;
    update();
}

void ZelHorizontalSlider::setPlusImage(const ZelPicture &image)
{
    m_plus = image;
    update();
}

void ZelHorizontalSlider::setMinusImage(const ZelPicture &image)
{
    m_minus = image;
    update();
}

namespace {

// Where a side button sits: its image's size, or a square of the slider's height.
QSize buttonSize(const QPixmap &image, const QWidget &slider)
{
    return image.isNull() ? QSize(slider.height(), slider.height()) : image.size();
}

} // namespace

QRect ZelHorizontalSlider::minusRect() const
{
    const QSize size = buttonSize(m_minus.pixmap(), *this);
    return QRect(QPoint(0, (zel::areaOf(*this).height() - size.height()) / 2), size);
}

QRect ZelHorizontalSlider::plusRect() const
{
    const QSize size = buttonSize(m_plus.pixmap(), *this);
    return QRect(QPoint(zel::areaOf(*this).width() - size.width(), (zel::areaOf(*this).height() - size.height()) / 2),
                 size);
}

QRect ZelHorizontalSlider::barRect() const
{
    constexpr int gap = 4;
    const int left = minusRect().right() + 1 + gap;
    const int right = plusRect().left() - gap;
    const int barHeight = m_emptyBar.isNull() ? zel::areaOf(*this).height() / 3
                                              : std::min(m_emptyBar.size().height(), zel::areaOf(*this).height());
    return QRect(left, (zel::areaOf(*this).height() - barHeight) / 2, std::max(0, right - left), barHeight);
}

void ZelHorizontalSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, zel::localRect(*this), m_frame);
    zel::drawImage(painter, minusRect(), m_minus);
    zel::drawImage(painter, plusRect(), m_plus);

    const QRect bar = barRect();
    zel::drawImage(painter, bar, m_emptyBar);
    // A range from INT_MIN to INT_MAX has no int span.
    const qint64 span = qint64(maximum()) - minimum();
    const qreal share = span > 0 ? qreal(qint64(value()) - minimum()) / span : 1.0;
    painter.setClipRect(QRect(bar.topLeft(), QSize(qRound(bar.width() * share), bar.height())));
    zel::drawImage(painter, bar, m_filledBar);
}

void ZelHorizontalSlider::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->pos();
    const QRect bar = barRect();
    if (minusRect().contains(at)) {
        triggerAction(SliderPageStepSub);
    } else if (plusRect().contains(at)) {
        triggerAction(SliderPageStepAdd);
    } else if (bar.contains(at) && bar.width() > 0) {
        const qreal share = qreal(at.x() - bar.left()) / bar.width();
        setValue(minimum() + qRound(share * (maximum() - minimum())));
    } else {
        event->ignore();
    }
}
