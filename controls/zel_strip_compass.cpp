#include "controls/zel_strip_compass.h"

#include "controls/zel_painting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

zelStripCompass::zelStripCompass(QWidget *parent)
    : QWidget(parent)
{
}

void zelStripCompass::setGreenNeedle(const ZelPicture &image)
{
    m_greenNeedle = image;
    update();
}

void zelStripCompass::setYellowNeedle(const ZelPicture &image)
{
    m_yellowNeedle = image;
    update();
}

void zelStripCompass::setRedNeedle(const ZelPicture &image)
{
    m_redNeedle = image;
    update();
}

void zelStripCompass::setBlueNeedle(const ZelPicture &image)
{
    m_blueNeedle = image;
    update();
}

void zelStripCompass::setStripBkgd(const ZelPicture &image)
{
    m_stripBkgd = image;
    update();
}

void zelStripCompass::setRoadBkgd(const ZelPicture &image)
{
    m_roadBkgd = image;
    update();
}

void zelStripCompass::setLeftArrow(const ZelPicture &image)
{
    m_leftArrow = image;
    update();
}

void zelStripCompass::setRightArrow(const ZelPicture &image)
{
    m_rightArrow = image;
    update();
}

void zelStripCompass::setDestArrow(const ZelPicture &image)
{
    m_destArrow = image;
    update();
}

void zelStripCompass::setHeading(float degrees)
{
    m_heading = normalizeDegree(degrees);
    update();
}

void zelStripCompass::setRoadCompassMode(bool on)
{
    m_roadCompassMode = on;
    update();
}

float zelStripCompass::normalizeDegree(float degrees)
{
    if (!std::isfinite(degrees))
        return 0.0f;
    float normalized = std::fmod(degrees, 360.0f);
    if (normalized < 0.0f)
        normalized += 360.0f;
    // fmod of a tiny negative number plus 360 rounds up to 360 itself.
    return normalized >= 360.0f ? 0.0f : normalized;
}

int zelStripCompass::stripX(float degrees) const
{
    if (stripViewAngle <= 0.0f)
        return -1;
    float offset = normalizeDegree(degrees - m_heading);
    if (offset > 180.0f)
        offset -= 360.0f;
    if (std::abs(offset) > stripViewAngle / 2)
        return -1;
    const int width = zel::areaOf(*this).width();
    return qRound(width / 2.0 + offset / stripViewAngle * width);
}

void zelStripCompass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The settings as far as painting takes them: any int a host sets stays
    // clear of overflow in the sums below.
    const QSize area = zel::areaOf(*this);
    const int top = zel::bounded(stripTop);
    const int tick = zel::bounded(tickLength);
    if (m_roadCompassMode)
        zel::drawImage(painter, zel::localRect(*this), m_roadBkgd.pixmap());

    const QPixmap &stripBkgd = m_stripBkgd.pixmap();
    const int stripHeight = stripBkgd.isNull() ? 30 : stripBkgd.height();
    const QRect strip(0, top, area.width(), stripHeight);
    zel::drawImage(painter, strip, stripBkgd);

    // A tick every ten degrees.
    if (fullCircle > 0) {
        painter.setPen(QPen(zel::textColour(*this), tickWidth));
        for (qint64 step = 0; step < fullCircle; step += std::max(1, fullCircle / 36)) {
            const int x = stripX(step * 360.0f / fullCircle);
            if (x >= 0)
                painter.drawLine(x, strip.bottom() - tick, x, strip.bottom());
        }
    }
    if (headingLineWidth > 0) {
        painter.setPen(QPen(zel::textColour(*this), headingLineWidth));
        painter.drawLine(area.width() / 2, strip.top(), area.width() / 2, strip.bottom());
    }

    const int letterY = strip.center().y() + zel::bounded(letterOffset);
    const std::pair<float, const QPixmap *> letters[] = {
        {270.0f, &westLetterImage},
        {0.0f, &northLetterImage},
        {90.0f, &eastLetterImage},
        {180.0f, &southLetterImage},
    };
    for (const auto &letter : letters) {
        const int x = stripX(letter.first);
        if (x >= 0)
            zel::drawCentred(painter, QPoint(x, letterY), *letter.second);
    }

    if (m_roadCompassMode) {
        const int y = roadTop > 0 ? zel::bounded(roadTop) : area.height() * 2 / 3;
        zel::drawCentred(painter, QPoint(area.width() / 2, y), m_destArrow.pixmap());
    } else {
        const int destinationX = stripX(bearing);
        if (destinationX >= 0) {
            zel::drawCentred(painter, QPoint(destinationX, strip.bottom()), m_destArrow.pixmap());
        } else {
            // Out of view: point to the nearer side.
            const bool toLeft = normalizeDegree(bearing - m_heading) > 180.0f;
            const QPixmap &arrow = (toLeft ? m_leftArrow : m_rightArrow).pixmap();
            const int margin = zel::bounded(arrowMargin);
            const int x = toLeft ? margin + arrow.width() / 2 : area.width() - margin - arrow.width() / 2;
            zel::drawCentred(painter, QPoint(x, strip.center().y()), arrow);
        }
    }

    for (const ZelPicture *picture : {&m_greenNeedle, &m_yellowNeedle, &m_redNeedle, &m_blueNeedle}) {
        const QPixmap &needle = picture->pixmap();
        const int y = strip.bottom() + zel::bounded(needleOffset) + needle.height() / 2;
        zel::drawCentred(painter, QPoint(area.width() / 2, y), needle);
    }
}
