#include "placeholder_painter.h"

#include <QCryptographicHash>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace quarn::placeholders {

namespace {

enum class Kind { Screen, Background, Brush, Button, Icon, Picture };
enum class State { Normal, Pressed, Focused };

struct PathParts {
    QString folder; // "" for the resource root, else e.g. "Icons" or "maneuvers/Icons"
    QString stem;   // file name without ".mif"
};

PathParts splitPath(const QString &resourcePath)
{
    QString inner = resourcePath.mid(2); // drop ":/"
    if (inner.endsWith(QLatin1String(".mif")))
        inner.chop(4);
    const int slash = inner.lastIndexOf(QLatin1Char('/'));
    return {slash < 0 ? QString() : inner.left(slash), inner.mid(slash + 1)};
}

Kind kindOf(const PathParts &parts)
{
    const QString folder = parts.folder.toLower();
    if (parts.stem.contains(QLatin1String("brush"), Qt::CaseInsensitive))
        return Kind::Brush;
    if (folder == QLatin1String("bkgd"))
        return Kind::Background;
    if (folder.isEmpty() && parts.stem.startsWith(QLatin1String("bkgd_"), Qt::CaseInsensitive))
        return Kind::Screen;
    if (folder == QLatin1String("buttons"))
        return Kind::Button;
    if (folder == QLatin1String("shell"))
        return Kind::Picture;
    return Kind::Icon;
}

State stateOf(const QString &stem)
{
    if (stem.endsWith(QLatin1String("_h")))
        return State::Pressed;
    if (stem.endsWith(QLatin1String("_f")))
        return State::Focused;
    return State::Normal;
}

// The variants of one picture share a hue, so a pressed face is recognisably
// the pressed form of its normal face.
QColor baseColour(const PathParts &parts)
{
    QString family = parts.folder + QLatin1Char('/') + parts.stem;
    if (stateOf(parts.stem) != State::Normal)
        family.chop(2);
    const QByteArray digest = QCryptographicHash::hash(family.toUtf8(), QCryptographicHash::Md5);
    const auto byte = [&digest](int i) { return int(quint8(digest.at(i))); };
    const int hue = ((byte(0) << 8) | byte(1)) % 360;
    const int saturation = 120 + byte(2) % 110;
    const int lightness = 105 + byte(3) % 60;
    return QColor::fromHsl(hue, saturation, lightness);
}

QColor labelColourOn(const QColor &fill)
{
    return qGray(fill.rgb()) > 140 ? QColor(0, 0, 0, 230) : QColor(255, 255, 255, 235);
}

// The largest pixel size (down to a legible minimum) at which the label fits
// rect, breaking preferably after underscores.
void drawLabel(QPainter &painter, const QRectF &rect, const QString &label, int maxPixelSize, Qt::Alignment alignment)
{
    QString breakable = label;
    breakable.replace(QLatin1Char('_'), QStringLiteral("_\u200B"));
    const int flags = int(alignment) | Qt::TextWordWrap;
    QFont font(QStringLiteral("DejaVu Sans"));
    for (int pixelSize = maxPixelSize; pixelSize >= 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QRectF needed = QFontMetricsF(font).boundingRect(rect, flags, breakable);
        if (needed.width() <= rect.width() && needed.height() <= rect.height())
            break;
    }
    painter.setFont(font);
    painter.drawText(rect, flags | Qt::TextWrapAnywhere, breakable);
}

// Bars, headers, rows and frame pieces are thin strips across the screen; other
// backgrounds fill a good part of it, and a strip stretched that far would
// draw its label many times its height.
bool isStripName(const QString &stem)
{
    static const QRegularExpression strip(
        QStringLiteral("bar|title|header|top|bottom|middle|menu|item|list|indicator|line|strip|tab|row|field"),
        QRegularExpression::CaseInsensitiveOption);
    return strip.match(stem).hasMatch();
}

} // namespace

QSize placeholderSize(const QString &resourcePath)
{
    const PathParts parts = splitPath(resourcePath);
    static const QRegularExpression sized(QStringLiteral("(\\d{1,4})x(\\d{1,4})"));
    QRegularExpressionMatch last;
    for (auto it = sized.globalMatch(parts.stem); it.hasNext();)
        last = it.next();
    if (last.hasMatch()) {
        const QSize size(last.captured(1).toInt(), last.captured(2).toInt());
        if (!size.isEmpty())
            return size;
    }
    switch (kindOf(parts)) {
    case Kind::Screen:
        return QSize(240, 400);
    case Kind::Background:
        return isStripName(parts.stem) ? QSize(240, 48) : QSize(240, 160);
    case Kind::Brush:
        return QSize(16, 16);
    case Kind::Button:
        return QSize(120, 44);
    case Kind::Picture:
        return QSize(160, 100);
    case Kind::Icon:
        break;
    }
    return parts.folder.contains(QLatin1String("maneuvers"), Qt::CaseInsensitive) ? QSize(48, 48) : QSize(38, 38);
}

QImage paintPlaceholder(const QString &resourcePath)
{
    const PathParts parts = splitPath(resourcePath);
    const Kind kind = kindOf(parts);
    const State state = stateOf(parts.stem);
    const QSize size = placeholderSize(resourcePath);

    QColor fill = baseColour(parts);
    if (state == State::Pressed)
        fill = fill.darker(150);
    else if (state == State::Focused)
        fill = fill.lighter(125);
    const QColor label = labelColourOn(fill);

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF frame = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = fill.lighter(150);
    const int radius = kind == Kind::Button ? 6 : kind == Kind::Icon ? 4 : 0;
    switch (kind) {
    case Kind::Screen:
        fill.setAlpha(255);
        break;
    case Kind::Background:
        fill.setAlpha(150);
        border.setAlpha(220);
        break;
    case Kind::Brush:
        fill = fill.darker(300);
        fill.setAlpha(140);
        border = Qt::transparent;
        break;
    case Kind::Button:
        fill.setAlpha(190);
        break;
    case Kind::Icon:
    case Kind::Picture:
        fill.setAlpha(230);
        break;
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(frame, radius, radius);
    if (state == State::Focused) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 214, 0), 2));
        painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    }

    painter.setPen(label);
    const QRectF inner = QRectF(image.rect()).adjusted(3, 2, -3, -2);
    switch (kind) {
    case Kind::Brush:
        // A tile repeats: a label would only make noise.
        break;
    case Kind::Screen:
        drawLabel(painter, inner, parts.stem, 22, Qt::AlignCenter);
        break;
    case Kind::Background:
    case Kind::Button:
        // In a corner: captions and icons are centred on these faces.
        drawLabel(painter, inner, parts.stem, 9, Qt::AlignRight | Qt::AlignBottom);
        break;
    case Kind::Icon:
    case Kind::Picture:
        drawLabel(painter, inner, parts.stem, 11, Qt::AlignCenter);
        break;
    }
    return image;
}

} // namespace quarn::placeholders
