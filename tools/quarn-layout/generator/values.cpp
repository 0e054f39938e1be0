#include "generator/values.h"

#include "common/image_index.h"
#include "uiform/value_writer.h"

#include "core/construction/named_values.h"

#include <QBuffer>
#include <QColor>
#include <QDomDocument>
#include <QVector>
#include <QXmlStreamWriter>

#include <functional>
#include <utility>

namespace quarn::layouttool::values {

namespace {

QString childText(const QDomElement &element, const char *name)
{
    return element.firstChildElement(QLatin1String(name)).text();
}

QString fail(QString *error, const QDomElement &element, const QString &why)
{
    if (error)
        *error = QStringLiteral("line %1: <%2>: %3").arg(element.lineNumber()).arg(element.tagName(), why);
    return QString();
}

// The element a property writer makes for a value, for comparing with a form's.
QDomElement written(const std::function<void(UiValueWriter &)> &write, QDomDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    const ImageIndex images;
    QStringList omissions;
    UiValueWriter writer(xml, images, omissions);
    write(writer);
    buffer.close();
    document.setContent(bytes);
    return document.documentElement().firstChildElement();
}

struct Named {
    QString name;
    QString signature;
};

QVector<Named> namedPalettes()
{
    QVector<Named> named;
    for (const NamedPalette &palette : kNamedPalettes) {
        QDomDocument document;
        const QPalette value = palette.value();
        named.append({QLatin1String(palette.name),
                      signature(written([&](UiValueWriter &w) { w.writePaletteProperty(value); }, document))});
    }
    return named;
}

QVector<Named> namedFonts()
{
    QVector<Named> named;
    for (const NamedFont &font : kNamedFonts) {
        QDomDocument document;
        const QFont value = font.value();
        named.append({QLatin1String(font.name),
                      signature(written([&](UiValueWriter &w) { w.writeFontProperty(value); }, document))});
    }
    return named;
}

// Named palettes a form writes as they are, not wrapped in QPalette(...).
bool writtenBare(const QString &name)
{
    for (const NamedPalette &palette : kNamedPalettes) {
        if (palette.bare && name == QLatin1String(palette.name))
            return true;
    }
    return false;
}

QString findNamed(const QVector<Named> &named, const QDomElement &value)
{
    const QString wanted = signature(value);
    for (const Named &candidate : named) {
        if (candidate.signature == wanted)
            return candidate.name;
    }
    return QString();
}

QString colourText(const QDomElement &color)
{
    const int alpha = color.attribute(QStringLiteral("alpha"), QStringLiteral("255")).toInt();
    const int red = childText(color, "red").toInt();
    const int green = childText(color, "green").toInt();
    const int blue = childText(color, "blue").toInt();
    const QColor colour(red, green, blue, alpha);
    for (const NamedColour &candidate : kNamedColours) {
        if (candidate.value() == colour)
            return QLatin1String(candidate.name);
    }
    if (alpha == 255)
        return QStringLiteral("QColor(%1, %2, %3)").arg(red).arg(green).arg(blue);
    return QStringLiteral("QColor(%1, %2, %3, %4)").arg(red).arg(green).arg(blue).arg(alpha);
}

QString brushText(const QDomElement &brush, QString *error)
{
    const QString style = brush.attribute(QStringLiteral("brushstyle"), QStringLiteral("SolidPattern"));
    const QString colour = colourText(brush.firstChildElement(QStringLiteral("color")));
    if (style == QLatin1String("SolidPattern"))
        return QStringLiteral("QBrush(%1)").arg(colour);
    if (style == QLatin1String("NoBrush"))
        return QStringLiteral("QBrush(%1, Qt::NoBrush)").arg(colour);
    return fail(error, brush, QStringLiteral("brush style %1 has no form in the construction routines").arg(style));
}

QDomElement findRole(const QDomElement &group, const QString &name)
{
    for (QDomElement role = group.firstChildElement(QStringLiteral("colorrole")); !role.isNull();
         role = role.nextSiblingElement(QStringLiteral("colorrole"))) {
        if (role.attribute(QStringLiteral("role")) == name)
            return role;
    }
    return QDomElement();
}

bool fromList(const QDomElement &list, QString *text)
{
    QStringList items;
    QStringList plain;
    for (QDomElement item = list.firstChildElement(QStringLiteral("string")); !item.isNull();
         item = item.nextSiblingElement(QStringLiteral("string"))) {
        items.append(literal(item.text()));
        plain.append(item.text());
    }
    // Picture lists the host indexes have names of their own.
    for (const NamedPictures &named : kNamedPictures) {
        if (plain == named.value()) {
            *text = QString::fromLatin1(named.name);
            return true;
        }
    }
    *text = QStringLiteral("{%1}").arg(items.join(QLatin1String(", ")));
    return true;
}

} // namespace

QString literal(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

QDomElement valueOf(const QDomElement &property)
{
    return property.firstChildElement();
}

QString signature(const QDomElement &element)
{
    QString text = QLatin1Char('<') + element.tagName();
    const QDomNamedNodeMap attributes = element.attributes();
    QStringList pairs;
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        pairs.append(attribute.name() + QLatin1Char('=') + attribute.value());
    }
    pairs.sort();
    text += QLatin1Char(' ') + pairs.join(QLatin1Char(' ')) + QLatin1Char('>');
    const QDomElement first = element.firstChildElement();
    if (first.isNull()) {
        text += element.text();
    } else {
        for (QDomElement child = first; !child.isNull(); child = child.nextSiblingElement())
            text += signature(child);
    }
    return text + QLatin1String("</>");
}

bool font(const QDomElement &value, QString *text, QString *error)
{
    static const QVector<Named> named = namedFonts();
    const QString name = findNamed(named, value);
    if (!name.isEmpty()) {
        *text = name;
        return true;
    }
    QString chain = QStringLiteral("Font()");
    for (QDomElement part = value.firstChildElement(); !part.isNull(); part = part.nextSiblingElement()) {
        const QString tag = part.tagName();
        const QString content = part.text();
        const bool on = content == QLatin1String("true");
        if (tag == QLatin1String("family")) {
            chain += QStringLiteral(".family(%1)").arg(literal(content));
        } else if (tag == QLatin1String("pointsize")) {
            chain += QStringLiteral(".pointSize(%1)").arg(content);
        } else if (tag == QLatin1String("weight")) {
            const bool bold = childText(value, "bold") == QLatin1String("true");
            if (content == QLatin1String(bold ? "75" : "50")) {
                chain += bold ? QStringLiteral(".bold()") : QStringLiteral(".normalWeight()");
            } else {
                fail(error, part, QStringLiteral("weight %1 with bold %2 has no form in Font").arg(content).arg(bold));
                return false;
            }
        } else if (tag == QLatin1String("bold")) {
            if (value.firstChildElement(QStringLiteral("weight")).isNull()) {
                fail(error, part, QStringLiteral("bold without a weight has no form in Font"));
                return false;
            }
        } else if (tag == QLatin1String("italic")) {
            chain += on ? QStringLiteral(".italic()") : QStringLiteral(".notItalic()");
        } else if (tag == QLatin1String("underline") && on) {
            chain += QStringLiteral(".underline()");
        } else if (tag == QLatin1String("kerning")) {
            chain += on ? QStringLiteral(".kerning()") : QStringLiteral(".kerning(false)");
        } else if (tag == QLatin1String("stylestrategy") && content == QLatin1String("PreferAntialias")) {
            chain += QStringLiteral(".aa()");
        } else {
            fail(error, part, QStringLiteral("%1 %2 has no form in Font").arg(tag, content));
            return false;
        }
    }
    *text = chain;
    return true;
}

bool palette(const QDomElement &value, QString *text, QString *error)
{
    static const QVector<Named> named = namedPalettes();
    const QString name = findNamed(named, value);
    if (!name.isEmpty()) {
        *text = name;
        return true;
    }
    const QDomElement active = value.firstChildElement(QStringLiteral("active"));
    const QDomElement inactive = value.firstChildElement(QStringLiteral("inactive"));
    const QDomElement disabled = value.firstChildElement(QStringLiteral("disabled"));
    QString chain = QStringLiteral("Colours()");
    QDomElement inactiveRole = inactive.firstChildElement(QStringLiteral("colorrole"));
    QDomElement disabledRole = disabled.firstChildElement(QStringLiteral("colorrole"));
    const bool hasText = !findRole(active, QStringLiteral("Text")).isNull();
    for (QDomElement role = active.firstChildElement(QStringLiteral("colorrole")); !role.isNull();
         role = role.nextSiblingElement(QStringLiteral("colorrole"))) {
        const QString roleName = role.attribute(QStringLiteral("role"));
        // Qt derives the placeholder from the text colour itself.
        if (roleName == QLatin1String("PlaceholderText") && hasText
            && role.firstChildElement(QStringLiteral("brush")).attribute(QStringLiteral("brushstyle"))
                == QLatin1String("NoBrush")) {
            inactiveRole = inactiveRole.nextSiblingElement(QStringLiteral("colorrole"));
            disabledRole = disabledRole.nextSiblingElement(QStringLiteral("colorrole"));
            continue;
        }
        if (inactiveRole.attribute(QStringLiteral("role")) != roleName
            || disabledRole.attribute(QStringLiteral("role")) != roleName
            || signature(role) != signature(inactiveRole)) {
            fail(error, role,
                 QStringLiteral("role %1 differs between the active and inactive groups, which "
                                "Colours keeps equal")
                     .arg(roleName));
            return false;
        }
        const QDomElement brush = role.firstChildElement(QStringLiteral("brush"));
        const QDomElement disabledBrush = disabledRole.firstChildElement(QStringLiteral("brush"));
        const QString solid = QStringLiteral("SolidPattern");
        if (brush.attribute(QStringLiteral("brushstyle"), solid) != solid
            || disabledBrush.attribute(QStringLiteral("brushstyle"), solid) != solid) {
            fail(error, role, QStringLiteral("role %1 is not a plain colour").arg(roleName));
            return false;
        }
        const QString colour = colourText(brush.firstChildElement(QStringLiteral("color")));
        const QString disabledColour = colourText(disabledBrush.firstChildElement(QStringLiteral("color")));
        if (colour == disabledColour)
            chain += QStringLiteral(".role(QPalette::%1, %2)").arg(roleName, colour);
        else
            chain += QStringLiteral(".role(QPalette::%1, %2, %3)").arg(roleName, colour, disabledColour);
        inactiveRole = inactiveRole.nextSiblingElement(QStringLiteral("colorrole"));
        disabledRole = disabledRole.nextSiblingElement(QStringLiteral("colorrole"));
    }
    if (!inactiveRole.isNull() || !disabledRole.isNull()) {
        fail(error, value, QStringLiteral("the groups fill different roles, which Colours keeps equal"));
        return false;
    }
    *text = chain;
    return true;
}

bool arguments(const QDomElement &value, QString *text, QString *error)
{
    const QString tag = value.tagName();
    if (tag == QLatin1String("number") || tag == QLatin1String("double") || tag == QLatin1String("enum")) {
        *text = value.text();
    } else if (tag == QLatin1String("uInt")) {
        *text = value.text() + QLatin1Char('u');
    } else if (tag == QLatin1String("bool")) {
        *text = value.text() == QLatin1String("true") ? QStringLiteral("true") : QStringLiteral("false");
    } else if (tag == QLatin1String("string") || tag == QLatin1String("cstring") || tag == QLatin1String("pixmap")) {
        *text = literal(value.text());
    } else if (tag == QLatin1String("set")) {
        QStringList keys = value.text().split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (QString &key : keys)
            key = key.trimmed();
        if (keys == QStringList{QStringLiteral("0")})
            keys.clear();
        *text = keys.isEmpty() ? QStringLiteral("{}") : keys.join(QLatin1String(" | "));
    } else if (tag == QLatin1String("color")) {
        *text = colourText(value);
    } else if (tag == QLatin1String("brush")) {
        *text = brushText(value, error);
        return !text->isEmpty();
    } else if (tag == QLatin1String("point")) {
        *text = QStringLiteral("%1, %2").arg(childText(value, "x"), childText(value, "y"));
    } else if (tag == QLatin1String("size")) {
        const auto dimension = [&](const char *name) {
            const QString number = childText(value, name);
            return number == QLatin1String("16777215") ? QStringLiteral("QWIDGETSIZE_MAX") : number;
        };
        *text = QStringLiteral("%1, %2").arg(dimension("width"), dimension("height"));
    } else if (tag == QLatin1String("rect")) {
        *text = QStringLiteral("%1, %2, %3, %4")
                    .arg(childText(value, "x"), childText(value, "y"), childText(value, "width"),
                         childText(value, "height"));
    } else if (tag == QLatin1String("stringlist")) {
        return fromList(value, text);
    } else if (tag == QLatin1String("locale")) {
        *text = QStringLiteral("QLocale(QLocale::%1, QLocale::%2)")
                    .arg(value.attribute(QStringLiteral("language")), value.attribute(QStringLiteral("country")));
    } else if (tag == QLatin1String("font")) {
        return font(value, text, error);
    } else if (tag == QLatin1String("palette")) {
        return palette(value, text, error);
    } else if (tag == QLatin1String("iconset")) {
        // A two-state icon: the picture off and the picture on.
        const QDomElement off = value.firstChildElement(QStringLiteral("normaloff"));
        const QDomElement on = value.firstChildElement(QStringLiteral("normalon"));
        if (off.isNull() || on.isNull() || value.childNodes().count() != 2) {
            fail(error, value, QStringLiteral("only an icon of normal off and on pictures has a form (toggleIcon)"));
            return false;
        }
        *text = QStringLiteral("%1, %2").arg(literal(off.text()), literal(on.text()));
    } else if (tag == QLatin1String("sizepolicy")) {
        *text = QStringLiteral("QSizePolicy::%1, QSizePolicy::%2")
                    .arg(value.attribute(QStringLiteral("hsizetype")), value.attribute(QStringLiteral("vsizetype")));
        const QString horizontal = childText(value, "horstretch");
        const QString vertical = childText(value, "verstretch");
        if (horizontal != QLatin1String("0") || vertical != QLatin1String("0"))
            *text += QStringLiteral(", %1, %2").arg(horizontal, vertical);
    } else {
        fail(error, value, QStringLiteral("a value the construction routines have no form for"));
        return false;
    }
    return true;
}

bool expression(const QDomElement &value, QString *text, QString *error)
{
    const QString tag = value.tagName();
    QString plain;
    if (!arguments(value, &plain, error))
        return false;
    if (tag == QLatin1String("string"))
        *text = QStringLiteral("QStringLiteral(%1)").arg(plain);
    else if (tag == QLatin1String("cstring"))
        *text = QStringLiteral("QByteArray(%1)").arg(plain);
    else if (tag == QLatin1String("point"))
        *text = QStringLiteral("QPoint(%1)").arg(plain);
    else if (tag == QLatin1String("size"))
        *text = QStringLiteral("QSize(%1)").arg(plain);
    else if (tag == QLatin1String("rect"))
        *text = QStringLiteral("QRect(%1)").arg(plain);
    else if (tag == QLatin1String("stringlist"))
        *text = plain.startsWith(QLatin1Char('{')) ? QStringLiteral("QStringList%1").arg(plain) : plain;
    else if (tag == QLatin1String("color") && !plain.startsWith(QLatin1String("QColor")))
        *text = QStringLiteral("QColor(%1)").arg(plain);
    else if (tag == QLatin1String("font"))
        *text = QStringLiteral("QFont(%1)").arg(plain);
    else if (tag == QLatin1String("palette"))
        *text = writtenBare(plain) ? plain : QStringLiteral("QPalette(%1)").arg(plain);
    else if (tag == QLatin1String("double"))
        *text = QStringLiteral("double(%1)").arg(plain);
    else
        *text = plain;
    return true;
}

} // namespace quarn::layouttool::values
