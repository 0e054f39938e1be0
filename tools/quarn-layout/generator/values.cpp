#include "generator/values.h"

#include "common/image_index.h"
#include "uiform/ui_values.h"

#include "core/construction/named_values.h"

#include <QColor>
#include <QVector>

#include <utility>

namespace quarn::layouttool::values {

namespace {

using Kind = UiValue::Kind;

bool fail(QString *error, int line, const QString &element, const QString &why)
{
    if (error)
        *error = QStringLiteral("line %1: <%2>: %3").arg(line).arg(element, why);
    return false;
}

bool fail(QString *error, const UiValue &value, const QString &why)
{
    return fail(error, value.line, value.element(), why);
}

// A value of the construction routines under the name a form calls it by.
struct Named {
    QString name;
    UiValue value;
};

QVector<Named> namedPalettes()
{
    QVector<Named> named;
    for (const NamedPalette &palette : kNamedPalettes)
        named.append({QLatin1String(palette.name), UiValueConverter::paletteValue(palette.value())});
    return named;
}

QVector<Named> namedFonts()
{
    const ImageIndex noImages;
    QStringList omissions;
    UiValueConverter converter(noImages, omissions);
    QVector<Named> named;
    for (const NamedFont &font : kNamedFonts)
        named.append({QLatin1String(font.name), converter.fontValue(font.value())});
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

QString findNamed(const QVector<Named> &named, const UiValue &value)
{
    for (const Named &candidate : named) {
        if (candidate.value == value)
            return candidate.name;
    }
    return QString();
}

QString colourText(const QColor &colour)
{
    for (const NamedColour &candidate : kNamedColours) {
        if (candidate.value() == colour)
            return QLatin1String(candidate.name);
    }
    if (colour.alpha() == 255)
        return QStringLiteral("QColor(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
    return QStringLiteral("QColor(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

bool brushText(const UiBrush &brush, int line, QString *text, QString *error)
{
    const QString colour = colourText(brush.colour);
    if (brush.style == QLatin1String("SolidPattern"))
        *text = QStringLiteral("QBrush(%1)").arg(colour);
    else if (brush.style == QLatin1String("NoBrush"))
        *text = QStringLiteral("QBrush(%1, Qt::NoBrush)").arg(colour);
    else
        return fail(error, line, QStringLiteral("brush"),
                    QStringLiteral("brush style %1 has no form in the construction routines").arg(brush.style));
    return true;
}

QString fromList(const QStringList &list)
{
    // Picture lists the host indexes have names of their own.
    for (const NamedPictures &named : kNamedPictures) {
        if (list == named.value())
            return QString::fromLatin1(named.name);
    }
    QStringList items;
    for (const QString &item : list)
        items.append(literal(item));
    return QStringLiteral("{%1}").arg(items.join(QLatin1String(", ")));
}

QString dimension(int number)
{
    return number == 16777215 ? QStringLiteral("QWIDGETSIZE_MAX") : QString::number(number);
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
        case '?':
            // "??/" and its kin are trigraphs to a compiler that keeps them.
            out += out.endsWith(QLatin1Char('?')) ? QLatin1String("\\?") : QLatin1String("?");
            break;
        default:
            // Octal escapes take at most three digits: what follows cannot join them.
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

bool font(const UiValue &value, QString *text, QString *error)
{
    static const QVector<Named> named = namedFonts();
    const QString name = findNamed(named, value);
    if (!name.isEmpty()) {
        *text = name;
        return true;
    }
    const UiFont &font = value.font;
    const auto refuse = [&](const char *part, const QString &why) {
        return fail(error, value.line, QLatin1String(part), why);
    };
    QString chain = QStringLiteral("Font()");
    if (font.family)
        chain += QStringLiteral(".family(%1)").arg(literal(*font.family));
    if (font.pointSize)
        chain += QStringLiteral(".pointSize(%1)").arg(*font.pointSize);
    // Font has bold and normal weight only, each with the weight Qt gives it.
    if (font.weight) {
        const bool bold = font.bold.value_or(false);
        if (*font.weight != (bold ? 75 : 50))
            return refuse("weight",
                          QStringLiteral("weight %1 with bold %2 has no form in Font").arg(*font.weight).arg(bold));
        chain += bold ? QStringLiteral(".bold()") : QStringLiteral(".normalWeight()");
    }
    if (font.italic)
        chain += *font.italic ? QStringLiteral(".italic()") : QStringLiteral(".notItalic()");
    if (font.underline && !*font.underline)
        return refuse("underline", QStringLiteral("underline false has no form in Font"));
    if (font.underline)
        chain += QStringLiteral(".underline()");
    if (font.strikeOut)
        return refuse("strikeout", QStringLiteral("strikeout %1 has no form in Font").arg(*font.strikeOut));
    if (font.styleStrategy && *font.styleStrategy != QLatin1String("PreferAntialias"))
        return refuse("stylestrategy", QStringLiteral("stylestrategy %1 has no form in Font").arg(*font.styleStrategy));
    if (font.styleStrategy)
        chain += QStringLiteral(".aa()");
    if (font.kerning)
        chain += *font.kerning ? QStringLiteral(".kerning()") : QStringLiteral(".kerning(false)");
    *text = chain;
    return true;
}

// Colours keeps the active and inactive groups equal and states the disabled
// colour only where it differs; Qt derives the placeholder text itself.
bool palette(const UiValue &value, QString *text, QString *error)
{
    static const QVector<Named> named = namedPalettes();
    const QString name = findNamed(named, value);
    if (!name.isEmpty()) {
        *text = name;
        return true;
    }
    const UiPalette &groups = value.palette;
    const bool hasText = std::any_of(groups.active.cbegin(), groups.active.cend(),
                                     [](const UiColourRole &role) { return role.role == QLatin1String("Text"); });
    QString chain = QStringLiteral("Colours()");
    int i = 0;
    for (const UiColourRole &role : groups.active) {
        const UiColourRole *inactive = i < groups.inactive.size() ? &groups.inactive.at(i) : nullptr;
        const UiColourRole *disabled = i < groups.disabled.size() ? &groups.disabled.at(i) : nullptr;
        ++i;
        if (role.role == QLatin1String("PlaceholderText") && hasText && role.brush.style == QLatin1String("NoBrush"))
            continue;
        if (!inactive || !disabled || disabled->role != role.role || !(*inactive == role))
            return fail(error, role.line, QStringLiteral("colorrole"),
                        QStringLiteral("role %1 differs between the active and inactive groups, which "
                                       "Colours keeps equal")
                            .arg(role.role));
        const QString solid = QStringLiteral("SolidPattern");
        if (role.brush.style != solid || disabled->brush.style != solid)
            return fail(error, role.line, QStringLiteral("colorrole"),
                        QStringLiteral("role %1 is not a plain colour").arg(role.role));
        const QString colour = colourText(role.brush.colour);
        const QString disabledColour = colourText(disabled->brush.colour);
        if (colour == disabledColour)
            chain += QStringLiteral(".role(QPalette::%1, %2)").arg(role.role, colour);
        else
            chain += QStringLiteral(".role(QPalette::%1, %2, %3)").arg(role.role, colour, disabledColour);
    }
    if (groups.inactive.size() != i || groups.disabled.size() != i)
        return fail(error, value, QStringLiteral("the groups fill different roles, which Colours keeps equal"));
    *text = chain;
    return true;
}

bool arguments(const UiValue &value, QString *text, QString *error)
{
    const QRect &r = value.rect;
    switch (value.kind) {
    case Kind::Number:
        *text = QString::number(value.integer);
        return true;
    case Kind::Double:
        *text = QString::number(value.real, 'g', 17);
        return true;
    case Kind::Enum:
        *text = value.text.trimmed();
        return true;
    case Kind::UInt:
        *text = QString::number(value.integer) + QLatin1Char('u');
        return true;
    case Kind::Bool:
        *text = value.boolean ? QStringLiteral("true") : QStringLiteral("false");
        return true;
    case Kind::String:
    case Kind::CString:
    case Kind::Pixmap:
        *text = literal(value.text);
        return true;
    case Kind::Set: {
        QStringList keys = value.text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (QString &key : keys)
            key = key.trimmed();
        if (keys == QStringList{QStringLiteral("0")})
            keys.clear();
        *text = keys.isEmpty() ? QStringLiteral("{}") : keys.join(QLatin1String(" | "));
        return true;
    }
    case Kind::Color:
        *text = colourText(value.colour);
        return true;
    case Kind::Brush:
        return brushText(value.brush, value.line, text, error);
    case Kind::Point:
        *text = QStringLiteral("%1, %2").arg(r.x()).arg(r.y());
        return true;
    case Kind::Size:
        *text = QStringLiteral("%1, %2").arg(dimension(r.width()), dimension(r.height()));
        return true;
    case Kind::Rect:
        *text = QStringLiteral("%1, %2, %3, %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        return true;
    case Kind::StringList:
        *text = fromList(value.list);
        return true;
    case Kind::Locale:
        *text = QStringLiteral("QLocale(QLocale::%1, QLocale::%2)").arg(value.language, value.country);
        return true;
    case Kind::Font:
        return font(value, text, error);
    case Kind::Palette:
        return palette(value, text, error);
    case Kind::IconSet: {
        // A two-state icon: the picture off and the picture on.
        QString off, on;
        for (const auto &picture : value.icon) {
            if (picture.first == QLatin1String("normaloff"))
                off = picture.second;
            else if (picture.first == QLatin1String("normalon"))
                on = picture.second;
        }
        if (value.icon.size() != 2 || off.isNull() || on.isNull())
            return fail(error, value,
                        QStringLiteral("only an icon of normal off and on pictures has a form (toggleIcon)"));
        *text = QStringLiteral("%1, %2").arg(literal(off), literal(on));
        return true;
    }
    case Kind::SizePolicy: {
        const UiSizePolicy &policy = value.sizePolicy;
        *text = QStringLiteral("QSizePolicy::%1, QSizePolicy::%2").arg(policy.horizontal, policy.vertical);
        if (policy.horizontalStretch != 0 || policy.verticalStretch != 0)
            *text += QStringLiteral(", %1, %2").arg(policy.horizontalStretch).arg(policy.verticalStretch);
        return true;
    }
    case Kind::Unknown:
        break;
    }
    return fail(error, value, QStringLiteral("a value the construction routines have no form for"));
}

bool expression(const UiValue &value, QString *text, QString *error)
{
    QString plain;
    if (!arguments(value, &plain, error))
        return false;
    switch (value.kind) {
    case Kind::String:
        *text = QStringLiteral("QStringLiteral(%1)").arg(plain);
        break;
    case Kind::CString:
        *text = QStringLiteral("QByteArray(%1)").arg(plain);
        break;
    case Kind::Point:
        *text = QStringLiteral("QPoint(%1)").arg(plain);
        break;
    case Kind::Size:
        *text = QStringLiteral("QSize(%1)").arg(plain);
        break;
    case Kind::Rect:
        *text = QStringLiteral("QRect(%1)").arg(plain);
        break;
    case Kind::StringList:
        *text = plain.startsWith(QLatin1Char('{')) ? QStringLiteral("QStringList%1").arg(plain) : plain;
        break;
    case Kind::Color:
        *text = plain.startsWith(QLatin1String("QColor")) ? plain : QStringLiteral("QColor(%1)").arg(plain);
        break;
    case Kind::Font:
        *text = QStringLiteral("QFont(%1)").arg(plain);
        break;
    case Kind::Palette:
        *text = writtenBare(plain) ? plain : QStringLiteral("QPalette(%1)").arg(plain);
        break;
    case Kind::Double:
        *text = QStringLiteral("double(%1)").arg(plain);
        break;
    default:
        *text = plain;
        break;
    }
    return true;
}

} // namespace quarn::layouttool::values
