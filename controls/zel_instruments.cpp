#include "controls/zel_instruments.h"

#include "controls/zel_painting.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

QRect centredOn(const QPoint &centre, const QSize &size)
{
    QRect rect(QPoint(), size);
    rect.moveCenter(centre);
    return rect;
}

// The point at a compass direction (degrees clockwise from north) and distance.
QPoint polar(const QPoint &centre, qreal degrees, qreal distance)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(distance * qSin(radians), -distance * qCos(radians)).toPoint();
}

void drawCentred(QPainter &painter, const QPoint &centre, const QPixmap &image)
{
    zel::drawImage(painter, centredOn(centre, image.size()), image);
}

// White on a dark badge, black on a light one.
QColor contrastingColour(const QPixmap &badge)
{
    const QImage average = badge.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return average.pixelColor(0, 0).lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

ZelNorthUpWidget::ZelNorthUpWidget(QWidget *parent)
    : QWidget(parent)
{
}

void ZelNorthUpWidget::setNorth(const QPixmap &image)
{
    m_north = image;
    update();
}

void ZelNorthUpWidget::setArrow(const QPixmap &image)
{
    m_arrow = image;
    update();
}

void ZelNorthUpWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), m_north);
    zel::drawImage(painter, rect(), m_arrow);
}

zelCompass::zelCompass(QWidget *parent)
    : QWidget(parent)
{
}

void zelCompass::setCompassRing(const QPixmap &image)
{
    m_compassRing = image;
    update();
}

void zelCompass::setGreenNeedle(const QPixmap &image)
{
    m_greenNeedle = image;
    update();
}

void zelCompass::setYellowNeedle(const QPixmap &image)
{
    m_yellowNeedle = image;
    update();
}

void zelCompass::setRedNeedle(const QPixmap &image)
{
    m_redNeedle = image;
    update();
}

void zelCompass::setBlueNeedle(const QPixmap &image)
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
    zel::drawImage(painter, rect(), m_compassRing);

    const QPoint centre = dialCentre.isNull() ? rect().center() : dialCentre;
    const int radius = dialRadius > 0 ? dialRadius : std::min(width(), height()) * 3 / 8;
    const int turn = northUp ? 0 : -heading;

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
        const QPoint at = polar(centre, cardinal.degrees + turn, radius);
        const QSize size = cardinal.badge.isNull() ? QSize(20, 20) : cardinal.badge.size();
        const QRect place = centredOn(at, size);
        const bool badgeShown = m_drawCardinal && !cardinal.badge.isNull();
        if (badgeShown)
            zel::drawImage(painter, place, cardinal.badge);
        if (m_drawLabels && !cardinal.letter.isEmpty()) {
            zel::TextStyle style = letterStyle;
            if (badgeShown)
                style.colour = contrastingColour(cardinal.badge);
            zel::drawText(painter, place, cardinal.letter, style);
        }
    }

    drawCentred(painter, polar(centre, bearing + turn, radius), targetIcon);
    for (const QPixmap *needle : {&m_greenNeedle, &m_yellowNeedle, &m_redNeedle, &m_blueNeedle})
        drawCentred(painter, centre, *needle);
}

zelStripCompass::zelStripCompass(QWidget *parent)
    : QWidget(parent)
{
}

void zelStripCompass::setGreenNeedle(const QPixmap &image)
{
    m_greenNeedle = image;
    update();
}

void zelStripCompass::setYellowNeedle(const QPixmap &image)
{
    m_yellowNeedle = image;
    update();
}

void zelStripCompass::setRedNeedle(const QPixmap &image)
{
    m_redNeedle = image;
    update();
}

void zelStripCompass::setBlueNeedle(const QPixmap &image)
{
    m_blueNeedle = image;
    update();
}

void zelStripCompass::setStripBkgd(const QPixmap &image)
{
    m_stripBkgd = image;
    update();
}

void zelStripCompass::setRoadBkgd(const QPixmap &image)
{
    m_roadBkgd = image;
    update();
}

void zelStripCompass::setLeftArrow(const QPixmap &image)
{
    m_leftArrow = image;
    update();
}

void zelStripCompass::setRightArrow(const QPixmap &image)
{
    m_rightArrow = image;
    update();
}

void zelStripCompass::setDestArrow(const QPixmap &image)
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
    return qRound(width() / 2.0 + offset / stripViewAngle * width());
}

void zelStripCompass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_roadCompassMode)
        zel::drawImage(painter, rect(), m_roadBkgd);

    const int stripHeight = m_stripBkgd.isNull() ? 30 : m_stripBkgd.height();
    const QRect strip(0, stripTop, width(), stripHeight);
    zel::drawImage(painter, strip, m_stripBkgd);

    // A tick every ten degrees.
    if (fullCircle > 0) {
        painter.setPen(QPen(zel::textColour(*this), tickWidth));
        for (int step = 0; step < fullCircle; step += std::max(1, fullCircle / 36)) {
            const int x = stripX(step * 360.0f / fullCircle);
            if (x >= 0)
                painter.drawLine(x, strip.bottom() - tickLength, x, strip.bottom());
        }
    }
    if (headingLineWidth > 0) {
        painter.setPen(QPen(zel::textColour(*this), headingLineWidth));
        painter.drawLine(width() / 2, strip.top(), width() / 2, strip.bottom());
    }

    const int letterY = strip.center().y() + letterOffset;
    const std::pair<float, const QPixmap *> letters[] = {
        {270.0f, &westLetterImage},
        {0.0f, &northLetterImage},
        {90.0f, &eastLetterImage},
        {180.0f, &southLetterImage},
    };
    for (const auto &letter : letters) {
        const int x = stripX(letter.first);
        if (x >= 0)
            drawCentred(painter, QPoint(x, letterY), *letter.second);
    }

    if (m_roadCompassMode) {
        const int y = roadTop > 0 ? roadTop : height() * 2 / 3;
        drawCentred(painter, QPoint(width() / 2, y), m_destArrow);
    } else {
        const int destinationX = stripX(bearing);
        if (destinationX >= 0) {
            drawCentred(painter, QPoint(destinationX, strip.bottom()), m_destArrow);
        } else {
            // Out of view: point to the nearer side.
            const bool toLeft = normalizeDegree(bearing - m_heading) > 180.0f;
            const QPixmap &arrow = toLeft ? m_leftArrow : m_rightArrow;
            const int x = toLeft ? arrowMargin + arrow.width() / 2 : width() - arrowMargin - arrow.width() / 2;
            drawCentred(painter, QPoint(x, strip.center().y()), arrow);
        }
    }

    for (const QPixmap *needle : {&m_greenNeedle, &m_yellowNeedle, &m_redNeedle, &m_blueNeedle}) {
        const int y = strip.bottom() + needleOffset + needle->height() / 2;
        drawCentred(painter, QPoint(width() / 2, y), *needle);
    }
}

zelSatelliteView::zelSatelliteView(QWidget *parent)
    : QWidget(parent)
{
}

void zelSatelliteView::setWeakSat(const QPixmap &image)
{
    m_weakSat = image;
    update();
}

void zelSatelliteView::setMedSat(const QPixmap &image)
{
    m_medSat = image;
    update();
}

void zelSatelliteView::setStrongSat(const QPixmap &image)
{
    m_strongSat = image;
    update();
}

void zelSatelliteView::setNoSat(const QPixmap &image)
{
    m_noSat = image;
    update();
}

void zelSatelliteView::setSBASWeakSat(const QPixmap &image)
{
    m_sbasWeakSat = image;
    update();
}

void zelSatelliteView::setSBASMedSat(const QPixmap &image)
{
    m_sbasMedSat = image;
    update();
}

void zelSatelliteView::setSBASStrongSat(const QPixmap &image)
{
    m_sbasStrongSat = image;
    update();
}

void zelSatelliteView::setSBASNoSat(const QPixmap &image)
{
    m_sbasNoSat = image;
    update();
}

void zelSatelliteView::setSatellites(const QVector<Satellite> &satellites)
{
    m_satellites = satellites;
    update();
}

QPixmap zelSatelliteView::imageFor(const Satellite &satellite) const
{
    switch (satellite.signal) {
    case Signal::Weak:
        return satellite.sbas ? m_sbasWeakSat : m_weakSat;
    case Signal::Medium:
        return satellite.sbas ? m_sbasMedSat : m_medSat;
    case Signal::Strong:
        return satellite.sbas ? m_sbasStrongSat : m_strongSat;
    case Signal::None:
        break;
    }
    return satellite.sbas ? m_sbasNoSat : m_noSat;
}

void zelSatelliteView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sky as seen from above: horizon, 45 degrees elevation, zenith in the middle.
    const int side = std::max(0, std::min(width(), height()) - 20);
    QRect sky(0, 0, side, side);
    sky.moveCenter(QPoint(width() / 2, 10 + side / 2));
    painter.setPen(zel::textColour(*this));
    painter.drawEllipse(sky);
    painter.drawEllipse(centredOn(sky.center(), sky.size() / 2));
    painter.drawLine(sky.center().x(), sky.top(), sky.center().x(), sky.bottom());
    painter.drawLine(sky.left(), sky.center().y(), sky.right(), sky.center().y());

    zel::TextStyle numberStyle;
    numberStyle.font = font();
    numberStyle.colour = zel::textColour(*this);
    numberStyle.alignment = Qt::AlignCenter;
    for (const Satellite &satellite : m_satellites) {
        const qreal distance = (90 - qBound(0, satellite.elevation, 90)) / 90.0 * side / 2;
        const QPoint at = polar(sky.center(), satellite.azimuth, distance);
        const QPixmap image = imageFor(satellite);
        const QRect place = centredOn(at, image.isNull() ? QSize(20, 20) : image.size());
        zel::drawImage(painter, place, image);
        zel::drawText(painter, place, QString::number(satellite.number), numberStyle);
    }
}

zelSimpleGraphView::zelSimpleGraphView(QWidget *parent)
    : QWidget(parent)
{
}

void zelSimpleGraphView::setDrawingArea(const QRect &area)
{
    m_drawingArea = area;
    update();
}

void zelSimpleGraphView::setDrawCursorFlags(int flags)
{
    m_drawCursorFlags = flags;
    update();
}

void zelSimpleGraphView::setSamples(const QVector<QPointF> &samples)
{
    m_samples = samples;
    update();
}

QRect zelSimpleGraphView::plotRect() const
{
    return m_drawingArea.isEmpty() ? rect() : m_drawingArea;
}

void zelSimpleGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Only a backdrop the form asked for; otherwise the screen shows through.
    if (palette().resolve() & (1u << QPalette::Base))
        painter.fillRect(rect(), palette().brush(QPalette::Base));

    const QRect plot = plotRect();
    if (drawGrid) {
        QColor gridColour = zel::textColour(*this);
        gridColour.setAlpha(80);
        painter.setPen(gridColour);
        painter.drawRect(plot.adjusted(0, 0, -1, -1));
        for (int row = 1; row < 4; ++row) {
            const int y = plot.top() + plot.height() * row / 4;
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
    }

    if (m_samples.size() >= 2) {
        qreal minX = m_samples.first().x(), maxX = minX, minY = m_samples.first().y(), maxY = minY;
        for (const QPointF &sample : m_samples) {
            minX = std::min(minX, sample.x());
            maxX = std::max(maxX, sample.x());
            minY = std::min(minY, sample.y());
            maxY = std::max(maxY, sample.y());
        }
        const qreal spanX = maxX > minX ? maxX - minX : 1.0;
        const qreal spanY = maxY > minY ? maxY - minY : 1.0;
        QPolygonF curve;
        for (const QPointF &sample : m_samples)
            curve << QPointF(plot.left() + (sample.x() - minX) / spanX * plot.width(),
                             plot.bottom() - (sample.y() - minY) / spanY * plot.height());
        painter.setRenderHint(QPainter::Antialiasing);
        if (curveBrush.style() != Qt::NoBrush) {
            QPolygonF area = curve;
            area << QPointF(curve.last().x(), plot.bottom()) << QPointF(curve.first().x(), plot.bottom());
            painter.setPen(Qt::NoPen);
            painter.setBrush(curveBrush);
            painter.drawPolygon(area);
        }
        painter.setPen(QPen(curveColor, curveWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curve);
    }

    const QPoint cursorAt = plot.center();
    if (m_drawCursorFlags & CursorLine) {
        painter.setPen(QPen(cursorLineColor, cursorLineWidth));
        painter.drawLine(cursorAt.x(), plot.top(), cursorAt.x(), plot.bottom());
    }
    if (m_drawCursorFlags & CursorImage)
        drawCentred(painter, cursorAt, cursorImage);
}
