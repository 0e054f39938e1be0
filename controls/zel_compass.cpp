#include "controls/zel_compass.h"

#include "controls/zel_painting.h"

#include <QPainter>

#include <algorithm>

zelCompass::zelCompass(QWidget *parent)
    : QWidget(parent)
{
}

void zelCompass::setCompassRing(const ZelPicture &image)
{
    m_compassRing = image;
    update();
}

void zelCompass::setGreenNeedle(const ZelPicture &image)
{
    m_greenNeedle = image;
    update();
}

void zelCompass::setYellowNeedle(const ZelPicture &image)
{
    m_yellowNeedle = image;
    update();
}

void zelCompass::setRedNeedle(const ZelPicture &image)
{
    m_redNeedle = image;
    update();
}

void zelCompass::setBlueNeedle(const ZelPicture &image)
{
    m_blueNeedle = image;
    update();
}

void zelCompass::setDrawLabels(bool on)
{
    m_drawLabels = on;
    update();
}

void zelCompass::setDrawCardinal(bool on)
{
    m_drawCardinal = on;
    update();
}

void zelCompass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = zel::localRect(*this);
    zel::drawImage(painter, area, m_compassRing.pixmap());

    const QPoint centre = zel::clamped(dialCentre.isNull() ? area.center() : dialCentre);
    const qreal radius = dialRadius > 0 ? dialRadius : std::min(area.width(), area.height()) * 3 / 8;
    // In floating point: a heading of INT_MIN has no int negation.
    const qreal turn = northUp ? 0 : -qreal(heading);

    struct Cardinal {
        int degrees;
        const QPixmap &badge;
        const QString &letter;
    };
    const Cardinal cardinals[] = {
        {0, northBadge, northLetter},
        {270, westBadge, westLetter},
        {180, southBadge, southLetter},
        {90, eastBadge, eastLetter},
    };
    zel::TextStyle letterStyle;
    letterStyle.font = font();
    letterStyle.colour = zel::textColour(*this);
    letterStyle.alignment = Qt::AlignCenter;
    for (const Cardinal &cardinal : cardinals) {
        const QPoint at = zel::polar(centre, cardinal.degrees + turn, radius);
        const QSize size = cardinal.badge.isNull() ? QSize(20, 20) : cardinal.badge.size();
        const QRect place = zel::centredOn(at, size);
        const bool badgeShown = m_drawCardinal && !cardinal.badge.isNull();
        if (badgeShown)
            zel::drawImage(painter, place, cardinal.badge);
        if (m_drawLabels && !cardinal.letter.isEmpty()) {
            zel::TextStyle style = letterStyle;
            if (badgeShown)
                style.colour = zel::contrastingColour(cardinal.badge);
            zel::drawText(painter, place, cardinal.letter, style);
        }
    }

    zel::drawCentred(painter, zel::polar(centre, qreal(bearing) + turn, radius), targetIcon);
    for (const ZelPicture *needle : {&m_greenNeedle, &m_yellowNeedle, &m_redNeedle, &m_blueNeedle})
        zel::drawCentred(painter, centre, needle->pixmap());
}
