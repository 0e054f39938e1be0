// The validate pass: what of a Designer form the construction routines can
// make at all, checked before anything is matched or written. A .ui file is
// untrusted input, so every name that becomes C++ text is checked here, and
// whatever a form may not hold is refused rather than dropped. Each refusal
// names the element and its line; of several, the first in the file is told.

#include "generator/passes.h"

#include <QSet>

#include <limits>

namespace quarn::layouttool::generator {

namespace {

// Designer's own ids are C++ names; anything else would not compile as a field.
bool isIdentifier(const QString &name)
{
    if (name.isEmpty() || name.at(0).isDigit())
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

class Validator
{
public:
    explicit Validator(const UiForm &form)
        : m_form(form)
    {
        for (const UiCustomWidget &custom : form.customWidgets)
            m_declared.insert(custom.className);
    }

    bool run(QString *error)
    {
        for (const UiElement &element : m_form.foreign) {
            if (element.tag == QLatin1String("widget"))
                refuse(element, QStringLiteral("a second top-level widget"));
            else if (element.tag == QLatin1String("resources") || element.tag == QLatin1String("layoutdefault")
                     || element.tag == QLatin1String("tabstops"))
                refuse(element, QStringLiteral("forms hold no %1").arg(element.tag));
            else
                refuse(element, QStringLiteral("not something a form can hold"));
        }
        if (!m_form.connections.isEmpty())
            refuse({QStringLiteral("connections"), QString(), m_form.connectionsLine},
                   QStringLiteral("forms hold no connections"));
        if (!m_form.root) {
            refuseAt(m_form.line, QStringLiteral("no widget"));
        } else {
            const QString className = formClassName(m_form);
            if (!isIdentifier(className))
                refuseAt(m_form.line, QStringLiteral("the class name %1 is no C++ name").arg(className));
            if (m_form.root->className != QLatin1String("QWidget"))
                refuse(elementOf(*m_form.root),
                       QStringLiteral("the root is a %1; a host root is a QWidget").arg(m_form.root->className));
            checkWidget(*m_form.root);
        }
        if (m_first.isEmpty())
            return true;
        *error = m_first;
        return false;
    }

private:
    void refuseAt(int line, const QString &why)
    {
        if (line < m_firstLine || m_first.isEmpty()) {
            m_firstLine = line;
            m_first = QStringLiteral("line %1: %2").arg(line).arg(why);
        }
    }
    void refuse(const UiElement &element, const QString &why)
    {
        if (element.line < m_firstLine || m_first.isEmpty()) {
            m_firstLine = element.line;
            m_first = refusal(element, why);
        }
    }

    void claimName(const UiElement &element)
    {
        if (!isIdentifier(element.name))
            refuse(element, QStringLiteral("the name \"%1\" is no C++ name").arg(element.name));
        else if (m_names.contains(element.name))
            refuse(element, QStringLiteral("the name %1 is taken by another object").arg(element.name));
        m_names.insert(element.name);
    }

    // Every class a field has must come with a header: Qt's own, or the one
    // <customwidgets> names.
    void checkHeader(const UiElement &element, const QString &className)
    {
        if (!m_declared.contains(className) && !className.startsWith(QLatin1Char('Q')))
            refuse(element, QStringLiteral("no header declares the class %1 of %2").arg(className, element.name));
    }

    void checkValues(const QVector<UiProperty> &properties)
    {
        for (const UiProperty &property : properties) {
            if (!property.hasValue())
                refuse(elementOf(property), QStringLiteral("a property without a value"));
            else if (property.value.kind == UiValue::Kind::Unknown)
                refuse({property.value.tag, QString(), property.value.line},
                       QStringLiteral("a value the construction routines have no form for"));
        }
    }

    void checkWidget(const UiWidget &widget)
    {
        const UiElement element = elementOf(widget);
        if (!isIdentifier(widget.className)) {
            refuse(element, QStringLiteral("the class \"%1\" is no C++ name").arg(widget.className));
            return;
        }
        if (&widget != m_form.root.get()) {
            claimName(element);
            checkHeader(element, widget.className);
        }
        checkValues(widget.properties);
        for (const UiElement &part : widget.foreign) {
            if (part.tag == QLatin1String("layout"))
                refuse(part, QStringLiteral("a second layout on %1").arg(widget.name));
            else
                refuse(part, QStringLiteral("not something a form's widget can hold"));
        }
        if (widget.className.endsWith(QLatin1String("ScrollArea")) && widget.children.size() > 1)
            refuse(element, QStringLiteral("a scroll area shows one content widget"));
        QStringList created;
        if (widget.layout) {
            checkLayout(*widget.layout, &created);
        }
        for (const auto &child : widget.children) {
            checkWidget(*child);
            created.append(child->name);
        }
        for (const QString &name : widget.zorder) {
            if (!created.contains(name))
                refuse(element, QStringLiteral("the stacking names %1, no child of %2").arg(name, widget.name));
        }
    }

    // The settings layout() and the member routines have: spacings and
    // margins as numbers, stretch factors in a box.
    void checkLayout(const UiLayout &layout, QStringList *laidOut)
    {
        static const QSet<QString> classes = {QStringLiteral("QHBoxLayout"), QStringLiteral("QVBoxLayout"),
                                              QStringLiteral("QGridLayout"), QStringLiteral("QFormLayout")};
        static const QSet<QString> numbers = {QStringLiteral("spacing"),         QStringLiteral("horizontalSpacing"),
                                              QStringLiteral("verticalSpacing"), QStringLiteral("leftMargin"),
                                              QStringLiteral("topMargin"),       QStringLiteral("rightMargin"),
                                              QStringLiteral("bottomMargin")};
        const UiElement element = elementOf(layout);
        if (!classes.contains(layout.className)) {
            refuse(element, QStringLiteral("a %1 is no layout the construction routines make").arg(layout.className));
            return;
        }
        claimName(element);
        checkValues(layout.properties);
        const bool box = layout.className.endsWith(QLatin1String("BoxLayout"));
        for (const UiProperty &property : layout.properties) {
            if (property.byName)
                refuse(elementOf(property),
                       QStringLiteral("of %1: layouts take no properties by name").arg(layout.name));
            else if (property.value.kind == UiValue::Kind::Number && !numbers.contains(property.name))
                refuse(element,
                       QStringLiteral("the layout setting %1 has no form in the construction routines")
                           .arg(property.name));
        }
        for (const auto &attribute : layout.attributes) {
            if (attribute.first != QLatin1String("stretch") || !box)
                refuse(element,
                       QStringLiteral("the layout setting %1 has no form in the construction routines")
                           .arg(attribute.first));
        }
        for (const UiElement &part : layout.foreign)
            refuse(part, QStringLiteral("not something a layout can hold"));
        for (const UiLayoutItem &item : layout.items) {
            const UiElement cell{QStringLiteral("item"), QString(), item.line};
            for (const auto &attribute : item.otherAttributes)
                refuse(cell,
                       QStringLiteral("the item setting %1 has no form in the construction routines")
                           .arg(attribute.first));
            if (item.widget) {
                checkWidget(*item.widget);
                laidOut->append(item.widget->name);
            } else if (item.layout) {
                checkLayout(*item.layout, laidOut);
            } else if (item.spacer) {
                checkSpacer(*item.spacer);
            } else {
                refuse(cell, QStringLiteral("an empty layout item"));
            }
        }
    }

    void checkSpacer(const UiSpacer &spacer)
    {
        claimName({QStringLiteral("spacer"), spacer.name, spacer.line});
        checkValues(spacer.properties);
        for (const UiProperty &property : spacer.properties) {
            if (property.name != QLatin1String("orientation") && property.name != QLatin1String("sizeType")
                && property.name != QLatin1String("sizeHint"))
                refuse(elementOf(property),
                       QStringLiteral("of %1: a spacer setting the routines lack").arg(spacer.name));
        }
    }

    const UiForm &m_form;
    QSet<QString> m_declared;
    QSet<QString> m_names;
    QString m_first;
    int m_firstLine = std::numeric_limits<int>::max();
};

} // namespace

QString refusal(const UiElement &element, const QString &why)
{
    return QStringLiteral("line %1: %2: %3").arg(element.line).arg(element.quoted(), why);
}

UiElement elementOf(const UiWidget &widget)
{
    return {QStringLiteral("widget"), widget.name, widget.line};
}

UiElement elementOf(const UiLayout &layout)
{
    return {QStringLiteral("layout"), layout.name, layout.line};
}

UiElement elementOf(const UiProperty &property)
{
    return {QStringLiteral("property"), property.name, property.line};
}

QString formClassName(const UiForm &form)
{
    return form.className.isEmpty() && form.root ? form.root->name : form.className;
}

bool validate(const UiForm &form, QString *error)
{
    return Validator(form).run(error);
}

} // namespace quarn::layouttool::generator
