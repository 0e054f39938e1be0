#pragma once

// Drawing shared by the stand-in controls; not part of the library's interface.

#include "controls/zel_picture.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;
class QPoint;
class QSize;
class QWidget;

namespace zel {

// Image scaled into the rectangle; a null image draws nothing, as on the device.
void drawImage(QPainter &painter, const QRect &rect, const QPixmap &image);
// A control's picture, decoded now if this is its first paint.
inline void drawImage(QPainter &painter, const QRect &rect, const ZelPicture &picture)
{
    drawImage(painter, rect, picture.pixmap());
}
// The image centred on a point, at its own size.
void drawCentred(QPainter &painter, const QPoint &centre, const QPixmap &image);
QRect centredOn(const QPoint &centre, const QSize &size);
// The point at a compass direction (degrees clockwise from north) and distance,
// kept within reach of int arithmetic like clamped().
QPoint polar(const QPoint &centre, qreal degrees, qreal distance);
// A point moved into +-2^26: beyond any widget, so nothing drawn there shows,
// yet far from the ends of int, so that placing a picture there cannot overflow.
QPoint clamped(const QPointF &point);
// A length or offset a host set, within the same +-2^26.
int bounded(int value);
// The widget's own rectangle and size. A host may place a widget where
// QWidget::width() overflows (x + width past INT_MAX): these do not.
QSize areaOf(const QWidget &widget);
QRect localRect(const QWidget &widget);
// White on a dark badge, black on a light one.
QColor contrastingColour(const QPixmap &badge);
// The image at index of a list of resource paths (status indicators, animations).
QPixmap imageAt(const QStringList &paths, int index);

struct TextStyle {
    QFont font;
    QColor colour;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    bool elide = false;
};

void drawText(QPainter &painter, const QRect &rect, const QString &text, const TextStyle &style);
// The widget's font with a control's pixel size applied (0 keeps the font's size).
QFont fontWithPixelSize(const QFont &font, int pixelSize);
// The colour a control draws its text in: WindowText unless the form set only
// ButtonText on it (text boxes sitting on buttons).
QColor textColour(const QWidget &widget);

} // namespace zel
