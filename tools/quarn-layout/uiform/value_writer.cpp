#include "uiform/value_writer.h"

#include "common/image_index.h"
#include "uiform/translation_template.h"
#include "uiform/property_filter.h"

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QMetaEnum>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QSizePolicy>
#include <QVariant>
#include <QVector>
#include <QXmlStreamWriter>

namespace quarn::layouttool {

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The strategies uic spells by name.
QString styleStrategyName(QFont::StyleStrategy strategy)
{
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
        // Deprecated, and without effect, but still a spelling a .ui file may have.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
    case QFont::OpenGLCompatible:
        QT_WARNING_POP
        return QStringLiteral("OpenGLCompatible");
    case QFont::NoFontMerging:
        return QStringLiteral("NoFontMerging");
    default:
        return QString();
    }
}

} // namespace

UiValueWriter::UiValueWriter(QXmlStreamWriter &xml, const ImageIndex &images, QStringList &omissions)
    : m_xml(xml)
    , m_images(images)
    , m_omissions(omissions)
{
}

void UiValueWriter::writeProperty(const UiProperty &property)
{
    if (property.enumerator.isValid())
        writeEnumProperty(property.name, property.enumerator, property.value.toInt(), property.byName);
    else
        writeProperty(property.name, property.value, property.translatable, property.byName);
}

void UiValueWriter::writeFontProperty(const QFont &font)
{
    startProperty(QStringLiteral("font"), false);
    writeFont(font);
    m_xml.writeEndElement();
}

void UiValueWriter::writePaletteProperty(const QPalette &palette)
{
    startProperty(QStringLiteral("palette"), false);
    writePalette(palette);
    m_xml.writeEndElement();
}

QString UiValueWriter::enumText(const QMetaEnum &enumerator, int value)
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

void UiValueWriter::startProperty(const QString &name, bool byName)
{
    m_xml.writeStartElement(QStringLiteral("property"));
    m_xml.writeAttribute(QStringLiteral("name"), name);
    if (byName)
        m_xml.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
}

void UiValueWriter::writeEnumProperty(const QString &name, const QMetaEnum &enumerator, int value, bool byName)
{
    const QString text = enumText(enumerator, value);
    if (text.isEmpty() && !enumerator.isFlag()) {
        m_omissions.append(QStringLiteral("%1: value %2 has no name").arg(name).arg(value));
        return;
    }
    startProperty(name, byName);
    if (enumerator.isFlag())
        m_xml.writeTextElement(QStringLiteral("set"), text.isEmpty() ? QStringLiteral("0") : text);
    else
        m_xml.writeTextElement(QStringLiteral("enum"), text);
    m_xml.writeEndElement();
}

void UiValueWriter::writeProperty(const QString &name, const QVariant &value, bool translatable, bool byName)
{
    if (value.userType() == QMetaType::QPixmap) {
        const QPixmap pixmap = value.value<QPixmap>();
        const QString path = m_images.pathOf(pixmap);
        if (path.isEmpty()) {
            if (!pixmap.isNull())
                m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
            return;
        }
        startProperty(name, byName);
        m_xml.writeTextElement(QStringLiteral("pixmap"), path);
        m_xml.writeEndElement();
        return;
    }
    if (value.userType() == QMetaType::QIcon) {
        writeIcon(name, value.value<QIcon>(), byName);
        return;
    }
    if (value.userType() == QMetaType::QVariantList) {
        writeList(name, value.toList(), byName);
        return;
    }
    if (!isExpressible(value)) {
        m_omissions.append(
            QStringLiteral("%1: a %2 has no form in a .ui file").arg(name, QString::fromLatin1(value.typeName())));
        return;
    }
    startProperty(name, byName);
    writeValue(value, translatable);
    m_xml.writeEndElement();
}

// A list of plain values goes as a string list (bools as true and false),
// for a setter that reads each item back.
void UiValueWriter::writeList(const QString &name, const QVariantList &list, bool byName)
{
    QStringList texts;
    for (const QVariant &item : list) {
        if (!isExpressible(item) || !item.canConvert<QString>()) {
            m_omissions.append(
                QStringLiteral("%1: a list item of type %2").arg(name, QString::fromLatin1(item.typeName())));
            return;
        }
        texts.append(item.userType() == QMetaType::Bool ? boolText(item.toBool()) : item.toString());
    }
    writeProperty(name, texts, false, byName);
}

void UiValueWriter::writeIcon(const QString &name, const QIcon &icon, bool byName)
{
    QVector<QPair<QString, QString>> files;
    for (const ImageIndex::IconPicture &picture : ImageIndex::picturesOf(icon)) {
        const QString path = m_images.pathOf(picture.pixmap);
        if (path.isEmpty())
            m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
        else
            files.append({picture.slot, path});
    }
    if (files.isEmpty())
        return;
    startProperty(name, byName);
    m_xml.writeStartElement(QStringLiteral("iconset"));
    for (const auto &file : qAsConst(files))
        m_xml.writeTextElement(file.first, file.second);
    m_xml.writeEndElement();
    m_xml.writeEndElement();
}

bool UiValueWriter::isExpressible(const QVariant &value)
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

void UiValueWriter::setTranslationTemplate(const TranslationTemplate *translations, const QString &context)
{
    m_translations = translations;
    m_context = context;
}

// Designer's own attributes: uic passes the disambiguation to translate and
// leaves the note to lupdate.
void UiValueWriter::writeTextNotes(const QString &text)
{
    if (!m_translations)
        return;
    const TranslationTemplate::TextNotes notes = m_translations->notesFor(m_context, text);
    if (!notes.disambiguation.isEmpty())
        m_xml.writeAttribute(QStringLiteral("comment"), notes.disambiguation);
    if (!notes.extraComment.isEmpty())
        m_xml.writeAttribute(QStringLiteral("extracomment"), notes.extraComment);
}

void UiValueWriter::writeValue(const QVariant &value, bool translatable)
{
    switch (value.userType()) {
    case QMetaType::Bool:
        m_xml.writeTextElement(QStringLiteral("bool"), boolText(value.toBool()));
        break;
    case QMetaType::Int:
        m_xml.writeTextElement(QStringLiteral("number"), value.toString());
        break;
    case QMetaType::UInt:
        // Designer's own element, so that the value stays unsigned.
        m_xml.writeTextElement(QStringLiteral("uInt"), value.toString());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        m_xml.writeTextElement(QStringLiteral("double"), QString::number(value.toDouble(), 'g', 17));
        break;
    case QMetaType::QString:
        m_xml.writeStartElement(QStringLiteral("string"));
        if (!translatable)
            m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
        else
            writeTextNotes(value.toString());
        m_xml.writeCharacters(value.toString());
        m_xml.writeEndElement();
        break;
    case QMetaType::QStringList:
        m_xml.writeStartElement(QStringLiteral("stringlist"));
        m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
        for (const QString &text : value.toStringList())
            m_xml.writeTextElement(QStringLiteral("string"), text);
        m_xml.writeEndElement();
        break;
    case QMetaType::QByteArray:
        m_xml.writeTextElement(QStringLiteral("cstring"), QString::fromLatin1(value.toByteArray()));
        break;
    case QMetaType::QPoint:
        m_xml.writeStartElement(QStringLiteral("point"));
        m_xml.writeTextElement(QStringLiteral("x"), QString::number(value.toPoint().x()));
        m_xml.writeTextElement(QStringLiteral("y"), QString::number(value.toPoint().y()));
        m_xml.writeEndElement();
        break;
    case QMetaType::QSize:
        writeSize(value.toSize());
        break;
    case QMetaType::QRect:
        writeRect(value.toRect());
        break;
    case QMetaType::QColor:
        writeColor(value.value<QColor>());
        break;
    case QMetaType::QBrush:
        writeBrush(value.value<QBrush>());
        break;
    case QMetaType::QFont:
        writeFont(value.value<QFont>());
        break;
    case QMetaType::QPalette:
        writePalette(value.value<QPalette>());
        break;
    case QMetaType::QLocale: {
        const QLocale locale = value.toLocale();
        m_xml.writeStartElement(QStringLiteral("locale"));
        // uic spells them QLocale::Key.
        m_xml.writeAttribute(
            QStringLiteral("language"),
            QString::fromLatin1(QMetaEnum::fromType<QLocale::Language>().valueToKey(locale.language())));
        m_xml.writeAttribute(QStringLiteral("country"),
                             QString::fromLatin1(QMetaEnum::fromType<QLocale::Country>().valueToKey(locale.country())));
        m_xml.writeEndElement();
        break;
    }
    case QMetaType::QSizePolicy: {
        const QSizePolicy policy = value.value<QSizePolicy>();
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        m_xml.writeStartElement(QStringLiteral("sizepolicy"));
        m_xml.writeAttribute(QStringLiteral("hsizetype"),
                             QString::fromLatin1(policies.valueToKey(policy.horizontalPolicy())));
        m_xml.writeAttribute(QStringLiteral("vsizetype"),
                             QString::fromLatin1(policies.valueToKey(policy.verticalPolicy())));
        m_xml.writeTextElement(QStringLiteral("horstretch"), QString::number(policy.horizontalStretch()));
        m_xml.writeTextElement(QStringLiteral("verstretch"), QString::number(policy.verticalStretch()));
        m_xml.writeEndElement();
        break;
    }
    default:
        break;
    }
}

void UiValueWriter::writeRectProperty(const QString &name, const QRect &rect)
{
    startProperty(name, false);
    writeRect(rect);
    m_xml.writeEndElement();
}

void UiValueWriter::writeRect(const QRect &rect)
{
    m_xml.writeStartElement(QStringLiteral("rect"));
    m_xml.writeTextElement(QStringLiteral("x"), QString::number(rect.x()));
    m_xml.writeTextElement(QStringLiteral("y"), QString::number(rect.y()));
    m_xml.writeTextElement(QStringLiteral("width"), QString::number(rect.width()));
    m_xml.writeTextElement(QStringLiteral("height"), QString::number(rect.height()));
    m_xml.writeEndElement();
}

void UiValueWriter::writeSize(const QSize &size)
{
    m_xml.writeStartElement(QStringLiteral("size"));
    m_xml.writeTextElement(QStringLiteral("width"), QString::number(size.width()));
    m_xml.writeTextElement(QStringLiteral("height"), QString::number(size.height()));
    m_xml.writeEndElement();
}

void UiValueWriter::writeColor(const QColor &colour)
{
    m_xml.writeStartElement(QStringLiteral("color"));
    m_xml.writeAttribute(QStringLiteral("alpha"), QString::number(colour.alpha()));
    m_xml.writeTextElement(QStringLiteral("red"), QString::number(colour.red()));
    m_xml.writeTextElement(QStringLiteral("green"), QString::number(colour.green()));
    m_xml.writeTextElement(QStringLiteral("blue"), QString::number(colour.blue()));
    m_xml.writeEndElement();
}

void UiValueWriter::writeBrush(const QBrush &brush)
{
    const QMetaEnum styles = QMetaEnum::fromType<Qt::BrushStyle>();
    m_xml.writeStartElement(QStringLiteral("brush"));
    m_xml.writeAttribute(QStringLiteral("brushstyle"), QString::fromLatin1(styles.valueToKey(brush.style())));
    writeColor(brush.color());
    m_xml.writeEndElement();
}

// Only what the font resolves, as a form sets no more.
void UiValueWriter::writeFont(const QFont &font)
{
    const uint resolved = font.resolve();
    m_xml.writeStartElement(QStringLiteral("font"));
    if (resolved & QFont::FamilyResolved)
        m_xml.writeTextElement(QStringLiteral("family"), font.family());
    if ((resolved & QFont::SizeResolved) && font.pointSize() > 0)
        m_xml.writeTextElement(QStringLiteral("pointsize"), QString::number(font.pointSize()));
    if (resolved & QFont::WeightResolved) {
        m_xml.writeTextElement(QStringLiteral("weight"), QString::number(font.weight()));
        m_xml.writeTextElement(QStringLiteral("bold"), boolText(font.bold()));
    }
    if (resolved & QFont::StyleResolved)
        m_xml.writeTextElement(QStringLiteral("italic"), boolText(font.italic()));
    if (resolved & QFont::UnderlineResolved)
        m_xml.writeTextElement(QStringLiteral("underline"), boolText(font.underline()));
    if (resolved & QFont::StrikeOutResolved)
        m_xml.writeTextElement(QStringLiteral("strikeout"), boolText(font.strikeOut()));
    if (resolved & QFont::StyleStrategyResolved) {
        const QString strategy = styleStrategyName(font.styleStrategy());
        if (strategy.isEmpty())
            m_omissions.append(QStringLiteral("font: style strategy %1").arg(int(font.styleStrategy())));
        else
            m_xml.writeTextElement(QStringLiteral("stylestrategy"), strategy);
    }
    if (resolved & QFont::KerningResolved)
        m_xml.writeTextElement(QStringLiteral("kerning"), boolText(font.kerning()));
    m_xml.writeEndElement();
}

void UiValueWriter::writePalette(const QPalette &palette)
{
    const uint resolved = palette.resolve();
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    m_xml.writeStartElement(QStringLiteral("palette"));
    const struct {
        const char *element;
        QPalette::ColorGroup group;
    } groups[] = {{"active", QPalette::Active}, {"inactive", QPalette::Inactive}, {"disabled", QPalette::Disabled}};
    for (const auto &group : groups) {
        m_xml.writeStartElement(QString::fromLatin1(group.element));
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole || !(resolved & (1u << role)))
                continue;
            m_xml.writeStartElement(QStringLiteral("colorrole"));
            m_xml.writeAttribute(QStringLiteral("role"), QString::fromLatin1(roles.valueToKey(role)));
            writeBrush(palette.brush(group.group, QPalette::ColorRole(role)));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

} // namespace quarn::layouttool
