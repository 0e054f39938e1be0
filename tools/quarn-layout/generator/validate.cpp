// The validate pass: what of a Designer form the construction routines can
// make at all, checked before anything is matched or written. A .ui file is
// untrusted input, so every name that becomes C++ text is checked here, and
// whatever a form may not hold is refused rather than dropped. Each refusal
// names the element and its line; of several, the first in the file is told.

#include "generator/checked_values.h"
#include "generator/passes.h"
#include "uiform/custom_widgets.h"

#include <QLabel>
#include <QLocale>
#include <QMetaProperty>
#include <QPalette>
#include <QSet>
#include <QSizePolicy>

#include <cmath>
#include <limits>

namespace quarn::layouttool::generator {

namespace {

using checked::isIdentifier;
using checked::shown;
using Kind = UiValue::Kind;

// Places and sizes within what Qt adds up without overflow.
bool inExtent(int coordinate)
{
    return coordinate >= -checked::kMaximumExtent && coordinate <= checked::kMaximumExtent;
}
bool isDimension(int size)
{
    return size >= 0 && size <= checked::kMaximumExtent;
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
        for (const UiCustomWidget &custom : m_form.customWidgets)
            checkCustomWidget(custom);
        const QString description = m_form.comment.simplified();
        const QString descriptionFault = checked::commentFault(description, true);
        if (!descriptionFault.isEmpty())
            refuse({QStringLiteral("comment"), QString(), m_form.commentLine}, descriptionFault);
        if (!m_form.root) {
            refuseAt(m_form.line, QStringLiteral("no widget"));
        } else {
            const QString className = formClassName(m_form);
            const UiElement classElement = m_form.className.isEmpty()
                ? elementOf(*m_form.root)
                : UiElement{QStringLiteral("class"), QString(), m_form.classLine};
            if (!isIdentifier(className))
                refuse(classElement,
                       QStringLiteral("the class name \"%1\" is no C++ name, or one C++ keeps for itself")
                           .arg(shown(className)));
            // The class names the sources' files: <Class>.cpp must be a file name.
            else if (className.size() > checked::kMaximumClassNameLength)
                refuse(classElement,
                       QStringLiteral("a class name of %1 characters; at most %2 name a file")
                           .arg(className.size())
                           .arg(checked::kMaximumClassNameLength));
            if (m_form.root->className != QLatin1String("QWidget"))
                refuse(elementOf(*m_form.root),
                       QStringLiteral("the root is a %1; a host root is a QWidget").arg(shown(m_form.root->className)));
            checkWidget(*m_form.root);
            // A buddy is set once every row is made: it names one of them.
            for (const auto &buddy : qAsConst(m_buddies)) {
                if (!m_names.contains(buddy.second->value.text))
                    refuse(elementOf(*buddy.second),
                           QStringLiteral("of %1: the buddy names no object of the form").arg(buddy.first->name));
            }
        }
        if (m_first.isEmpty())
            return true;
        *error = m_first;
        return false;
    }

private:
    void refuseAt(int line, const QString &why)
    {
        line = std::max(1, line);
        if (line < m_firstLine || m_first.isEmpty()) {
            m_firstLine = line;
            m_first = QStringLiteral("line %1: %2").arg(line).arg(why);
        }
    }
    void refuse(const UiElement &element, const QString &why)
    {
        const int line = std::max(1, element.line);
        if (line < m_firstLine || m_first.isEmpty()) {
            m_firstLine = line;
            m_first = refusal(element, why);
        }
    }

    void claimName(const UiElement &element)
    {
        if (!isIdentifier(element.name))
            refuse(element, QStringLiteral("the name is no C++ name, or one C++ keeps for itself"));
        // A field named like a class would hide the class from the record's later fields.
        else if (checked::widgetClass(element.name) || checked::layoutClass(element.name)
                 || (element.name.size() > 1 && element.name.at(0) == QLatin1Char('Q') && element.name.at(1).isUpper()))
            refuse(element, QStringLiteral("the name %1 is a class's").arg(element.name));
        else if (m_names.contains(element.name))
            refuse(element, QStringLiteral("the name %1 is taken by another object").arg(element.name));
        m_names.insert(element.name);
    }

    // A control's header is the one the library declares it in, whatever the
    // form says; a form naming another is refused rather than included.
    void checkCustomWidget(const UiCustomWidget &custom)
    {
        const UiElement element{QStringLiteral("customwidget"), QString(), custom.line};
        const QMetaObject *meta = checked::widgetClass(custom.className);
        const QString own = meta ? UiCustomWidgets::headerFor(meta) : QString();
        if (own.isEmpty())
            refuse(element, QStringLiteral("%1 is no control of the library").arg(shown(custom.className)));
        else if (custom.header != own)
            refuse(element, QStringLiteral("%1 is declared in %2").arg(custom.className, own));
    }

    // Every control a field has must come with its header, which
    // <customwidgets> names; Qt's classes have their own.
    void checkHeader(const UiElement &element, const QMetaObject &meta)
    {
        const QString className = QLatin1String(meta.className());
        if (!UiCustomWidgets::headerFor(&meta).isEmpty() && !m_declared.contains(className))
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
            else
                checkValue(property);
        }
    }

    // What any value of the kind must be to be written back: keys of the
    // enums they name, finite numbers, texts a literal holds.
    void checkValue(const UiProperty &property)
    {
        const UiValue &value = property.value;
        const UiElement element{value.element(), QString(), value.line};
        const auto check = [&](const QString &fault) {
            if (!fault.isEmpty())
                refuse(element, fault);
        };
        const auto key = [&](const QMetaObject *meta, const char *enumName, const QString &text) {
            check(checked::keyFault(meta, enumName, text));
        };
        switch (value.kind) {
        case Kind::String:
            check(checked::textFault(value.text));
            check(checked::textFault(value.comment));
            // The note goes into a //: comment of retranslateUi.
            check(checked::commentFault(value.extraComment, false));
            break;
        case Kind::StringList:
            for (const QString &item : value.list)
                check(checked::textFault(item));
            break;
        case Kind::CString:
        case Kind::Pixmap:
            check(checked::textFault(value.text));
            break;
        case Kind::Enum:
            check(checked::scopedKeyFault(value.text.trimmed(), false));
            break;
        case Kind::Set:
            check(checked::flagsFault(value.text));
            break;
        case Kind::Double:
            if (!std::isfinite(value.real))
                refuse(element, QStringLiteral("no finite number"));
            break;
        case Kind::Point:
            if (!inExtent(value.rect.x()) || !inExtent(value.rect.y()))
                refuse(element, QStringLiteral("a point outside what Qt places"));
            break;
        case Kind::Size:
            if (!isDimension(value.rect.width()) || !isDimension(value.rect.height()))
                refuse(element, QStringLiteral("a size outside 0..%1").arg(checked::kMaximumExtent));
            break;
        case Kind::Rect:
            if (!inExtent(value.rect.x()) || !inExtent(value.rect.y()) || !isDimension(value.rect.width())
                || !isDimension(value.rect.height()))
                refuse(element, QStringLiteral("a rectangle outside what Qt places"));
            break;
        case Kind::Brush:
            checkBrush(value.brush, element);
            break;
        case Kind::Palette:
            for (const QVector<UiColourRole> *group :
                 {&value.palette.active, &value.palette.inactive, &value.palette.disabled}) {
                for (const UiColourRole &role : *group) {
                    const UiElement roleElement{QStringLiteral("colorrole"), QString(), role.line};
                    const QString fault = checked::keyFault(&QPalette::staticMetaObject, "ColorRole", role.role);
                    if (!fault.isEmpty())
                        refuse(roleElement, fault);
                    checkBrush(role.brush, roleElement);
                }
            }
            break;
        case Kind::SizePolicy:
            key(&QSizePolicy::staticMetaObject, "Policy", value.sizePolicy.horizontal);
            key(&QSizePolicy::staticMetaObject, "Policy", value.sizePolicy.vertical);
            for (const int stretch : {value.sizePolicy.horizontalStretch, value.sizePolicy.verticalStretch}) {
                if (stretch < 0 || stretch > 255)
                    refuse(element, QStringLiteral("a stretch outside 0..255"));
            }
            break;
        case Kind::Locale:
            key(&QLocale::staticMetaObject, "Language", value.language);
            key(&QLocale::staticMetaObject, "Country", value.country);
            break;
        case Kind::Font:
            if (value.font.family)
                check(checked::textFault(*value.font.family));
            // Designer says -1 for a font sized in pixels.
            if (value.font.pointSize && (*value.font.pointSize < -1 || *value.font.pointSize > 1000))
                refuse(element, QStringLiteral("a point size outside -1..1000"));
            break;
        case Kind::IconSet:
            for (const auto &picture : value.icon)
                check(checked::textFault(picture.second));
            break;
        case Kind::Bool:
        case Kind::Number:
        case Kind::UInt:
        case Kind::Color:
        case Kind::Unknown:
            break;
        }
    }

    void checkBrush(const UiBrush &brush, const UiElement &element)
    {
        const QString fault = checked::keyFault(checked::qtNamespace(), "BrushStyle", brush.style);
        if (!fault.isEmpty())
            refuse(element, fault);
        else if (!brush.colour.isValid())
            refuse(element, QStringLiteral("a brush without its <color>"));
    }

    // A setting the class has, of the type it takes. Settings by name are the
    // host's own and take any value; a buddy is Designer's own setting of a
    // label, naming an object.
    void checkSetting(const UiWidget &widget, const QMetaObject &meta, const UiProperty &property)
    {
        if (property.byName || !property.hasValue() || property.value.kind == Kind::Unknown)
            return;
        if (property.name == QLatin1String("buddy")) {
            if (!meta.inherits(&QLabel::staticMetaObject) || property.value.kind != Kind::CString)
                refuse(elementOf(property),
                       QStringLiteral("of %1: a buddy is a label's, and names an object").arg(widget.name));
            else
                m_buddies.append({&widget, &property});
            return;
        }
        const int index = isIdentifier(property.name) ? meta.indexOfProperty(property.name.toLatin1().constData()) : -1;
        if (index < 0) {
            refuse(elementOf(property),
                   QStringLiteral("%1 has no property %2").arg(QLatin1String(meta.className()), shown(property.name)));
            return;
        }
        const QString fault = checked::propertyValueFault(meta.property(index), property.value);
        if (!fault.isEmpty())
            refuse({property.value.element(), QString(), property.value.line}, fault);
        if (property.name == QLatin1String("geometry") && property.value.kind == Kind::Rect) {
            const QRect &place = property.value.rect;
            if (!inExtent(place.x() + place.width()) || !inExtent(place.y() + place.height()))
                refuse({property.value.element(), QString(), property.value.line},
                       QStringLiteral("a rectangle outside what Qt places"));
        }
        // A stack shows one of its pages.
        if (property.name == QLatin1String("currentIndex") && widget.className == QLatin1String("QStackedWidget")
            && property.value.kind == Kind::Number
            && (property.value.integer < 0
                || property.value.integer >= qint64(std::max<size_t>(1, widget.children.size()))))
            refuse({property.value.element(), QString(), property.value.line},
                   QStringLiteral("no page %1 in %2").arg(property.value.integer).arg(widget.name));
    }

    void checkWidget(const UiWidget &widget)
    {
        const UiElement element = elementOf(widget);
        const QMetaObject *meta = checked::widgetClass(widget.className);
        if (!meta) {
            refuse(element,
                   QStringLiteral("%1 is no widget class the construction routines make").arg(shown(widget.className)));
            return;
        }
        if (&widget != m_form.root.get()) {
            claimName(element);
            checkHeader(element, *meta);
        }
        checkValues(widget.properties);
        for (const UiProperty &property : widget.properties)
            checkSetting(widget, *meta, property);
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
        const QMetaObject *meta = checked::layoutClass(layout.className);
        for (const UiProperty &property : layout.properties) {
            const UiElement valueElement{property.value.element(), QString(), property.value.line};
            if (property.byName) {
                refuse(elementOf(property),
                       QStringLiteral("of %1: layouts take no properties by name").arg(layout.name));
            } else if (property.value.kind == UiValue::Kind::Number) {
                if (!numbers.contains(property.name))
                    refuse(element,
                           QStringLiteral("the layout setting %1 has no form in the construction routines")
                               .arg(shown(property.name)));
                else if (property.value.integer < -1 || property.value.integer > checked::kMaximumExtent)
                    refuse(valueElement,
                           QStringLiteral("a spacing or margin outside -1..%1").arg(checked::kMaximumExtent));
            } else if (property.hasValue() && property.value.kind != UiValue::Kind::Unknown) {
                const int index =
                    isIdentifier(property.name) ? meta->indexOfProperty(property.name.toLatin1().constData()) : -1;
                const QString fault = index < 0
                    ? QStringLiteral("%1 has no property %2").arg(layout.className, shown(property.name))
                    : checked::propertyValueFault(meta->property(index), property.value);
                if (!fault.isEmpty())
                    refuse(index < 0 ? elementOf(property) : valueElement, fault);
            }
        }
        for (const auto &attribute : layout.attributes) {
            if (attribute.first != QLatin1String("stretch") || !box) {
                refuse(element,
                       QStringLiteral("the layout setting %1 has no form in the construction routines")
                           .arg(shown(attribute.first)));
                continue;
            }
            for (const QString &factor : attribute.second.split(QLatin1Char(','))) {
                bool isNumber = false;
                const int stretch = factor.trimmed().toInt(&isNumber);
                if (!isNumber || stretch < 0 || stretch > 255)
                    refuse(
                        element,
                        QStringLiteral("the stretch \"%1\" is no list of numbers 0..255").arg(shown(attribute.second)));
            }
        }
        for (const UiElement &part : layout.foreign)
            refuse(part, QStringLiteral("not something a layout can hold"));
        for (const UiLayoutItem &item : layout.items) {
            const UiElement cell{QStringLiteral("item"), QString(), item.line};
            for (const auto &attribute : item.otherAttributes)
                refuse(cell,
                       QStringLiteral("the item setting %1 has no form in the construction routines")
                           .arg(shown(attribute.first)));
            // Cells of a grid or form: as many as a screen could hold, and more.
            constexpr int kMaximumCell = 10000;
            if (item.row > kMaximumCell || item.column > kMaximumCell || item.row < -1 || item.column < -1
                || item.rowSpan < 1 || item.columnSpan < 1 || item.rowSpan > kMaximumCell
                || item.columnSpan > kMaximumCell || (!box && (item.row < 0 || item.column < 0)))
                refuse(cell, QStringLiteral("a cell outside 0..%1").arg(kMaximumCell));
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
        const UiElement element{QStringLiteral("spacer"), spacer.name, spacer.line};
        claimName(element);
        checkValues(spacer.properties);
        bool sized = false;
        for (const UiProperty &property : spacer.properties) {
            const UiValue &value = property.value;
            const UiElement valueElement{value.element(), QString(), value.line};
            if (property.name == QLatin1String("orientation") && value.kind == Kind::Enum) {
                if (value.text != QLatin1String("Qt::Horizontal") && value.text != QLatin1String("Qt::Vertical"))
                    refuse(valueElement, QStringLiteral("a spacer is Qt::Horizontal or Qt::Vertical"));
            } else if (property.name == QLatin1String("sizeType") && value.kind == Kind::Enum) {
                if (!value.text.startsWith(QLatin1String("QSizePolicy::"))
                    || !checked::keyFault(&QSizePolicy::staticMetaObject, "Policy", value.text.mid(13)).isEmpty())
                    refuse(valueElement, QStringLiteral("a spacer's size type is a QSizePolicy::Policy"));
            } else if (property.name == QLatin1String("sizeHint") && value.kind == Kind::Size) {
                sized = true;
            } else {
                refuse(elementOf(property),
                       QStringLiteral("of %1: a spacer setting the routines lack").arg(spacer.name));
            }
        }
        if (!sized)
            refuse(element, QStringLiteral("a spacer without its size"));
    }

    const UiForm &m_form;
    QSet<QString> m_declared;
    QSet<QString> m_names;
    QVector<QPair<const UiWidget *, const UiProperty *>> m_buddies;
    QString m_first;
    int m_firstLine = std::numeric_limits<int>::max();
};

} // namespace

QString refusal(const UiElement &element, const QString &why)
{
    // One line, whatever the form put in a name.
    UiElement shownElement = element;
    shownElement.tag = shown(element.tag);
    shownElement.name = shown(element.name);
    QString plain;
    for (const QChar c : why)
        plain += c.isPrint() ? c : QChar(QChar::ReplacementCharacter);
    return QStringLiteral("line %1: %2: %3").arg(std::max(1, element.line)).arg(shownElement.quoted(), plain);
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
