#pragma once

// Compasses, the sky view and the graph. Many of their pictures and numbers
// are plain members, assigned directly.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_setters.h"

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>

namespace quarn {

template <typename W, typename Self>
class InstrumentSettings
{
public:
    // Needles of the dial and of the strip compass, set green, yellow, red, blue.
    Self &needles(const char *green, const char *yellow, const char *red, const char *blue)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setGreenNeedle), green);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setYellowNeedle), yellow);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setRedNeedle), red);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setBlueNeedle), blue);
        return self();
    }
    Self &compassRing(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setCompassRing), path);
        return self();
    }
    Self &northImage(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setNorth), path);
        return self();
    }
    Self &northArrowImage(const char *path)
    {
        detail::setImage(target(), detail::setter(&W::setArrow), path);
        return self();
    }
    // The dial's pictures and placement are plain members, assigned directly.
    Self &targetIcon(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::targetIcon), path);
        return self();
    }
    Self &sunIcon(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::sunIcon), path);
        return self();
    }
    Self &moonIcon(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::moonIcon), path);
        return self();
    }
    Self &cardinalBadges(const char *north, const char *west, const char *south, const char *east)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::northBadge), north);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::westBadge), west);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::southBadge), south);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::eastBadge), east);
        return self();
    }
    Self &headingAndBearing(int heading, int bearing)
    {
        target()->heading = heading;
        target()->bearing = bearing;
        return self();
    }
    Self &northUp(bool on)
    {
        target()->northUp = on;
        return self();
    }
    Self &dial(int radius, int centreX, int centreY)
    {
        target()->dialRadius = radius;
        target()->dialCentre = QPoint(centreX, centreY);
        return self();
    }
    // Members written directly bypass the widget's own repaint.
    Self &update()
    {
        target()->update();
        return self();
    }
    Self &stripBackground(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setStripBkgd), path);
        return self();
    }
    Self &roadBackground(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setRoadBkgd), path);
        return self();
    }
    Self &leftArrow(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setLeftArrow), path);
        return self();
    }
    Self &rightArrow(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setRightArrow), path);
        return self();
    }
    Self &destinationArrow(const char *path)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setDestArrow), path);
        return self();
    }
    Self &objectImage(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::objectImage), path);
        return self();
    }
    Self &waypointImage(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::waypointImage), path);
        return self();
    }
    Self &moonImage(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::moonImage), path);
        return self();
    }
    Self &sunImage(const char *path)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::sunImage), path);
        return self();
    }
    // The strip's letters in member order: west, north, east, south.
    Self &letterImages(const char *west, const char *north, const char *east, const char *south)
    {
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::westLetterImage), west);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::northLetterImage), north);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::eastLetterImage), east);
        detail::assignImage(target(), detail::member<W, QPixmap>(&W::southLetterImage), south);
        return self();
    }
    Self &heading(float degrees)
    {
        target()->setHeading(degrees);
        return self();
    }
    // Bearing and the strip's and road's view angles, each stored normalised.
    Self &angles(float bearing, float stripView, float roadView)
    {
        target()->bearing = W::normalizeDegree(bearing);
        target()->stripViewAngle = W::normalizeDegree(stripView);
        target()->roadViewAngle = W::normalizeDegree(roadView);
        return self();
    }
    Self &fullCircle(int degrees)
    {
        target()->fullCircle = degrees;
        return self();
    }
    // The strip's nine layout integers, in member order.
    Self &stripLayout(int needleOffset, int stripTop, int roadTop, int letterOffset, int headingLineWidth,
                      int tickWidth, int tickLength, int arrowMargin, int markerSize)
    {
        target()->needleOffset = needleOffset;
        target()->stripTop = stripTop;
        target()->roadTop = roadTop;
        target()->letterOffset = letterOffset;
        target()->headingLineWidth = headingLineWidth;
        target()->tickWidth = tickWidth;
        target()->tickLength = tickLength;
        target()->arrowMargin = arrowMargin;
        target()->markerSize = markerSize;
        return self();
    }
    Self &needleOffset(int value)
    {
        target()->needleOffset = value;
        return self();
    }
    Self &stripTop(int value)
    {
        target()->stripTop = value;
        return self();
    }
    Self &letterOffset(int value)
    {
        target()->letterOffset = value;
        return self();
    }
    Self &headingLineWidth(int value)
    {
        target()->headingLineWidth = value;
        return self();
    }
    Self &tickWidth(int value)
    {
        target()->tickWidth = value;
        return self();
    }
    // Satellite pictures by signal: weak, medium, strong, none.
    Self &satelliteImages(const char *weak, const char *medium, const char *strong, const char *none)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setWeakSat), weak);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setMedSat), medium);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setStrongSat), strong);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setNoSat), none);
        return self();
    }
    Self &sbasSatelliteImages(const char *weak, const char *medium, const char *strong, const char *none)
    {
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setSBASWeakSat), weak);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setSBASMedSat), medium);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setSBASStrongSat), strong);
        detail::setImage(target(), detail::setter<W, const ZelPicture &>(&W::setSBASNoSat), none);
        return self();
    }
    Self &drawingArea(int x, int y, int width, int height)
    {
        target()->setDrawingArea(QRect(x, y, width, height));
        return self();
    }
    Self &drawCursorFlags(int flags)
    {
        target()->setDrawCursorFlags(flags);
        return self();
    }
    // The graph's pens and brush are plain members, assigned in the order given.
    Self &curveBrush(const QBrush &brush)
    {
        target()->curveBrush = brush;
        return self();
    }
    Self &curveColor(const QColor &colour)
    {
        target()->curveColor = colour;
        return self();
    }
    Self &curveWidth(int width)
    {
        target()->curveWidth = width;
        return self();
    }
    Self &cursorLineColor(const QColor &colour)
    {
        target()->cursorLineColor = colour;
        return self();
    }
    Self &cursorLineWidth(int width)
    {
        target()->cursorLineWidth = width;
        return self();
    }
    Self &cursorImage(const char *path)
    {
        target()->cursorImage = quarn::image(path);
        return self();
    }
    Self &drawGrid(bool on)
    {
        target()->drawGrid = on;
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
