#include "uiform/ui_model.h"

#include "uiform/ui_model_io.h"

namespace quarn::layouttool {

namespace {

using Kind = UiValue::Kind;

const QPair<Kind, const char *> kElements[] = {
    {Kind::Bool, "bool"},
    {Kind::Number, "number"},
    {Kind::UInt, "uInt"},
    {Kind::Double, "double"},
    {Kind::String, "string"},
    {Kind::StringList, "stringlist"},
    {Kind::CString, "cstring"},
    {Kind::Enum, "enum"},
    {Kind::Set, "set"},
    {Kind::Point, "point"},
    {Kind::Size, "size"},
    {Kind::Rect, "rect"},
    {Kind::Color, "color"},
    {Kind::Brush, "brush"},
    {Kind::Font, "font"},
    {Kind::Palette, "palette"},
    {Kind::Pixmap, "pixmap"},
    {Kind::IconSet, "iconset"},
    {Kind::SizePolicy, "sizepolicy"},
    {Kind::Locale, "locale"},
};

} // namespace

// In any case, as uic reads them: Designer writes <UInt> where Qt's own
// forms have <uInt>.
UiValue::Kind uimodel::kindOfElement(QStringView element)
{
    for (const auto &known : kElements) {
        if (element.compare(QLatin1String(known.second), Qt::CaseInsensitive) == 0)
            return known.first;
    }
    return Kind::Unknown;
}

QString UiElement::quoted() const
{
    QString where = QStringLiteral("<%1").arg(tag);
    if (!name.isEmpty())
        where += QStringLiteral(" name=\"%1\"").arg(name);
    return where + QLatin1Char('>');
}

bool UiFont::operator==(const UiFont &o) const
{
    return family == o.family && pointSize == o.pointSize && weight == o.weight && bold == o.bold && italic == o.italic
        && underline == o.underline && strikeOut == o.strikeOut && styleStrategy == o.styleStrategy
        && kerning == o.kerning;
}

QString UiValue::element() const
{
    for (const auto &element : kElements) {
        if (element.first == kind)
            return QLatin1String(element.second);
    }
    return tag;
}

bool UiValue::operator==(const UiValue &o) const
{
    if (kind != o.kind)
        return false;
    switch (kind) {
    case Kind::Unknown:
        return tag == o.tag;
    case Kind::Bool:
        return boolean == o.boolean;
    case Kind::Number:
    case Kind::UInt:
        return integer == o.integer;
    case Kind::Double:
        return real == o.real;
    case Kind::String:
        return text == o.text && notr == o.notr && comment == o.comment && extraComment == o.extraComment;
    case Kind::StringList:
        return list == o.list && notr == o.notr;
    case Kind::CString:
    case Kind::Enum:
    case Kind::Set:
    case Kind::Pixmap:
        return text == o.text;
    case Kind::Point:
    case Kind::Size:
    case Kind::Rect:
        return rect == o.rect;
    case Kind::Color:
        return colour == o.colour;
    case Kind::Brush:
        return brush == o.brush;
    case Kind::Font:
        return font == o.font;
    case Kind::Palette:
        return palette == o.palette;
    case Kind::IconSet:
        return icon == o.icon;
    case Kind::SizePolicy:
        return sizePolicy == o.sizePolicy;
    case Kind::Locale:
        return language == o.language && country == o.country;
    }
    return false;
}

UiValue UiValue::ofBool(bool on)
{
    UiValue value;
    value.kind = Kind::Bool;
    value.boolean = on;
    return value;
}

UiValue UiValue::ofNumber(qint64 number)
{
    UiValue value;
    value.kind = Kind::Number;
    value.integer = number;
    return value;
}

UiValue UiValue::ofText(Kind kind, const QString &text)
{
    UiValue value;
    value.kind = kind;
    value.text = text;
    return value;
}

UiValue UiValue::ofString(const QString &text, bool notr)
{
    UiValue value = ofText(Kind::String, text);
    value.notr = notr;
    return value;
}

UiValue UiValue::ofRect(const QRect &rect)
{
    UiValue value;
    value.kind = Kind::Rect;
    value.rect = rect;
    return value;
}

UiValue UiValue::ofSize(int width, int height)
{
    UiValue value;
    value.kind = Kind::Size;
    value.rect = QRect(0, 0, width, height);
    return value;
}

QString UiLayoutItem::fieldName() const
{
    return widget ? widget->name : layout ? layout->name : spacer ? spacer->name : QString();
}

const UiProperty *UiWidget::property(const QString &name) const
{
    for (const UiProperty &property : properties) {
        if (property.name == name)
            return &property;
    }
    return nullptr;
}

bool UiForm::read(const QByteArray &ui, QString *error)
{
    *this = UiForm();
    return uimodel::read(ui, *this, error);
}

QByteArray UiForm::write() const
{
    return uimodel::write(*this);
}

} // namespace quarn::layouttool
