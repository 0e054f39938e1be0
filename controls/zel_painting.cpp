#include "controls/zel_painting.h"

#include "core/qt_compat.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace zel {

void drawImage(QPainter &painter, const QRect &rect, const QPixmap &image)
{
    if (image.isNull() || rect.isEmpty())
        return;
    painter.drawPixmap(rect, image);
}

namespace {

constexpr qreal kFar = 1 << 26;

} // namespace

QRect centredOn(const QPoint &centre, const QSize &size)
{
    QRect rect(QPoint(), size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    rect.moveCenter(clamped(centre));
    return rect;
}

QPoint clamped(const QPointF &point)
{
    return QPoint(qRound(qBound(-kFar, point.x(), kFar)), qRound(qBound(-kFar, point.y(), kFar)));
}

int bounded(int value)
{
    return qBound(-(1 << 26), value, 1 << 26);
}

QPoint polar(const QPoint &centre, qreal degrees, qreal distance)
{
    const qreal radians = qDegreesToRadians(degrees);
    return clamped(QPointF(centre) + QPointF(distance * qSin(radians), -distance * qCos(radians)));
}

QSize areaOf(const QWidget &widget)
{
    // The difference of the edges as Qt stores them, in unsigned arithmetic,
    // is the size Qt was given: at most QWIDGETSIZE_MAX.
    const QRect &geometry = widget.geometry();
    const auto extent = [](int first, int last) { return int(quint32(last) - quint32(first) + 1u); };
    return QSize(extent(geometry.left(), geometry.right()), extent(geometry.top(), geometry.bottom()));
}

QRect localRect(const QWidget &widget)
{
    return QRect(QPoint(0, 0), areaOf(widget));
}

void drawCentred(QPainter &painter, const QPoint &centre, const QPixmap &image)
{
    drawImage(painter, centredOn(centre, image.size()), image);
}

QColor contrastingColour(const QPixmap &badge)
{
    const QImage average = badge.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return average.pixelColor(0, 0).lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QPixmap imageAt(const QStringList &paths, int index)
{
    if (index < 0 || index >= paths.size())
        return QPixmap();
    return QPixmap(paths.at(index));
}

void drawText(QPainter &painter, const QRect &rect, const QString &text, const TextStyle &style)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setFont(style.font);
    painter.setPen(style.colour);
    int flags = int(style.alignment);
    QString shown = text;
    if (style.wordWrap)
        flags |= Qt::TextWordWrap;
    else if (style.elide)
        shown = QFontMetrics(style.font).elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, flags, shown);
    painter.restore();
}

QFont fontWithPixelSize(const QFont &font, int pixelSize)
{
    QFont sized = font;
    if (pixelSize > 0)
        sized.setPixelSize(pixelSize);
    return sized;
}

QColor textColour(const QWidget &widget)
{
    const QPalette &palette = widget.palette();
    const bool windowTextSet = quarn::qt::paletteRoleSet(palette, QPalette::WindowText);
    const bool buttonTextSet = quarn::qt::paletteRoleSet(palette, QPalette::ButtonText);
    const QPalette::ColorRole role = (buttonTextSet && !windowTextSet) ? QPalette::ButtonText : QPalette::WindowText;
    return palette.color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

} // namespace zel
