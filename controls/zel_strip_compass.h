#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QPixmap>
#include <QWidget>

// A horizontal band of directions scrolling with the heading; in road mode a
// road picture under it carries the destination arrow.
class ZEL_EXPORT zelStripCompass : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName",
                "isRoadCompassMode,objectImage,waypointImage,moonImage,sunImage,westLetterImage,northLetterImage,"
                "eastLetterImage,southLetterImage,bearing,stripViewAngle,roadViewAngle,fullCircle,needleOffset,"
                "stripTop,roadTop,letterOffset,headingLineWidth,tickWidth,tickLength,arrowMargin,markerSize")
    Q_PROPERTY(QPixmap greenNeedle READ greenNeedle WRITE setGreenNeedle)
    Q_PROPERTY(QPixmap yellowNeedle READ yellowNeedle WRITE setYellowNeedle)
    Q_PROPERTY(QPixmap redNeedle READ redNeedle WRITE setRedNeedle)
    Q_PROPERTY(QPixmap blueNeedle READ blueNeedle WRITE setBlueNeedle)
    Q_PROPERTY(QPixmap stripBkgd READ stripBkgd WRITE setStripBkgd)
    Q_PROPERTY(QPixmap roadBkgd READ roadBkgd WRITE setRoadBkgd)
    Q_PROPERTY(QPixmap leftArrow READ leftArrow WRITE setLeftArrow)
    Q_PROPERTY(QPixmap rightArrow READ rightArrow WRITE setRightArrow)
    Q_PROPERTY(QPixmap destArrow READ destArrow WRITE setDestArrow)
    Q_PROPERTY(float heading READ heading WRITE setHeading)
    Q_PROPERTY(bool isRoadCompassMode READ isRoadCompassMode WRITE setRoadCompassMode)
    Q_PROPERTY(QPixmap objectImage READ readObjectImage WRITE writeObjectImage)
    Q_PROPERTY(QPixmap waypointImage READ readWaypointImage WRITE writeWaypointImage)
    Q_PROPERTY(QPixmap moonImage READ readMoonImage WRITE writeMoonImage)
    Q_PROPERTY(QPixmap sunImage READ readSunImage WRITE writeSunImage)
    Q_PROPERTY(QPixmap westLetterImage READ readWestLetterImage WRITE writeWestLetterImage)
    Q_PROPERTY(QPixmap northLetterImage READ readNorthLetterImage WRITE writeNorthLetterImage)
    Q_PROPERTY(QPixmap eastLetterImage READ readEastLetterImage WRITE writeEastLetterImage)
    Q_PROPERTY(QPixmap southLetterImage READ readSouthLetterImage WRITE writeSouthLetterImage)
    Q_PROPERTY(float bearing MEMBER bearing)
    Q_PROPERTY(float stripViewAngle MEMBER stripViewAngle)
    Q_PROPERTY(float roadViewAngle MEMBER roadViewAngle)
    Q_PROPERTY(int fullCircle MEMBER fullCircle)
    Q_PROPERTY(int needleOffset MEMBER needleOffset)
    Q_PROPERTY(int stripTop MEMBER stripTop)
    Q_PROPERTY(int roadTop MEMBER roadTop)
    Q_PROPERTY(int letterOffset MEMBER letterOffset)
    Q_PROPERTY(int headingLineWidth MEMBER headingLineWidth)
    Q_PROPERTY(int tickWidth MEMBER tickWidth)
    Q_PROPERTY(int tickLength MEMBER tickLength)
    Q_PROPERTY(int arrowMargin MEMBER arrowMargin)
    Q_PROPERTY(int markerSize MEMBER markerSize)

public:
    Q_INVOKABLE explicit zelStripCompass(QWidget *parent = nullptr);

    QPixmap greenNeedle() const { return m_greenNeedle.pixmap(); }
    void setGreenNeedle(const ZelPicture &image);
    QPixmap yellowNeedle() const { return m_yellowNeedle.pixmap(); }
    void setYellowNeedle(const ZelPicture &image);
    QPixmap redNeedle() const { return m_redNeedle.pixmap(); }
    void setRedNeedle(const ZelPicture &image);
    QPixmap blueNeedle() const { return m_blueNeedle.pixmap(); }
    void setBlueNeedle(const ZelPicture &image);
    QPixmap stripBkgd() const { return m_stripBkgd.pixmap(); }
    void setStripBkgd(const ZelPicture &image);
    QPixmap roadBkgd() const { return m_roadBkgd.pixmap(); }
    void setRoadBkgd(const ZelPicture &image);
    QPixmap leftArrow() const { return m_leftArrow.pixmap(); }
    void setLeftArrow(const ZelPicture &image);
    QPixmap rightArrow() const { return m_rightArrow.pixmap(); }
    void setRightArrow(const ZelPicture &image);
    QPixmap destArrow() const { return m_destArrow.pixmap(); }
    void setDestArrow(const ZelPicture &image);

    float heading() const { return m_heading; }
    // Stored normalised to [0, 360).
    void setHeading(float degrees);
    bool isRoadCompassMode() const { return m_roadCompassMode; }
    void setRoadCompassMode(bool on);

    // Any angle brought into [0, 360).
    static float normalizeDegree(float degrees);

    // Set directly by the forms, in this member order.
    QPixmap objectImage;
    QPixmap waypointImage;
    QPixmap moonImage;
    QPixmap sunImage;
    QPixmap westLetterImage;
    QPixmap northLetterImage;
    QPixmap eastLetterImage;
    QPixmap southLetterImage;
    // Degrees: where the destination lies and how wide a sector the strip and the road show.
    float bearing = 0.0f;
    float stripViewAngle = 90.0f;
    float roadViewAngle = 90.0f;
    // Degrees in a full turn of the strip.
    int fullCircle = 360;
    // Pixel layout of the strip, in member order.
    int needleOffset = 0;     // needles below the strip
    int stripTop = 0;         // the strip's upper edge
    int roadTop = 0;          // the destination arrow's height on the road; 0 puts it low
    int letterOffset = 0;     // letters' shift from the strip's middle
    int headingLineWidth = 1; // the mark of the heading in the strip's middle
    int tickWidth = 1;
    int tickLength = 8;
    int arrowMargin = 0; // the turn arrows' distance from the sides
    int markerSize = 16; // sun, moon and waypoint markers

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // By-name picture properties go through accessors, as on zelCompass.
    QPixmap readObjectImage() const { return objectImage; }
    void writeObjectImage(const QPixmap &image) { objectImage = image; }
    QPixmap readWaypointImage() const { return waypointImage; }
    void writeWaypointImage(const QPixmap &image) { waypointImage = image; }
    QPixmap readMoonImage() const { return moonImage; }
    void writeMoonImage(const QPixmap &image) { moonImage = image; }
    QPixmap readSunImage() const { return sunImage; }
    void writeSunImage(const QPixmap &image) { sunImage = image; }
    QPixmap readWestLetterImage() const { return westLetterImage; }
    void writeWestLetterImage(const QPixmap &image) { westLetterImage = image; }
    QPixmap readNorthLetterImage() const { return northLetterImage; }
    void writeNorthLetterImage(const QPixmap &image) { northLetterImage = image; }
    QPixmap readEastLetterImage() const { return eastLetterImage; }
    void writeEastLetterImage(const QPixmap &image) { eastLetterImage = image; }
    QPixmap readSouthLetterImage() const { return southLetterImage; }
    void writeSouthLetterImage(const QPixmap &image) { southLetterImage = image; }

    // Horizontal position of a direction on the strip, or -1 when out of view.
    int stripX(float degrees) const;

    ZelPicture m_greenNeedle;
    ZelPicture m_yellowNeedle;
    ZelPicture m_redNeedle;
    ZelPicture m_blueNeedle;
    ZelPicture m_stripBkgd;
    ZelPicture m_roadBkgd;
    ZelPicture m_leftArrow;
    ZelPicture m_rightArrow;
    ZelPicture m_destArrow;
    float m_heading = 0.0f;
    bool m_roadCompassMode = false;
};
