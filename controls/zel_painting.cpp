#include "controls/zel_painting.h"

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

QRect centredOn(const QPoint &centre, const QSize &size)
{
    QRect rect(QPoint(), size);
    rect.moveCenter(centre);
    return rect;
}

QPoint polar(const QPoint &centre, qreal degrees, qreal distance)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(distance * qSin(radians), -distance * qCos(radians)).toPoint();
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
    const uint setRoles = palette.resolve();
    const bool windowTextSet = setRoles & (1u << QPalette::WindowText);
    const bool buttonTextSet = setRoles & (1u << QPalette::ButtonText);
    const QPalette::ColorRole role = (buttonTextSet && !windowTextSet) ? QPalette::ButtonText : QPalette::WindowText;
    return palette.color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

} // namespace zel
