#include "generator/passes.h"
#include "uiform/kept_settings.h"

#include "core/qt_compat.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace quarn::layouttool::generator {

namespace {

using Kind = UiValue::Kind;

bool holds(const UiLayout &layout, const UiWidget &widget)
{
    return std::any_of(layout.items.cbegin(), layout.items.cend(), [&](const UiLayoutItem &item) {
        return item.widget.get() == &widget || (item.layout && holds(*item.layout, widget));
    });
}

// Designer places such a widget itself and writes no geometry of its own for
// it, or only the size it fitted it to.
bool isSizedByDesigner(const UiWidget &widget)
{
    const UiWidget *parent = widget.parent;
    if (!parent)
        return false;
    if (parent->layout && holds(*parent->layout, widget))
        return true;
    const UiProperty *resizable = parent->property(QStringLiteral("widgetResizable"));
    return isScrollContent(widget) && resizable && resizable->value.kind == Kind::Bool && resizable->value.boolean;
}

// The font Designer's widget gave the document, as its html's body names it.
QFont bodyFont(const QString &html)
{
    static const QRegularExpression body(QStringLiteral("<body style=\"([^\"]*)\">"));
    static const QRegularExpression family(QStringLiteral("font-family:'([^']*)'"));
    static const QRegularExpression size(QStringLiteral("font-size:(\\d+)(pt|px)"));
    static const QRegularExpression weight(QStringLiteral("font-weight:(\\d+)"));
    const QString style = body.match(html).captured(1);
    QFont font;
    if (const QRegularExpressionMatch match = family.match(style); match.hasMatch())
        font.setFamily(match.captured(1));
    if (const QRegularExpressionMatch match = size.match(style); match.hasMatch()) {
        const int value = match.captured(1).toInt();
        if (value > 0 && match.captured(2) == QLatin1String("pt"))
            font.setPointSize(value);
        else if (value > 0)
            font.setPixelSize(value);
    }
    if (const QRegularExpressionMatch match = weight.match(style); match.hasMatch())
        qt::setStyleSheetWeight(font, qBound(1, match.captured(1).toInt(), 1000));
    font.setItalic(style.contains(QLatin1String("font-style:italic")));
    return font;
}

// What Designer writes for the form's html is that html read into its
// widget's document and written out again.
bool isDesignersSpelling(const QString &written, const QString &kept)
{
    QTextDocument document;
    document.setDefaultFont(bodyFont(written));
    document.setHtml(kept);
    return document.toHtml() == written;
}

class KeptSettings
{
public:
    bool restore(UiWidget &widget, QString *error)
    {
        const UiProperty *geometry = nullptr;
        const UiProperty *html = nullptr;
        for (const UiProperty &property : widget.properties) {
            const bool isGeometry = property.byName && property.name == QLatin1String(kKeptGeometry);
            const bool isHtml = property.byName && property.name == QLatin1String(kKeptHtml);
            if (!isGeometry && !isHtml)
                continue;
            const UiProperty *&kept = isGeometry ? geometry : html;
            const Kind kind = isGeometry ? Kind::Rect : Kind::String;
            if (kept)
                return refuse(property, QStringLiteral("set twice"), error);
            if (property.value.kind != kind)
                return refuse(
                    property,
                    QStringLiteral("is a <%1> the export keeps for Designer, not a <%2>")
                        .arg(isGeometry ? QStringLiteral("rect") : QStringLiteral("string"), property.value.element()),
                    error);
            kept = &property;
        }
        const std::optional<UiValue> keptGeometry = geometry ? std::optional(geometry->value) : std::nullopt;
        const std::optional<QString> keptHtml = html ? std::optional(html->value.text) : std::nullopt;
        widget.properties.erase(std::remove_if(widget.properties.begin(), widget.properties.end(),
                                               [](const UiProperty &p) {
                                                   return p.byName
                                                       && (p.name == QLatin1String(kKeptGeometry)
                                                           || p.name == QLatin1String(kKeptHtml));
                                               }),
                                widget.properties.end());
        if (keptGeometry && isSizedByDesigner(widget))
            setGeometry(widget, *keptGeometry);
        if (keptHtml)
            restoreHtml(widget, *keptHtml);
        for (const auto &child : widget.children) {
            if (!restore(*child, error))
                return false;
        }
        return !widget.layout || restore(*widget.layout, error);
    }

private:
    bool restore(UiLayout &layout, QString *error)
    {
        for (UiLayoutItem &item : layout.items) {
            if ((item.widget && !restore(*item.widget, error)) || (item.layout && !restore(*item.layout, error)))
                return false;
        }
        return true;
    }

    static bool refuse(const UiProperty &property, const QString &why, QString *error)
    {
        *error = refusal(elementOf(property), why);
        return false;
    }

    // The form's geometry stands first, where the export writes it.
    static void setGeometry(UiWidget &widget, const UiValue &rect)
    {
        for (UiProperty &property : widget.properties) {
            if (!property.byName && property.name == QLatin1String("geometry")) {
                property.value = rect;
                return;
            }
        }
        widget.properties.prepend({QStringLiteral("geometry"), false, rect, rect.line});
    }

    // Designer's text stands where the designer changed the document.
    static void restoreHtml(UiWidget &widget, const QString &kept)
    {
        for (UiProperty &property : widget.properties) {
            if (!property.byName && property.name == QLatin1String("html") && property.value.kind == Kind::String
                && property.value.text != kept && isDesignersSpelling(property.value.text, kept)) {
                property.value.text = kept;
            }
        }
    }
};

} // namespace

bool restoreKeptSettings(UiForm &form, QString *error)
{
    return !form.root || KeptSettings().restore(*form.root, error);
}

} // namespace quarn::layouttool::generator
