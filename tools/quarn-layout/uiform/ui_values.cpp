#include "uiform/ui_values.h"

#include "common/image_index.h"
#include "core/qt_compat.h"
#include "uiform/property_filter.h"
#include "uiform/translation_template.h"

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QMetaEnum>
#include <QPalette>
#include <QPixmap>
#include <QSizePolicy>
#include <QVariant>

namespace quarn::layouttool {

namespace {

using Kind = UiValue::Kind;

// The strategies uic spells by name.
QString styleStrategyName(QFont::StyleStrategy strategy)
{
    // Qt 5's OpenGLCompatible: deprecated, without effect and gone in Qt 6, but
    // still a spelling a .ui file may have.
    if (int(strategy) == 0x0200)
        return QStringLiteral("OpenGLCompatible");
    switch (strategy) {
    case QFont::PreferDefault:
        return QStringLiteral("PreferDefault");
    case QFont::PreferBitmap:
        return QStringLiteral("PreferBitmap");
    case QFont::PreferDevice:
        return QStringLiteral("PreferDevice");
    case QFont::PreferOutline:
        return QStringLiteral("PreferOutline");
    case QFont::ForceOutline:
        return QStringLiteral("ForceOutline");
    case QFont::NoAntialias:
        return QStringLiteral("NoAntialias");
    case QFont::PreferAntialias:
        return QStringLiteral("PreferAntialias");
    case QFont::NoFontMerging:
        return QStringLiteral("NoFontMerging");
    default:
        return QString();
    }
}

bool isExpressible(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::QByteArray:
    case QMetaType::QPoint:
    case QMetaType::QSize:
    case QMetaType::QRect:
    case QMetaType::QColor:
    case QMetaType::QBrush:
    case QMetaType::QFont:
    case QMetaType::QSizePolicy:
    case QMetaType::QPalette:
    case QMetaType::QLocale:
        return true;
    default:
        return false;
    }
}

UiBrush brushOf(const QBrush &brush)
{
    return {QString::fromLatin1(QMetaEnum::fromType<Qt::BrushStyle>().valueToKey(brush.style())), brush.color()};
}

UiValue valueOfKind(Kind kind)
{
    UiValue value;
    value.kind = kind;
    return value;
}

} // namespace

UiValueConverter::UiValueConverter(const ImageIndex &images, QStringList &omissions)
    : m_images(images)
    , m_omissions(omissions)
{
}

void UiValueConverter::setTranslationTemplate(const TranslationTemplate *translations, const QString &context)
{
    m_translations = translations;
    m_context = context;
}

void UiValueConverter::add(QVector<UiProperty> &properties, const ObjectProperty &property)
{
    if (property.enumerator.isValid())
        addEnum(properties, property.name, property.enumerator, property.value.toInt(), property.byName);
    else
        add(properties, property.name, property.value, property.translatable, property.byName);
}

void UiValueConverter::add(QVector<UiProperty> &properties, const QString &name, const QVariant &value,
                           bool translatable, bool byName)
{
    UiProperty property{name, byName, UiValue(), 0};
    if (convert(name, value, translatable, &property.value))
        properties.append(property);
}

void UiValueConverter::addEnum(QVector<UiProperty> &properties, const QString &name, const QMetaEnum &enumerator,
                               int value, bool byName)
{
    const QString text = enumText(enumerator, value);
    if (text.isEmpty() && !enumerator.isFlag()) {
        m_omissions.append(QStringLiteral("%1: value %2 has no name").arg(name).arg(value));
        return;
    }
    const Kind kind = enumerator.isFlag() ? Kind::Set : Kind::Enum;
    properties.append({name, byName, UiValue::ofText(kind, text.isEmpty() ? QStringLiteral("0") : text), 0});
}

void UiValueConverter::addFont(QVector<UiProperty> &properties, const QFont &font)
{
    properties.append({QStringLiteral("font"), false, fontValue(font), 0});
}

void UiValueConverter::addPalette(QVector<UiProperty> &properties, const QPalette &palette)
{
    properties.append({QStringLiteral("palette"), false, paletteValue(palette), 0});
}

QString UiValueConverter::enumText(const QMetaEnum &enumerator, int value)
{
    const QByteArray scope = enumerator.scope();
    if (enumerator.isFlag()) {
        QStringList keys;
        for (const QByteArray &key : enumerator.valueToKeys(value).split('|')) {
            if (!key.isEmpty())
                keys.append(QString::fromLatin1(scope + "::" + key));
        }
        return keys.join(QLatin1Char('|'));
    }
    const char *key = enumerator.valueToKey(value);
    return key ? QString::fromLatin1(scope + "::" + key) : QString();
}

QString canonicalQtFlags(const QString &text)
{
    static const QLatin1String scope("Qt::");
    QByteArray keys;
    for (QString key : text.split(QLatin1Char('|'))) {
        key = key.trimmed();
        if (!key.startsWith(scope))
            return text;
        keys += (keys.isEmpty() ? "" : "|") + key.mid(scope.size()).toLatin1();
    }
    // Qt 5 and 6 name the namespace's meta-object differently; its enums lead there in both.
    const QMetaObject &qt = *QMetaEnum::fromType<Qt::Alignment>().enclosingMetaObject();
    for (int i = 0; i < qt.enumeratorCount(); ++i) {
        const QMetaEnum flags = qt.enumerator(i);
        bool known = false;
        const int value = flags.isFlag() ? flags.keysToValue(keys.constData(), &known) : 0;
        if (known)
            return UiValueConverter::enumText(flags, value);
    }
    return text;
}

bool UiValueConverter::convert(const QString &name, const QVariant &value, bool translatable, UiValue *out)
{
    switch (value.userType()) {
    case QMetaType::QPixmap: {
        const QPixmap pixmap = value.value<QPixmap>();
        const QString path = m_images.pathOf(pixmap);
        if (path.isEmpty()) {
            if (!pixmap.isNull())
                m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
            return false;
        }
        *out = UiValue::ofText(Kind::Pixmap, path);
        return true;
    }
    case QMetaType::QIcon: {
        *out = valueOfKind(Kind::IconSet);
        for (const ImageIndex::IconPicture &picture : ImageIndex::picturesOf(value.value<QIcon>())) {
            const QString path = m_images.pathOf(picture.pixmap);
            if (path.isEmpty())
                m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
            else
                out->icon.append({picture.slot, path});
        }
        return !out->icon.isEmpty();
    }
    case QMetaType::QVariantList: {
        // A list of plain values goes as a string list (bools as true and
        // false), for a setter that reads each item back.
        QStringList texts;
        for (const QVariant &item : value.toList()) {
            if (!isExpressible(item) || !item.canConvert<QString>()) {
                m_omissions.append(
                    QStringLiteral("%1: a list item of type %2").arg(name, QString::fromLatin1(item.typeName())));
                return false;
            }
            const bool isBool = item.userType() == QMetaType::Bool;
            texts.append(isBool ? (item.toBool() ? QStringLiteral("true") : QStringLiteral("false")) : item.toString());
        }
        return convert(name, texts, false, out);
    }
    default:
        break;
    }
    if (!isExpressible(value)) {
        m_omissions.append(
            QStringLiteral("%1: a %2 has no form in a .ui file").arg(name, QString::fromLatin1(value.typeName())));
        return false;
    }
    switch (value.userType()) {
    case QMetaType::Bool:
        *out = UiValue::ofBool(value.toBool());
        break;
    case QMetaType::Int:
        *out = UiValue::ofNumber(value.toInt());
        break;
    case QMetaType::UInt:
        // Designer's own element, so that the value stays unsigned.
        *out = valueOfKind(Kind::UInt);
        out->integer = value.toUInt();
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        *out = valueOfKind(Kind::Double);
        out->real = value.toDouble();
        break;
    case QMetaType::QString:
        // Designer's own attributes: uic passes the disambiguation to
        // translate and leaves the note to lupdate.
        *out = UiValue::ofString(value.toString(), !translatable);
        if (translatable && m_translations) {
            const TranslationTemplate::TextNotes notes = m_translations->notesFor(m_context, value.toString());
            out->comment = notes.disambiguation;
            out->extraComment = notes.extraComment;
        }
        break;
    case QMetaType::QStringList:
        *out = valueOfKind(Kind::StringList);
        out->notr = true;
        out->list = value.toStringList();
        break;
    case QMetaType::QByteArray:
        *out = UiValue::ofText(Kind::CString, QString::fromLatin1(value.toByteArray()));
        break;
    case QMetaType::QPoint:
        *out = valueOfKind(Kind::Point);
        out->rect = QRect(value.toPoint(), QSize(0, 0));
        break;
    case QMetaType::QSize:
        *out = UiValue::ofSize(value.toSize().width(), value.toSize().height());
        break;
    case QMetaType::QRect:
        *out = UiValue::ofRect(value.toRect());
        break;
    case QMetaType::QColor:
        *out = valueOfKind(Kind::Color);
        out->colour = value.value<QColor>();
        break;
    case QMetaType::QBrush:
        *out = valueOfKind(Kind::Brush);
        out->brush = brushOf(value.value<QBrush>());
        break;
    case QMetaType::QFont:
        *out = fontValue(value.value<QFont>());
        break;
    case QMetaType::QPalette:
        *out = paletteValue(value.value<QPalette>());
        break;
    case QMetaType::QLocale: {
        // uic spells them QLocale::Key.
        const QLocale locale = value.toLocale();
        *out = valueOfKind(Kind::Locale);
        out->language = QString::fromLatin1(QMetaEnum::fromType<QLocale::Language>().valueToKey(locale.language()));
        out->country = QString::fromLatin1(QMetaEnum::fromType<QLocale::Country>().valueToKey(locale.country()));
        break;
    }
    case QMetaType::QSizePolicy: {
        const QSizePolicy policy = value.value<QSizePolicy>();
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        *out = valueOfKind(Kind::SizePolicy);
        out->sizePolicy = {QString::fromLatin1(policies.valueToKey(policy.horizontalPolicy())),
                           QString::fromLatin1(policies.valueToKey(policy.verticalPolicy())),
                           policy.horizontalStretch(), policy.verticalStretch()};
        break;
    }
    default:
        return false;
    }
    return true;
}

UiValue UiValueConverter::fontValue(const QFont &font)
{
    const uint resolved = quarn::qt::fontResolveMask(font);
    UiValue value = valueOfKind(Kind::Font);
    UiFont &out = value.font;
    if (resolved & QFont::FamilyResolved)
        out.family = font.family();
    if ((resolved & QFont::SizeResolved) && font.pointSize() > 0)
        out.pointSize = font.pointSize();
    if (resolved & QFont::WeightResolved) {
        out.weight = quarn::qt::legacyWeight(font);
        out.bold = font.bold();
    }
    if (resolved & QFont::StyleResolved)
        out.italic = font.italic();
    if (resolved & QFont::UnderlineResolved)
        out.underline = font.underline();
    if (resolved & QFont::StrikeOutResolved)
        out.strikeOut = font.strikeOut();
    if (resolved & QFont::StyleStrategyResolved) {
        const QString strategy = styleStrategyName(font.styleStrategy());
        if (strategy.isEmpty())
            m_omissions.append(QStringLiteral("font: style strategy %1").arg(int(font.styleStrategy())));
        else
            out.styleStrategy = strategy;
    }
    if (resolved & QFont::KerningResolved)
        out.kerning = font.kerning();
    return value;
}

UiValue UiValueConverter::paletteValue(const QPalette &palette)
{
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    UiValue value = valueOfKind(Kind::Palette);
    const std::pair<QVector<UiColourRole> *, QPalette::ColorGroup> groups[] = {
        {&value.palette.active, QPalette::Active},
        {&value.palette.inactive, QPalette::Inactive},
        {&value.palette.disabled, QPalette::Disabled}};
    for (const auto &group : groups) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole || !quarn::qt::paletteRoleSet(palette, QPalette::ColorRole(role)))
                continue;
            group.first->append({QString::fromLatin1(roles.valueToKey(role)),
                                 brushOf(palette.brush(group.second, QPalette::ColorRole(role))), 0});
        }
    }
    return value;
}

} // namespace quarn::layouttool
