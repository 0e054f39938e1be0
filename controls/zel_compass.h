#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

// The compass dial of the map and the dashboard. Most of its look lives in
// public members that the forms assign directly, in this member order, and then
// call update(); the needles and the ring have setters.
class ZEL_EXPORT zelCompass : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName",
                "bDrawLabels,bDrawCardinal,targetIcon,sunIcon,moonIcon,northBadge,westBadge,southBadge,eastBadge,"
                "heading,bearing,northUp,dialRadius,dialCentre,northLetter,westLetter,southLetter,eastLetter")
    Q_PROPERTY(QPixmap compassRing READ compassRing WRITE setCompassRing)
    Q_PROPERTY(QPixmap greenNeedle READ greenNeedle WRITE setGreenNeedle)
    Q_PROPERTY(QPixmap yellowNeedle READ yellowNeedle WRITE setYellowNeedle)
    Q_PROPERTY(QPixmap redNeedle READ redNeedle WRITE setRedNeedle)
    Q_PROPERTY(QPixmap blueNeedle READ blueNeedle WRITE setBlueNeedle)
    Q_PROPERTY(bool bDrawLabels READ drawLabels WRITE setDrawLabels)
    Q_PROPERTY(bool bDrawCardinal READ drawCardinal WRITE setDrawCardinal)
    Q_PROPERTY(QPixmap targetIcon READ readTargetIcon WRITE writeTargetIcon)
    Q_PROPERTY(QPixmap sunIcon READ readSunIcon WRITE writeSunIcon)
    Q_PROPERTY(QPixmap moonIcon READ readMoonIcon WRITE writeMoonIcon)
    Q_PROPERTY(QPixmap northBadge READ readNorthBadge WRITE writeNorthBadge)
    Q_PROPERTY(QPixmap westBadge READ readWestBadge WRITE writeWestBadge)
    Q_PROPERTY(QPixmap southBadge READ readSouthBadge WRITE writeSouthBadge)
    Q_PROPERTY(QPixmap eastBadge READ readEastBadge WRITE writeEastBadge)
    Q_PROPERTY(int heading MEMBER heading)
    Q_PROPERTY(int bearing MEMBER bearing)
    Q_PROPERTY(bool northUp MEMBER northUp)
    Q_PROPERTY(int dialRadius MEMBER dialRadius)
    Q_PROPERTY(QPoint dialCentre MEMBER dialCentre)
    Q_PROPERTY(QString northLetter MEMBER northLetter)
    Q_PROPERTY(QString westLetter MEMBER westLetter)
    Q_PROPERTY(QString southLetter MEMBER southLetter)
    Q_PROPERTY(QString eastLetter MEMBER eastLetter)

public:
    Q_INVOKABLE explicit zelCompass(QWidget *parent = nullptr);

    QPixmap compassRing() const { return m_compassRing.pixmap(); }
    void setCompassRing(const ZelPicture &image);
    QPixmap greenNeedle() const { return m_greenNeedle.pixmap(); }
    void setGreenNeedle(const ZelPicture &image);
    QPixmap yellowNeedle() const { return m_yellowNeedle.pixmap(); }
    void setYellowNeedle(const ZelPicture &image);
    QPixmap redNeedle() const { return m_redNeedle.pixmap(); }
    void setRedNeedle(const ZelPicture &image);
    QPixmap blueNeedle() const { return m_blueNeedle.pixmap(); }
    void setBlueNeedle(const ZelPicture &image);

    // Cardinal letters over the badges, and the badges themselves.
    bool drawLabels() const { return m_drawLabels; }
    void setDrawLabels(bool on);
    bool drawCardinal() const { return m_drawCardinal; }
    void setDrawCardinal(bool on);

    QPixmap targetIcon;
    QPixmap sunIcon;
    QPixmap moonIcon;
    QPixmap northBadge;
    QPixmap westBadge;
    QPixmap southBadge;
    QPixmap eastBadge;
    // Degrees clockwise from north: where the unit heads and where the target lies.
    int heading = 0;
    int bearing = 0;
    // A north-up dial stays still; otherwise it turns against the heading.
    bool northUp = true;
    // Where the badges and the target sit; 0 and a null point take the widget's middle.
    int dialRadius = 0;
    QPoint dialCentre;
    QString northLetter;
    QString westLetter;
    QString southLetter;
    QString eastLetter;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The pictures' by-name properties: through MEMBER, moc would compare two
    // pictures by way of an implicit QCursor and build cursors on every write.
    QPixmap readTargetIcon() const { return targetIcon; }
    void writeTargetIcon(const QPixmap &image) { targetIcon = image; }
    QPixmap readSunIcon() const { return sunIcon; }
    void writeSunIcon(const QPixmap &image) { sunIcon = image; }
    QPixmap readMoonIcon() const { return moonIcon; }
    void writeMoonIcon(const QPixmap &image) { moonIcon = image; }
    QPixmap readNorthBadge() const { return northBadge; }
    void writeNorthBadge(const QPixmap &image) { northBadge = image; }
    QPixmap readWestBadge() const { return westBadge; }
    void writeWestBadge(const QPixmap &image) { westBadge = image; }
    QPixmap readSouthBadge() const { return southBadge; }
    void writeSouthBadge(const QPixmap &image) { southBadge = image; }
    QPixmap readEastBadge() const { return eastBadge; }
    void writeEastBadge(const QPixmap &image) { eastBadge = image; }

    ZelPicture m_compassRing;
    ZelPicture m_greenNeedle;
    ZelPicture m_yellowNeedle;
    ZelPicture m_redNeedle;
    ZelPicture m_blueNeedle;
    bool m_drawLabels = true;
    bool m_drawCardinal = true;
};
