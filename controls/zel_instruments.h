#pragma once

#include "controls/zel_global.h"

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

// The map's north indicator: a north badge with the arrow over it.
class ZEL_EXPORT ZelNorthUpWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap north READ north WRITE setNorth)
    Q_PROPERTY(QPixmap arrow READ arrow WRITE setArrow)

public:
    Q_INVOKABLE explicit ZelNorthUpWidget(QWidget *parent = nullptr);

    QPixmap north() const { return m_north; }
    void setNorth(const QPixmap &image);
    QPixmap arrow() const { return m_arrow; }
    void setArrow(const QPixmap &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_north;
    QPixmap m_arrow;
};

// The compass dial of the map and the dashboard. Most of its look lives in
// public members that the forms assign directly, in this member order, and then
// call update(); the needles and the ring have setters.
class ZEL_EXPORT zelCompass : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName", "bDrawLabels,bDrawCardinal,targetIcon,sunIcon,moonIcon,northBadge,westBadge,southBadge,eastBadge,heading,bearing,northUp,dialRadius,dialCentre,northLetter,westLetter,southLetter,eastLetter")
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

    QPixmap compassRing() const { return m_compassRing; }
    void setCompassRing(const QPixmap &image);
    QPixmap greenNeedle() const { return m_greenNeedle; }
    void setGreenNeedle(const QPixmap &image);
    QPixmap yellowNeedle() const { return m_yellowNeedle; }
    void setYellowNeedle(const QPixmap &image);
    QPixmap redNeedle() const { return m_redNeedle; }
    void setRedNeedle(const QPixmap &image);
    QPixmap blueNeedle() const { return m_blueNeedle; }
    void setBlueNeedle(const QPixmap &image);

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

    QPixmap m_compassRing;
    QPixmap m_greenNeedle;
    QPixmap m_yellowNeedle;
    QPixmap m_redNeedle;
    QPixmap m_blueNeedle;
    bool m_drawLabels = true;
    bool m_drawCardinal = true;
};

// A horizontal band of directions scrolling with the heading; in road mode a
// road picture under it carries the destination arrow.
class ZEL_EXPORT zelStripCompass : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName", "isRoadCompassMode,objectImage,waypointImage,moonImage,sunImage,westLetterImage,northLetterImage,eastLetterImage,southLetterImage,bearing,stripViewAngle,roadViewAngle,fullCircle,needleOffset,stripTop,roadTop,letterOffset,headingLineWidth,tickWidth,tickLength,arrowMargin,markerSize")
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

    QPixmap greenNeedle() const { return m_greenNeedle; }
    void setGreenNeedle(const QPixmap &image);
    QPixmap yellowNeedle() const { return m_yellowNeedle; }
    void setYellowNeedle(const QPixmap &image);
    QPixmap redNeedle() const { return m_redNeedle; }
    void setRedNeedle(const QPixmap &image);
    QPixmap blueNeedle() const { return m_blueNeedle; }
    void setBlueNeedle(const QPixmap &image);
    QPixmap stripBkgd() const { return m_stripBkgd; }
    void setStripBkgd(const QPixmap &image);
    QPixmap roadBkgd() const { return m_roadBkgd; }
    void setRoadBkgd(const QPixmap &image);
    QPixmap leftArrow() const { return m_leftArrow; }
    void setLeftArrow(const QPixmap &image);
    QPixmap rightArrow() const { return m_rightArrow; }
    void setRightArrow(const QPixmap &image);
    QPixmap destArrow() const { return m_destArrow; }
    void setDestArrow(const QPixmap &image);

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
    int needleOffset = 0;  // needles below the strip
    int stripTop = 0;      // the strip's upper edge
    int roadTop = 0;       // the destination arrow's height on the road; 0 puts it low
    int letterOffset = 0;  // letters' shift from the strip's middle
    int headingLineWidth = 1; // the mark of the heading in the strip's middle
    int tickWidth = 1;
    int tickLength = 8;
    int arrowMargin = 0;   // the turn arrows' distance from the sides
    int markerSize = 16;   // sun, moon and waypoint markers

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

    QPixmap m_greenNeedle;
    QPixmap m_yellowNeedle;
    QPixmap m_redNeedle;
    QPixmap m_blueNeedle;
    QPixmap m_stripBkgd;
    QPixmap m_roadBkgd;
    QPixmap m_leftArrow;
    QPixmap m_rightArrow;
    QPixmap m_destArrow;
    float m_heading = 0.0f;
    bool m_roadCompassMode = false;
};

// The sky view: each satellite drawn by azimuth and elevation with the image of
// its signal strength; augmentation (SBAS) satellites have their own set.
class ZEL_EXPORT zelSatelliteView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap weakSat READ weakSat WRITE setWeakSat)
    Q_PROPERTY(QPixmap medSat READ medSat WRITE setMedSat)
    Q_PROPERTY(QPixmap strongSat READ strongSat WRITE setStrongSat)
    Q_PROPERTY(QPixmap noSat READ noSat WRITE setNoSat)
    Q_PROPERTY(QPixmap sBASWeakSat READ sbasWeakSat WRITE setSBASWeakSat)
    Q_PROPERTY(QPixmap sBASMedSat READ sbasMedSat WRITE setSBASMedSat)
    Q_PROPERTY(QPixmap sBASStrongSat READ sbasStrongSat WRITE setSBASStrongSat)
    Q_PROPERTY(QPixmap sBASNoSat READ sbasNoSat WRITE setSBASNoSat)

public:
    enum class Signal { None, Weak, Medium, Strong };

    struct Satellite {
        int number = 0;
        int azimuth = 0;   // degrees clockwise from north
        int elevation = 0; // degrees above the horizon
        Signal signal = Signal::None;
        bool sbas = false;
    };

    Q_INVOKABLE explicit zelSatelliteView(QWidget *parent = nullptr);

    QPixmap weakSat() const { return m_weakSat; }
    void setWeakSat(const QPixmap &image);
    QPixmap medSat() const { return m_medSat; }
    void setMedSat(const QPixmap &image);
    QPixmap strongSat() const { return m_strongSat; }
    void setStrongSat(const QPixmap &image);
    QPixmap noSat() const { return m_noSat; }
    void setNoSat(const QPixmap &image);
    QPixmap sbasWeakSat() const { return m_sbasWeakSat; }
    void setSBASWeakSat(const QPixmap &image);
    QPixmap sbasMedSat() const { return m_sbasMedSat; }
    void setSBASMedSat(const QPixmap &image);
    QPixmap sbasStrongSat() const { return m_sbasStrongSat; }
    void setSBASStrongSat(const QPixmap &image);
    QPixmap sbasNoSat() const { return m_sbasNoSat; }
    void setSBASNoSat(const QPixmap &image);

    // Filled by the host from the receiver.
    QVector<Satellite> satellites() const { return m_satellites; }
    void setSatellites(const QVector<Satellite> &satellites);

    QPixmap imageFor(const Satellite &satellite) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_weakSat;
    QPixmap m_medSat;
    QPixmap m_strongSat;
    QPixmap m_noSat;
    QPixmap m_sbasWeakSat;
    QPixmap m_sbasMedSat;
    QPixmap m_sbasStrongSat;
    QPixmap m_sbasNoSat;
    QVector<Satellite> m_satellites;
};

// A line graph over a drawing area (barometer, tides, currents, profiles). The
// host supplies the samples; the forms give the area, the cursor and the pens
// and brush, the latter as public members in this member order.
class ZEL_EXPORT zelSimpleGraphView : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName", "curveBrush,curveColor,curveWidth,cursorLineColor,cursorLineWidth,cursorImage,drawGrid")
    Q_PROPERTY(QRect drawingArea READ drawingArea WRITE setDrawingArea)
    Q_PROPERTY(int drawCursorFlags READ drawCursorFlags WRITE setDrawCursorFlags)
    Q_PROPERTY(QBrush curveBrush MEMBER curveBrush)
    Q_PROPERTY(QColor curveColor MEMBER curveColor)
    Q_PROPERTY(int curveWidth MEMBER curveWidth)
    Q_PROPERTY(QColor cursorLineColor MEMBER cursorLineColor)
    Q_PROPERTY(int cursorLineWidth MEMBER cursorLineWidth)
    Q_PROPERTY(QPixmap cursorImage READ readCursorImage WRITE writeCursorImage)
    Q_PROPERTY(bool drawGrid MEMBER drawGrid)

public:
    // Which parts of the cursor are drawn.
    enum CursorFlag { CursorImage = 0x1, CursorLine = 0x2 };

    Q_INVOKABLE explicit zelSimpleGraphView(QWidget *parent = nullptr);

    // The plot's rectangle inside the widget; an empty one plots over the whole widget.
    QRect drawingArea() const { return m_drawingArea; }
    void setDrawingArea(const QRect &area);
    int drawCursorFlags() const { return m_drawCursorFlags; }
    void setDrawCursorFlags(int flags);

    // Samples in plot order; the graph scales them into the drawing area.
    QVector<QPointF> samples() const { return m_samples; }
    void setSamples(const QVector<QPointF> &samples);

    QBrush curveBrush = QBrush(Qt::NoBrush);
    QColor curveColor = Qt::black;
    int curveWidth = 0;
    QColor cursorLineColor = Qt::black;
    int cursorLineWidth = 0;
    QPixmap cursorImage;
    bool drawGrid = true;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // By-name picture properties go through accessors, as on zelCompass.
    QPixmap readCursorImage() const { return cursorImage; }
    void writeCursorImage(const QPixmap &image) { cursorImage = image; }

    QRect plotRect() const;

    QRect m_drawingArea;
    int m_drawCursorFlags = 0;
    QVector<QPointF> m_samples;
};
