#include "controls/zel_satellite_view.h"

#include "controls/zel_painting.h"

#include <QPainter>

#include <algorithm>

zelSatelliteView::zelSatelliteView(QWidget *parent)
    : QWidget(parent)
{
}

void zelSatelliteView::setWeakSat(const ZelPicture &image)
{
    m_weakSat = image;
    update();
}

void zelSatelliteView::setMedSat(const ZelPicture &image)
{
    m_medSat = image;
    update();
}

void zelSatelliteView::setStrongSat(const ZelPicture &image)
{
    m_strongSat = image;
    update();
}

void zelSatelliteView::setNoSat(const ZelPicture &image)
{
    m_noSat = image;
    update();
}

void zelSatelliteView::setSBASWeakSat(const ZelPicture &image)
{
    m_sbasWeakSat = image;
    update();
}

void zelSatelliteView::setSBASMedSat(const ZelPicture &image)
{
    m_sbasMedSat = image;
    update();
}

void zelSatelliteView::setSBASStrongSat(const ZelPicture &image)
{
    m_sbasStrongSat = image;
    update();
}

void zelSatelliteView::setSBASNoSat(const ZelPicture &image)
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
        return (satellite.sbas ? m_sbasWeakSat : m_weakSat).pixmap();
    case Signal::Medium:
        return (satellite.sbas ? m_sbasMedSat : m_medSat).pixmap();
    case Signal::Strong:
        return (satellite.sbas ? m_sbasStrongSat : m_strongSat).pixmap();
    case Signal::None:
        break;
    }
    return (satellite.sbas ? m_sbasNoSat : m_noSat).pixmap();
}

void zelSatelliteView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sky as seen from above: horizon, 45 degrees elevation, zenith in the middle.
    const QSize area = zel::areaOf(*this);
    const int side = std::max(0, std::min(area.width(), area.height()) - 20);
    QRect sky(0, 0, side, side);
    sky.moveCenter(QPoint(area.width() / 2, 10 + side / 2));
    painter.setPen(zel::textColour(*this));
    painter.drawEllipse(sky);
    painter.drawEllipse(zel::centredOn(sky.center(), sky.size() / 2));
    painter.drawLine(sky.center().x(), sky.top(), sky.center().x(), sky.bottom());
    painter.drawLine(sky.left(), sky.center().y(), sky.right(), sky.center().y());

    zel::TextStyle numberStyle;
    numberStyle.font = font();
    numberStyle.colour = zel::textColour(*this);
    numberStyle.alignment = Qt::AlignCenter;
    for (const Satellite &satellite : m_satellites) {
        const qreal distance = (90 - qBound(0, satellite.elevation, 90)) / 90.0 * side / 2;
        const QPoint at = zel::polar(sky.center(), satellite.azimuth, distance);
        const QPixmap image = imageFor(satellite);
        const QRect place = zel::centredOn(at, image.isNull() ? QSize(20, 20) : image.size());
        zel::drawImage(painter, place, image);
        zel::drawText(painter, place, QString::number(satellite.number), numberStyle);
    }
}
