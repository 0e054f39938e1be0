#include "dump/json_values.h"

#include "common/image_index.h"
#include "core/qt_compat.h"

#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QDateTime>
#include <QFont>
#include <QIcon>
#include <QJsonArray>
#include <QKeySequence>
#include <QLine>
#include <QLocale>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSizePolicy>
#include <QUrl>

namespace quarn::layouttool {

namespace {

QJsonArray pair(double a, double b)
{
    return QJsonArray{a, b};
}

QJsonArray quad(double a, double b, double c, double d)
{
    return QJsonArray{a, b, c, d};
}

QJsonArray jsonColour(const QColor &colour)
{
    return QJsonArray{colour.red(), colour.green(), colour.blue(), colour.alpha()};
}

// Flags by their single-bit keys in declaration order: Qt's own spelling
// prefers aliases and composites ("AlignTrailing", "AlignCenter").
QString flagKeys(const QMetaEnum &metaEnum, int value)
{
    if (value == 0) {
        const char *none = metaEnum.valueToKey(0);
        return none ? QString::fromLatin1(none) : QString();
    }
    QStringList keys;
    uint covered = 0;
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        const uint bit = uint(metaEnum.value(i));
        const bool singleBit = bit != 0 && (bit & (bit - 1)) == 0;
        if (singleBit && (uint(value) & bit) && !(covered & bit)) {
            keys.append(QString::fromLatin1(metaEnum.key(i)));
            covered |= bit;
        }
    }
    if (covered != uint(value))
        return QString(); // bits without a name: the number says more
    return keys.join(QLatin1Char('|'));
}

QString enumKey(const QMetaEnum &metaEnum, int value)
{
    if (metaEnum.isFlag())
        return flagKeys(metaEnum, value);
    const char *key = metaEnum.valueToKey(value);
    return key ? QString::fromLatin1(key) : QString();
}

QJsonValue enumJson(const QMetaEnum &metaEnum, int value)
{
    const QString key = enumKey(metaEnum, value);
    return key.isEmpty() ? QJsonValue(value) : QJsonValue(key);
}

QJsonValue imageJson(const QPixmap &pixmap, const ImageIndex &images)
{
    if (pixmap.isNull())
        return QJsonValue::Null;
    const QString path = images.pathOf(pixmap);
    if (!path.isEmpty())
        return path;
    return QStringLiteral("<unknown image %1x%2>").arg(pixmap.width()).arg(pixmap.height());
}

QJsonValue iconJson(const QIcon &icon, const ImageIndex &images)
{
    QJsonObject object;
    for (const ImageIndex::IconPicture &picture : ImageIndex::picturesOf(icon))
        object.insert(picture.slot, imageJson(picture.pixmap, images));
    return object.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(object);
}

QJsonValue brushJson(const QBrush &brush, const ImageIndex &images)
{
    if (brush.style() == Qt::SolidPattern)
        return jsonColour(brush.color());
    if (brush.style() == Qt::TexturePattern)
        return imageJson(brush.texture(), images);
    if (brush.style() == Qt::NoBrush)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("style"), enumJson(QMetaEnum::fromType<Qt::BrushStyle>(), brush.style())},
                       {QStringLiteral("color"), jsonColour(brush.color())}};
}

QJsonObject sizePolicyJson(const QSizePolicy &policy)
{
    const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
    return {{QStringLiteral("horizontal"), enumJson(policies, policy.horizontalPolicy())},
            {QStringLiteral("vertical"), enumJson(policies, policy.verticalPolicy())},
            {QStringLiteral("horizontalStretch"), policy.horizontalStretch()},
            {QStringLiteral("verticalStretch"), policy.verticalStretch()},
            {QStringLiteral("heightForWidth"), policy.hasHeightForWidth()}};
}

QJsonArray listJson(const QVariantList &list, const ImageIndex &images)
{
    QJsonArray array;
    for (const QVariant &item : list)
        array.append(jsonValue(item, images));
    return array;
}

} // namespace

int enumValue(const QVariant &value, bool *ok)
{
    bool converted = false;
    int result = value.toInt(&converted);
    // Registered flag types do not always convert; their storage is an int.
    if (!converted && value.isValid() && QMetaType(value.userType()).sizeOf() == int(sizeof(int))
        && (QMetaType(value.userType()).flags() & QMetaType::IsEnumeration)) {
        result = *static_cast<const int *>(value.constData());
        converted = true;
    }
    if (ok)
        *ok = converted;
    return converted ? result : 0;
}

QJsonValue jsonValue(const QVariant &value, const ImageIndex &images)
{
    if (!value.isValid())
        return QJsonValue::Null;

    switch (value.userType()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QChar:
        return QString(value.toChar());
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    case QMetaType::QStringList: {
        QJsonArray array;
        for (const QString &text : value.toStringList())
            array.append(text);
        return array;
    }
    case QMetaType::QVariantList:
        return listJson(value.toList(), images);
    case QMetaType::QVariantMap: {
        QJsonObject object;
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            object.insert(it.key(), jsonValue(it.value(), images));
        return object;
    }
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return pair(size.width(), size.height());
    }
    case QMetaType::QSizeF: {
        const QSizeF size = value.toSizeF();
        return pair(size.width(), size.height());
    }
    case QMetaType::QPoint: {
        const QPoint point = value.toPoint();
        return pair(point.x(), point.y());
    }
    case QMetaType::QPointF: {
        const QPointF point = value.toPointF();
        return pair(point.x(), point.y());
    }
    case QMetaType::QRect: {
        const QRect rect = value.toRect();
        return quad(rect.x(), rect.y(), rect.width(), rect.height());
    }
    case QMetaType::QRectF: {
        const QRectF rect = value.toRectF();
        return quad(rect.x(), rect.y(), rect.width(), rect.height());
    }
    case QMetaType::QLine: {
        const QLine line = value.toLine();
        return quad(line.x1(), line.y1(), line.x2(), line.y2());
    }
    case QMetaType::QRegion: {
        const QRect bounds = value.value<QRegion>().boundingRect();
        return quad(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    }
    case QMetaType::QColor:
        return jsonColour(value.value<QColor>());
    case QMetaType::QBrush:
        return brushJson(value.value<QBrush>(), images);
    case QMetaType::QPixmap:
        return imageJson(value.value<QPixmap>(), images);
    case QMetaType::QImage:
        return imageJson(QPixmap::fromImage(value.value<QImage>()), images);
    case QMetaType::QFont:
        return jsonFont(value.value<QFont>());
    case QMetaType::QPalette:
        return jsonPalette(value.value<QPalette>());
    case QMetaType::QSizePolicy:
        return sizePolicyJson(value.value<QSizePolicy>());
    case QMetaType::QLocale:
        return value.toLocale().name();
    case QMetaType::QCursor:
        return enumJson(QMetaEnum::fromType<Qt::CursorShape>(), value.value<QCursor>().shape());
    case QMetaType::QKeySequence:
        return value.value<QKeySequence>().toString(QKeySequence::PortableText);
    case QMetaType::QUrl:
        return value.toUrl().toString();
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return value.toString();
    case QMetaType::QIcon:
        return iconJson(value.value<QIcon>(), images);
    default:
        break;
    }
    if (QMetaType(value.userType()).flags() & QMetaType::IsEnumeration) {
        bool ok = false;
        const int number = enumValue(value, &ok);
        if (ok)
            return number;
    }
    if (QMetaType(value.userType()).flags() & QMetaType::PointerToQObject) {
        const QObject *object = value.value<QObject *>();
        return object ? QJsonValue(object->objectName()) : QJsonValue(QJsonValue::Null);
    }
    return QStringLiteral("<%1>").arg(QString::fromLatin1(value.typeName()));
}

QJsonValue jsonPropertyValue(const QMetaProperty &property, const QVariant &value, const ImageIndex &images)
{
    if (property.isEnumType()) {
        bool ok = false;
        const int number = enumValue(value, &ok);
        if (ok)
            return enumJson(property.enumerator(), number);
    }
    return jsonValue(value, images);
}

QJsonObject jsonFont(const QFont &font)
{
    const uint set = quarn::qt::fontResolveMask(font);
    QJsonObject object;
    if (set & QFont::FamilyResolved)
        object.insert(QStringLiteral("family"), font.family());
    if (set & QFont::SizeResolved) {
        if (font.pointSize() > 0)
            object.insert(QStringLiteral("pointSize"), font.pointSize());
        else if (font.pixelSize() > 0)
            object.insert(QStringLiteral("pixelSize"), font.pixelSize());
    }
    object.insert(QStringLiteral("bold"), font.bold());
    object.insert(QStringLiteral("weight"), quarn::qt::openTypeWeight(font));
    object.insert(QStringLiteral("antialias"), bool(font.styleStrategy() & QFont::PreferAntialias));
    object.insert(QStringLiteral("kerning"), font.kerning());
    if ((set & QFont::StyleResolved) && font.italic())
        object.insert(QStringLiteral("italic"), true);
    if ((set & QFont::UnderlineResolved) && font.underline())
        object.insert(QStringLiteral("underline"), true);
    return object;
}

QJsonObject jsonCompleteFont(const QFont &font)
{
    QJsonObject object{{QStringLiteral("family"), font.family()},
                       {QStringLiteral("bold"), font.bold()},
                       {QStringLiteral("weight"), quarn::qt::openTypeWeight(font)},
                       {QStringLiteral("italic"), font.italic()},
                       {QStringLiteral("underline"), font.underline()},
                       {QStringLiteral("kerning"), font.kerning()},
                       {QStringLiteral("antialias"), bool(font.styleStrategy() & QFont::PreferAntialias)}};
    if (font.pointSize() > 0)
        object.insert(QStringLiteral("pointSize"), font.pointSize());
    else
        object.insert(QStringLiteral("pixelSize"), font.pixelSize());
    return object;
}

namespace {

QJsonObject paletteRoles(const QPalette &palette, bool onlySet)
{
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    QJsonObject object;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (onlySet && !quarn::qt::paletteRoleSet(palette, QPalette::ColorRole(role)))
            continue;
        const auto colourRole = QPalette::ColorRole(role);
        object.insert(
            QString::fromLatin1(roles.valueToKey(role)),
            QJsonObject{{QStringLiteral("active"), jsonColour(palette.color(QPalette::Active, colourRole))},
                        {QStringLiteral("inactive"), jsonColour(palette.color(QPalette::Inactive, colourRole))},
                        {QStringLiteral("disabled"), jsonColour(palette.color(QPalette::Disabled, colourRole))}});
    }
    return object;
}

} // namespace

QJsonObject jsonPalette(const QPalette &palette)
{
    return paletteRoles(palette, /*onlySet=*/true);
}

QJsonObject jsonCompletePalette(const QPalette &palette)
{
    return paletteRoles(palette, /*onlySet=*/false);
}

} // namespace quarn::layouttool
