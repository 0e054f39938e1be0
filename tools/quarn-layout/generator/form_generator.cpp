#include "generator/form_generator.h"

#include "generator/furniture.h"
#include "generator/looks.h"
#include "generator/nav_field_table.h"
#include "generator/values.h"
#include "uiform/record_fields.h"

#include "core/construction/layouts.h"
#include "core/construction/row_enums.h"
#include "controls/zel_simple_graph_view.h"

#include <QDomDocument>
#include <QHash>
#include <QMap>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace quarn::layouttool {

namespace {

struct Property {
    QString name;
    QDomElement element; // <property>
    QDomElement value;   // its value element
    bool byName = false; // stdset="0": a dynamic property, set by name
};

struct Layout;
struct Spacer;

struct Widget {
    QString className;
    QString name;
    QVector<Property> properties;
    QDomElement element;
    std::unique_ptr<Layout> layout;
    std::vector<std::unique_ptr<Widget>> children; // not laid out, in creation order
    QStringList zorder;
    Widget *parent = nullptr;
};

struct Spacer {
    QString name;
    QVector<Property> properties;
    QDomElement element;
};

struct LayoutItem {
    int row = -1, column = -1, rowSpan = 1, columnSpan = 1;
    std::unique_ptr<Widget> widget;
    std::unique_ptr<Layout> layout;
    std::unique_ptr<Spacer> spacer;
    QString fieldName() const;
};

struct Layout {
    QString className;
    QString name;
    QVector<Property> properties;
    QMap<QString, QString> attributes; // stretch, rowstretch, ...
    QDomElement element;
    std::vector<LayoutItem> items;
};

QString LayoutItem::fieldName() const
{
    return widget ? widget->name : layout ? layout->name : spacer->name;
}

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

QString capitalised(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1);
}

// The Row setting that writes a property: its own name unless
// row_settings.def renames it, in the class ("Class.property") or in all.
QString settingFor(const QString &className, const QString &property)
{
    static const QHash<QString, QString> renamed = {
#define QUARN_RENAMED(property, setting) {QStringLiteral(#property), QStringLiteral(#setting)},
#define QUARN_RENAMED_IN(Class, property, setting) {QStringLiteral(#Class "." #property), QStringLiteral(#setting)},
#include "core/construction/row_settings.def"
    };
    const QString own = renamed.value(className + QLatin1Char('.') + property);
    return own.isEmpty() ? renamed.value(property, property) : own;
}

// Pictures a control takes together, through one Row setting with the
// properties as its arguments in this order (a trailing "?" may be absent).
struct CombinedSetting {
    const char *method;
    QStringList properties;
};

const QVector<CombinedSetting> &combinedSettings()
{
    static const QVector<CombinedSetting> combined = {
        {"needles", {"greenNeedle", "yellowNeedle", "redNeedle", "blueNeedle"}},
        {"sliderImages", {"frameImage", "filledBarImage", "emptyBarImage", "plusImage", "minusImage"}},
        {"promptImages", {"normalPromptImage", "focusedPromptImage"}},
        {"keyImages", {"keyNormal", "keyFocused", "keyPressed", "keyDisabled?"}},
        {"satelliteImages", {"weakSat", "medSat", "strongSat", "noSat"}},
        {"sbasSatelliteImages", {"sBASWeakSat", "sBASMedSat", "sBASStrongSat", "sBASNoSat"}},
        {"spinArrows", {"upArrowNormal", "upArrowPressed", "downArrowNormal", "downArrowPressed"}},
    };
    return combined;
}

// The text boxes' flags by their name in TextBoxFlags.
QString textBoxFlagsName(const QDomElement &list)
{
    QStringList flags;
    for (QDomElement item = list.firstChildElement(QStringLiteral("string")); !item.isNull();
         item = item.nextSiblingElement(QStringLiteral("string")))
        flags.append(item.text());
    const QMetaEnum names = QMetaEnum::fromType<TextBoxFlags>();
    for (int i = 0; i < names.keyCount(); ++i) {
        const auto value = TextBoxFlags(names.value(i));
        QStringList named;
        for (int flag = 0; flag < textBoxFlagCount(value); ++flag)
            named.append(flag == 0 && textBoxFirstFlag(value) ? QStringLiteral("true") : QStringLiteral("false"));
        if (named == flags)
            return QStringLiteral("%1::%2").arg(QLatin1String(names.name()), QLatin1String(names.key(i)));
    }
    return QString();
}

class Generator
{
public:
    Generator(const QString &folder, const QString &previousHeader)
        : m_folder(folder)
        , m_previousHeader(previousHeader)
    {
    }

    bool run(const QByteArray &ui, FormSources *sources, QString *error)
    {
        m_error = error;
        QDomDocument document;
        QString parseError;
        int line = 0;
        if (!document.setContent(ui, &parseError, &line))
            return failAt(line, QStringLiteral("not a Designer form: %1").arg(parseError));
        const QDomElement top = document.documentElement();
        if (top.tagName() != QLatin1String("ui"))
            return failAt(top.lineNumber(), QStringLiteral("not a Designer form: <%1>").arg(top.tagName()));
        for (QDomElement part = top.firstChildElement(); !part.isNull(); part = part.nextSiblingElement()) {
            const QString tag = part.tagName();
            if (tag == QLatin1String("class")) {
                m_className = part.text();
            } else if (tag == QLatin1String("comment")) {
                m_description = part.text().simplified();
            } else if (tag == QLatin1String("widget")) {
                if (m_root)
                    return fail(part, QStringLiteral("a second top-level widget"));
                m_root = readWidget(part, nullptr);
                if (!m_root)
                    return false;
            } else if (tag == QLatin1String("customwidgets")) {
                for (QDomElement custom = part.firstChildElement(QStringLiteral("customwidget")); !custom.isNull();
                     custom = custom.nextSiblingElement(QStringLiteral("customwidget")))
                    m_customHeaders.insert(custom.firstChildElement(QStringLiteral("class")).text(),
                                           custom.firstChildElement(QStringLiteral("header")).text());
            } else if (tag == QLatin1String("resources") || tag == QLatin1String("connections")
                       || tag == QLatin1String("layoutdefault") || tag == QLatin1String("tabstops")) {
                if (part.hasChildNodes())
                    return fail(part, QStringLiteral("forms hold no %1").arg(tag));
            } else {
                return fail(part, QStringLiteral("not something a form can hold"));
            }
        }
        if (!m_root)
            return failAt(top.lineNumber(), QStringLiteral("no widget"));
        if (m_className.isEmpty())
            m_className = m_root->name;
        if (!isIdentifier(m_className))
            return failAt(top.lineNumber(), QStringLiteral("the class name %1 is no C++ name").arg(m_className));
        if (m_root->className != QLatin1String("QWidget"))
            return fail(m_root->element,
                        QStringLiteral("the root is a %1; a host root is a QWidget").arg(m_root->className));
        if (!writeSource() || !writeHeader())
            return false;
        sources->className = m_className;
        sources->header = m_header;
        sources->source = m_source;
        return true;
    }

private:
    // --- reading --------------------------------------------------------------

    bool fail(const QDomElement &element, const QString &why)
    {
        QString where = QStringLiteral("<%1").arg(element.tagName());
        if (element.hasAttribute(QStringLiteral("name")))
            where += QStringLiteral(" name=\"%1\"").arg(element.attribute(QStringLiteral("name")));
        return failAt(element.lineNumber(), where + QStringLiteral(">: ") + why);
    }
    bool failAt(int line, const QString &why)
    {
        if (m_error)
            *m_error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return false;
    }
    bool failProperty(const QString &owner, const Property &property, const QString &why)
    {
        return fail(property.element, QStringLiteral("of %1: %2").arg(owner, why));
    }

    bool readProperty(const QDomElement &element, QVector<Property> *properties)
    {
        Property property;
        property.name = element.attribute(QStringLiteral("name"));
        property.element = element;
        property.value = values::valueOf(element);
        property.byName = element.attribute(QStringLiteral("stdset")) == QLatin1String("0");
        if (property.value.isNull())
            return fail(element, QStringLiteral("a property without a value"));
        properties->append(property);
        return true;
    }

    bool claimName(const QDomElement &element, const QString &name)
    {
        if (!isIdentifier(name))
            return fail(element, QStringLiteral("the name \"%1\" is no C++ name").arg(name));
        if (m_names.contains(name))
            return fail(element, QStringLiteral("the name %1 is taken by another object").arg(name));
        m_names.insert(name);
        return true;
    }

    std::unique_ptr<Widget> readWidget(const QDomElement &element, Widget *parent)
    {
        auto widget = std::make_unique<Widget>();
        widget->className = element.attribute(QStringLiteral("class"));
        widget->name = element.attribute(QStringLiteral("name"));
        widget->element = element;
        widget->parent = parent;
        if (!isIdentifier(widget->className)) {
            fail(element, QStringLiteral("the class \"%1\" is no C++ name").arg(widget->className));
            return nullptr;
        }
        if (parent && !claimName(element, widget->name))
            return nullptr;
        for (QDomElement part = element.firstChildElement(); !part.isNull(); part = part.nextSiblingElement()) {
            const QString tag = part.tagName();
            if (tag == QLatin1String("property")) {
                if (!readProperty(part, &widget->properties))
                    return nullptr;
            } else if (tag == QLatin1String("widget")) {
                auto child = readWidget(part, widget.get());
                if (!child)
                    return nullptr;
                widget->children.push_back(std::move(child));
            } else if (tag == QLatin1String("layout")) {
                if (widget->layout) {
                    fail(part, QStringLiteral("a second layout on %1").arg(widget->name));
                    return nullptr;
                }
                widget->layout = readLayout(part, widget.get());
                if (!widget->layout)
                    return nullptr;
            } else if (tag == QLatin1String("zorder")) {
                widget->zorder.append(part.text());
            } else {
                fail(part, QStringLiteral("not something a form's widget can hold"));
                return nullptr;
            }
        }
        return widget;
    }

    std::unique_ptr<Layout> readLayout(const QDomElement &element, Widget *host)
    {
        auto layout = std::make_unique<Layout>();
        layout->className = element.attribute(QStringLiteral("class"));
        layout->name = element.attribute(QStringLiteral("name"));
        layout->element = element;
        static const QSet<QString> classes = {QStringLiteral("QHBoxLayout"), QStringLiteral("QVBoxLayout"),
                                              QStringLiteral("QGridLayout"), QStringLiteral("QFormLayout")};
        if (!classes.contains(layout->className)) {
            fail(element, QStringLiteral("a %1 is no layout the construction routines make").arg(layout->className));
            return nullptr;
        }
        if (!claimName(element, layout->name))
            return nullptr;
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            if (attribute.name() != QLatin1String("class") && attribute.name() != QLatin1String("name"))
                layout->attributes.insert(attribute.name(), attribute.value());
        }
        for (QDomElement part = element.firstChildElement(); !part.isNull(); part = part.nextSiblingElement()) {
            const QString tag = part.tagName();
            if (tag == QLatin1String("property")) {
                if (!readProperty(part, &layout->properties))
                    return nullptr;
            } else if (tag == QLatin1String("item")) {
                LayoutItem item;
                const QDomNamedNodeMap cell = part.attributes();
                for (int i = 0; i < cell.count(); ++i) {
                    const QDomAttr attribute = cell.item(i).toAttr();
                    const QString name = attribute.name();
                    const int number = attribute.value().toInt();
                    if (name == QLatin1String("row"))
                        item.row = number;
                    else if (name == QLatin1String("column"))
                        item.column = number;
                    else if (name == QLatin1String("rowspan"))
                        item.rowSpan = number;
                    else if (name == QLatin1String("colspan"))
                        item.columnSpan = number;
                    else {
                        fail(part,
                             QStringLiteral("the item setting %1 has no form in the construction routines").arg(name));
                        return nullptr;
                    }
                }
                const QDomElement content = part.firstChildElement();
                if (content.tagName() == QLatin1String("widget")) {
                    item.widget = readWidget(content, host);
                    if (!item.widget)
                        return nullptr;
                } else if (content.tagName() == QLatin1String("layout")) {
                    item.layout = readLayout(content, host);
                    if (!item.layout)
                        return nullptr;
                } else if (content.tagName() == QLatin1String("spacer")) {
                    item.spacer = std::make_unique<Spacer>();
                    item.spacer->name = content.attribute(QStringLiteral("name"));
                    item.spacer->element = content;
                    if (!claimName(content, item.spacer->name))
                        return nullptr;
                    for (QDomElement p = content.firstChildElement(QStringLiteral("property")); !p.isNull();
                         p = p.nextSiblingElement(QStringLiteral("property"))) {
                        if (!readProperty(p, &item.spacer->properties))
                            return nullptr;
                    }
                } else {
                    fail(part, QStringLiteral("an empty layout item"));
                    return nullptr;
                }
                layout->items.push_back(std::move(item));
            } else {
                fail(part, QStringLiteral("not something a layout can hold"));
                return nullptr;
            }
        }
        return layout;
    }

    // --- the Ui record ----------------------------------------------------------

    void collectFields(const Widget &widget)
    {
        if (&widget != m_root.get())
            m_fields.append({widget.className, widget.name});
        if (widget.layout)
            collectFields(*widget.layout);
        for (const auto &child : widget.children)
            collectFields(*child);
    }
    void collectFields(const Layout &layout)
    {
        m_fields.append({layout.className, layout.name});
        for (const LayoutItem &item : layout.items) {
            if (item.widget)
                collectFields(*item.widget);
            else if (item.layout)
                collectFields(*item.layout);
            else
                m_fields.append({QStringLiteral("QSpacerItem"), item.spacer->name});
        }
    }

    bool writeHeader()
    {
        collectFields(*m_root);
        const QStringList previous = uiRecordFields(m_previousHeader, m_className);
        std::stable_sort(m_fields.begin(), m_fields.end(), [&](const auto &a, const auto &b) {
            const int left = previous.indexOf(a.second);
            const int right = previous.indexOf(b.second);
            return (left < 0 ? previous.size() : left) < (right < 0 ? previous.size() : right);
        });
        QSet<QString> qtHeaders = {QStringLiteral("QWidget")};
        QSet<QString> ownHeaders = {QStringLiteral("core/form_layout.h")};
        for (const auto &field : qAsConst(m_fields)) {
            const QString &type = field.first;
            if (m_customHeaders.contains(type))
                ownHeaders.insert(m_customHeaders.value(type));
            else if (type == QLatin1String("QHBoxLayout") || type == QLatin1String("QVBoxLayout"))
                qtHeaders.insert(QStringLiteral("QBoxLayout"));
            else if (type.startsWith(QLatin1Char('Q')))
                qtHeaders.insert(type);
            else
                return failAt(0, QStringLiteral("no header declares the class %1 of %2").arg(type, field.second));
        }
        QStringList own = ownHeaders.values();
        own.sort();
        QStringList includes = qtHeaders.values();
        includes.sort();
        QString text = QStringLiteral("#pragma once\n\n");
        for (const QString &include : qAsConst(own))
            text += QStringLiteral("#include \"%1\"\n").arg(include);
        text += QLatin1Char('\n');
        for (const QString &include : qAsConst(includes))
            text += QStringLiteral("#include <%1>\n").arg(include);
        text += QLatin1Char('\n');
        if (!m_description.isEmpty())
            text += QStringLiteral("/* TRANSLATOR %1\n\n%2\n*/\n").arg(m_className, wrapped(m_description, 3));
        text += QStringLiteral("struct Ui_%1 : UiRecord {\n").arg(m_className);
        for (const auto &field : qAsConst(m_fields))
            text += QStringLiteral("    %1 *%2;\n").arg(field.first, field.second);
        text += QStringLiteral("};\n");
        m_header = text;
        return true;
    }

    static QString wrapped(const QString &text, int indent)
    {
        const QString margin(indent, QLatin1Char(' '));
        QStringList lines;
        QString line;
        for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && margin.size() + line.size() + 1 + word.size() > 120) {
                lines.append(margin + line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        if (!line.isEmpty())
            lines.append(margin + line);
        return lines.join(QLatin1Char('\n'));
    }

    // --- setupUi ------------------------------------------------------------------

    QString field(const QString &name) const { return QStringLiteral("ui.") + name; }

    bool writeRoot()
    {
        const Widget &root = *m_root;
        QString row = QStringLiteral("Root(root, %1)").arg(values::literal(m_className));
        const FurnitureMatch routine = rootFurniture(root);
        if (!routine.call.isEmpty())
            row = routine.call;
        const auto sets = [](const FurnitureMatch &match, const Property &property) {
            return std::any_of(match.settings.cbegin(), match.settings.cend(), [&](const LookSetting &setting) {
                return setting.name == property.name && setting.byName == property.byName;
            });
        };
        // A look goes where its first setting was.
        QVector<FurnitureMatch> looks = findRootLooks(settingsOfRow(root), pointsOf(root));
        for (const Property &property : root.properties) {
            if (sets(routine, property))
                continue;
            const auto look = std::find_if(looks.begin(), looks.end(),
                                           [&](const FurnitureMatch &match) { return sets(match, property); });
            if (look != looks.end()) {
                if (!look->call.isEmpty())
                    row += look->call;
                look->call.clear();
                continue;
            }
            QString text;
            const QString tag = property.value.tagName();
            if (isRetranslated(property)) {
                m_translations.append({QStringLiteral("root"), property});
                continue;
            }
            if (property.name == QLatin1String("geometry") && !property.byName) {
                if (!values::arguments(property.value, &text, m_error))
                    return false;
                const QStringList parts = text.split(QStringLiteral(", "));
                if (parts.value(0) != QLatin1String("0") || parts.value(1) != QLatin1String("0"))
                    return failProperty(root.name, property, QStringLiteral("a host places the root"));
                row += QStringLiteral(".size(%1, %2)").arg(parts.value(2), parts.value(3));
                continue;
            }
            if (!property.byName
                && (property.name == QLatin1String("sizePolicy") || property.name == QLatin1String("minimumSize")
                    || property.name == QLatin1String("maximumSize")
                    || property.name == QLatin1String("windowModality"))) {
                if (!values::arguments(property.value, &text, m_error))
                    return false;
                row += QStringLiteral(".%1(%2)").arg(property.name, text);
                continue;
            }
            if (tag == QLatin1String("pixmap")) {
                row += QStringLiteral(".image(%1, %2)")
                           .arg(values::literal(property.name), values::literal(property.value.text()));
            } else if (tag == QLatin1String("point") || tag == QLatin1String("size")) {
                if (!values::arguments(property.value, &text, m_error))
                    return false;
                row += QStringLiteral(".%1(%2, %3)")
                           .arg(tag == QLatin1String("point") ? QStringLiteral("point") : QStringLiteral("sizeValue"),
                                values::literal(property.name), text);
            } else if (tag == QLatin1String("stringlist") && property.byName) {
                if (!values::arguments(property.value, &text, m_error))
                    return false;
                row += QStringLiteral(".imageList(%1, %2)").arg(values::literal(property.name), text);
            } else {
                if (!values::expression(property.value, &text, m_error))
                    return false;
                row += QStringLiteral(".property(%1, %2)").arg(values::literal(property.name), text);
            }
        }
        m_setup.append(row + QLatin1Char(';'));
        m_setup.append(QString());
        return true;
    }

    static QVector<LookSetting> settingsOfRow(const Widget &widget)
    {
        QVector<LookSetting> settings;
        for (const Property &property : widget.properties)
            settings.append({property.name, property.byName, values::signature(property.value)});
        return settings;
    }

    // The point properties set by name, which some root routines take.
    static QHash<QString, QPoint> pointsOf(const Widget &widget)
    {
        QHash<QString, QPoint> points;
        for (const Property &property : widget.properties) {
            if (property.byName && property.value.tagName() == QLatin1String("point"))
                points.insert(property.name,
                              QPoint(property.value.firstChildElement(QStringLiteral("x")).text().toInt(),
                                     property.value.firstChildElement(QStringLiteral("y")).text().toInt()));
        }
        return points;
    }

    // The quick-info bars and map bubbles give their roots the same settings
    // through one routine.
    FurnitureMatch rootFurniture(const Widget &root) const
    {
        return findRootFurniture(m_className, pointsOf(root).value(QStringLiteral("Offset")), settingsOfRow(root));
    }

    static bool isUntranslated(const Property &property)
    {
        return property.value.attribute(QStringLiteral("notr")) == QLatin1String("true");
    }

    // Texts set in retranslateUi: translated ones, and empty ones a language
    // change clears.
    static bool isRetranslated(const Property &property)
    {
        return property.value.tagName() == QLatin1String("string")
            && (!isUntranslated(property) || property.value.text().isEmpty());
    }

    bool settingText(const Widget &widget, const Property &property, QString *text)
    {
        const QString tag = property.value.tagName();
        QString arguments;
        if (property.byName) {
            if (property.name == QLatin1String("textBoxFlags") && tag == QLatin1String("stringlist")) {
                const QString flags = textBoxFlagsName(property.value);
                if (flags.isEmpty())
                    return failProperty(widget.name, property, QStringLiteral("flags with no name in TextBoxFlags"));
                *text = QStringLiteral(".textBoxFlags(%1)").arg(flags);
                return true;
            }
            const QString name = values::literal(property.name);
            NavFieldTable fields;
            if (property.name == QLatin1String("navFieldsCfg") && navFieldTableOf(widget, &fields)) {
                *text = QStringLiteral(".property(%1, navfields::document(%2))")
                            .arg(name, navFieldTableName(widget, fields));
                return true;
            }
            if (tag == QLatin1String("pixmap")) {
                *text = QStringLiteral(".imageProperty(%1, %2)").arg(name, values::literal(property.value.text()));
                return true;
            }
            if (tag == QLatin1String("stringlist")) {
                if (!values::arguments(property.value, &arguments, m_error))
                    return false;
                *text = QStringLiteral(".imageListProperty(%1, %2)").arg(name, arguments);
                return true;
            }
            if (!values::expression(property.value, &arguments, m_error))
                return false;
            *text = QStringLiteral(".property(%1, %2)").arg(name, arguments);
            return true;
        }
        if (tag == QLatin1String("bool")) {
            const bool on = property.value.text() == QLatin1String("true");
            if (property.name == QLatin1String("visible"))
                *text = on ? QString() : QStringLiteral(".hidden()");
            else
                *text = QStringLiteral(".%1(%2)").arg(settingFor(widget.className, property.name),
                                                      on ? QString() : QStringLiteral("false"));
            return true;
        }
        if ((property.name == QLatin1String("keyCode") || property.name == QLatin1String("secondKeyCode"))
            && tag == QLatin1String("number")) {
            const char *key = QMetaEnum::fromType<Qt::Key>().valueToKey(property.value.text().toInt());
            if (key) {
                *text = QStringLiteral(".%1(Qt::%2)").arg(property.name, QLatin1String(key));
                return true;
            }
        }
        if (property.name == QLatin1String("drawCursorFlags") && tag == QLatin1String("number")) {
            const QMetaEnum cursor = QMetaEnum::fromType<zelSimpleGraphView::CursorFlags>();
            const int flags = property.value.text().toInt();
            QStringList names;
            for (int i = 0; i < cursor.keyCount(); ++i) {
                if (flags & cursor.value(i))
                    names.append(
                        QStringLiteral("%1::%2").arg(QLatin1String(cursor.scope()), QLatin1String(cursor.key(i))));
            }
            if (flags != cursor.keysToValue(cursor.valueToKeys(flags)) || names.isEmpty())
                return failProperty(widget.name, property, QStringLiteral("cursor flags with no name"));
            *text = QStringLiteral(".drawCursorFlags(%1)").arg(names.join(QLatin1String(" | ")));
            return true;
        }
        // A number the construction names: the enum of rowenums named like
        // the property (textBoxNumber, TextBoxNumber).
        const int named = rowenums::staticMetaObject.indexOfEnumerator(qPrintable(capitalised(property.name)));
        if (named >= 0 && tag == QLatin1String("number")) {
            const QMetaEnum names = rowenums::staticMetaObject.enumerator(named);
            const char *key = names.valueToKey(property.value.text().toInt());
            if (!key)
                return failProperty(widget.name, property,
                                    QStringLiteral("the number %1 has no name").arg(property.value.text()));
            *text = QStringLiteral(".%1(%2::%3)").arg(property.name, QLatin1String(names.name()), QLatin1String(key));
            return true;
        }
        if (!values::arguments(property.value, &arguments, m_error))
            return false;
        if (property.name == QLatin1String("geometry"))
            *text = QStringLiteral(".at(%1)").arg(arguments);
        else if (tag == QLatin1String("iconset"))
            *text = QStringLiteral(".toggleIcon(%1)").arg(arguments);
        else
            *text = QStringLiteral(".%1(%2)").arg(settingFor(widget.className, property.name), arguments);
        return true;
    }

    // Settings the construction makes anyway are left to it: a widget made
    // without a parent has window data (shown as a size increment in the
    // form), and a scroll area fills its content's background.
    bool writeWidget(const Widget &widget, const QString &parent, const QString &maker = QString())
    {
        const bool parentless = parent == QLatin1String("nullptr");
        const auto implied = [&](const Property &property) {
            if (property.byName)
                return false;
            if (parentless && property.name == QLatin1String("sizeIncrement")
                && values::signature(property.value) == QLatin1String("<size ><width >0</><height >0</></>"))
                return true;
            return !maker.isEmpty() && property.name == QLatin1String("autoFillBackground")
                && property.value.text() == QLatin1String("true");
        };
        QString row = maker.isEmpty()
            ? QStringLiteral("make(%1, %2, %3)").arg(field(widget.name), parent, values::literal(widget.name))
            : maker;
        // Settings go in the order a row applies them: place and size first,
        // then palette and font, then the class's own, then properties by name.
        static const QStringList early = {
            QStringLiteral("enabled"),       QStringLiteral("geometry"),    QStringLiteral("sizePolicy"),
            QStringLiteral("minimumSize"),   QStringLiteral("maximumSize"), QStringLiteral("baseSize"),
            QStringLiteral("sizeIncrement"), QStringLiteral("palette"),     QStringLiteral("font"),
            QStringLiteral("html"),          QStringLiteral("plainText")};
        QVector<const Property *> ordered;
        for (const QString &name : early) {
            for (const Property &property : widget.properties) {
                if (!property.byName && property.name == name && !implied(property))
                    ordered.append(&property);
            }
        }
        for (const Property &property : widget.properties) {
            if (!property.byName && !early.contains(property.name) && !implied(property))
                ordered.append(&property);
        }
        for (const Property &property : widget.properties) {
            if (property.byName)
                ordered.append(&property);
        }
        if (maker.isEmpty() && !takeFurniture(widget, parent, &ordered, &row))
            return false;
        const QString look = takeLook(widget.className, &ordered);
        QString combined;
        if (!takeCombined(widget, &ordered, &combined))
            return false;
        int earlyCount = 0;
        while (earlyCount < ordered.size() && !ordered.at(earlyCount)->byName
               && early.contains(ordered.at(earlyCount)->name))
            ++earlyCount;
        for (int i = 0; i < ordered.size(); ++i) {
            const Property *property = ordered.at(i);
            if (i == earlyCount && !look.isEmpty())
                row += QLatin1Char('.') + look;
            const QString tag = property->value.tagName();
            if (isRetranslated(*property)) {
                m_translations.append({field(widget.name), *property});
                continue;
            }
            if (property->name == QLatin1String("buddy") && tag == QLatin1String("cstring")) {
                m_buddies.append(
                    QStringLiteral("%1->setBuddy(%2);").arg(field(widget.name), field(property->value.text())));
                continue;
            }
            if (property->name == QLatin1String("currentIndex")
                && widget.className == QLatin1String("QStackedWidget")) {
                m_pages[widget.name] = property->value.text();
                continue;
            }
            if (tag == QLatin1String("string") && property->name == QLatin1String("content") && !property->byName) {
                row += QStringLiteral(".content(%1)").arg(values::literal(property->value.text()));
                continue;
            }
            QString text;
            if (!settingText(widget, *property, &text))
                return false;
            row += text;
        }
        if (earlyCount == ordered.size() && !look.isEmpty())
            row += QLatin1Char('.') + look;
        row += combined;
        m_rowOf.insert(&widget, m_setup.size());
        m_setup.append(row + QLatin1Char(';'));
        return writeContents(widget);
    }

    // A data-field bar's document, where a table of fields writes it.
    static bool navFieldTableOf(const Widget &widget, NavFieldTable *table)
    {
        for (const Property &property : widget.properties) {
            if (property.byName && property.name == QLatin1String("navFieldsCfg")
                && property.value.tagName() == QLatin1String("cstring"))
                return navFieldTable(property.value.text().toUtf8(), table);
        }
        return false;
    }

    // How the form names a table of fields: a shared one by its routine, its
    // own as a constant named for the bar.
    QString navFieldTableName(const Widget &widget, const NavFieldTable &table)
    {
        if (!table.shared.isEmpty())
            return table.shared;
        // Named for the form: forms are compiled in batches that share one
        // anonymous namespace.
        static const QRegularExpression suffix(QStringLiteral("(ScreenClass|ScrClass|Class)$"));
        const QString stem = QString(m_className).remove(suffix);
        QString name = QStringLiteral("k%1DataFields").arg(stem);
        for (const auto &known : qAsConst(m_tables)) {
            if (known.first == name && known.second != navFieldTableDefinition(name, table)) {
                name = QStringLiteral("k%1%2%3Fields").arg(stem, widget.name.left(1).toUpper(), widget.name.mid(1));
                break;
            }
        }
        const QPair<QString, QString> definition(name, navFieldTableDefinition(name, table));
        if (!m_tables.contains(definition))
            m_tables.append(definition);
        return name;
    }

    // A piece of standard furniture made by its routine, whose settings then
    // leave the row.
    bool takeFurniture(const Widget &widget, const QString &parent, QVector<const Property *> *properties, QString *row)
    {
        QVector<LookSetting> settings;
        QString image;
        QRect place;
        for (const Property *property : qAsConst(*properties)) {
            settings.append({property->name, property->byName, values::signature(property->value)});
            if (property->name == QLatin1String("image") && property->value.tagName() == QLatin1String("pixmap"))
                image = property->value.text();
            if (property->name == QLatin1String("geometry") && property->value.tagName() == QLatin1String("rect")) {
                const auto number = [&](const char *name) {
                    return property->value.firstChildElement(QLatin1String(name)).text().toInt();
                };
                place = QRect(number("x"), number("y"), number("width"), number("height"));
            }
        }
        FurnitureMatch match;
        NavFieldTable fields;
        if (navFieldTableOf(widget, &fields))
            match = findNavigationFieldBar(widget.className, widget.name, fields.configurations, settings,
                                           field(widget.name), parent, navFieldTableName(widget, fields));
        if (match.call.isEmpty())
            match = findFurniture(widget.className, widget.name, image, place, settings, field(widget.name), parent);
        if (match.call.isEmpty())
            return true;
        for (const LookSetting &setting : match.settings) {
            const auto found = std::find_if(properties->begin(), properties->end(), [&](const Property *p) {
                return p->name == setting.name && p->byName == setting.byName
                    && values::signature(p->value) == setting.signature;
            });
            if (found != properties->end())
                properties->erase(found);
        }
        *row = match.call;
        return true;
    }

    // The named look with the most settings that the row has all of, taken out
    // of the row's own settings.
    static QString takeLook(const QString &className, QVector<const Property *> *properties)
    {
        for (const NamedLook &look : namedLooks()) {
            if (look.className != className)
                continue;
            QVector<const Property *> covered;
            for (const LookSetting &setting : look.settings) {
                const auto found = std::find_if(properties->cbegin(), properties->cend(), [&](const Property *p) {
                    return p->name == setting.name && p->byName == setting.byName
                        && values::signature(p->value) == setting.signature;
                });
                if (found == properties->cend())
                    break;
                covered.append(*found);
            }
            if (covered.size() != look.settings.size())
                continue;
            for (const Property *property : qAsConst(covered))
                properties->removeOne(property);
            return look.method;
        }
        return QString();
    }

    // Pictures set together take one setting; all of them or none.
    bool takeCombined(const Widget &widget, QVector<const Property *> *properties, QString *text)
    {
        for (const CombinedSetting &setting : combinedSettings()) {
            QStringList arguments;
            QVector<const Property *> taken;
            QString missing;
            for (QString name : setting.properties) {
                const bool optional = name.endsWith(QLatin1Char('?'));
                if (optional)
                    name.chop(1);
                // A translated text is set in retranslateUi, on its own.
                const auto found = std::find_if(properties->cbegin(), properties->cend(), [&](const Property *p) {
                    return p->name == name && !p->byName
                        && !(p->value.tagName() == QLatin1String("string") && !isUntranslated(*p));
                });
                if (found == properties->cend()) {
                    if (!optional && missing.isEmpty())
                        missing = name;
                    continue;
                }
                QString argument;
                if (!values::arguments((*found)->value, &argument, m_error))
                    return false;
                arguments.append(argument);
                taken.append(*found);
            }
            if (taken.isEmpty())
                continue;
            if (!missing.isEmpty())
                return failProperty(
                    widget.name, *taken.first(),
                    QStringLiteral("%1 is set with %2, which it lacks").arg(taken.first()->name, missing));
            for (const Property *property : qAsConst(taken))
                properties->removeOne(property);
            *text += QStringLiteral(".%1(%2)").arg(QLatin1String(setting.method), arguments.join(QLatin1String(", ")));
        }
        return true;
    }

    bool writeContents(const Widget &widget)
    {
        const QString self = field(widget.name);
        if (widget.layout && !writeLayout(*widget.layout, self, self))
            return false;
        const bool isStack = widget.className == QLatin1String("QStackedWidget");
        const bool isScrollArea = widget.className.endsWith(QLatin1String("ScrollArea"));
        if (isScrollArea && widget.children.size() > 1)
            return fail(widget.element, QStringLiteral("a scroll area shows one content widget"));
        QStringList pages;
        for (const auto &child : widget.children) {
            if (isStack) {
                if (!writeWidget(*child, QStringLiteral("nullptr")))
                    return false;
                pages.append(field(child->name));
            } else if (isScrollArea) {
                // Content that was a window while the form placed it is made
                // without a parent and handed over once all rows are done;
                // other content is handed over as it is made.
                const bool placedAlone =
                    std::any_of(child->properties.cbegin(), child->properties.cend(), [](const Property &p) {
                        return !p.byName && p.name == QLatin1String("sizeIncrement");
                    });
                const QString content = field(child->name);
                if (placedAlone) {
                    if (!writeWidget(
                            *child, QStringLiteral("nullptr"),
                            QStringLiteral("make(%1, nullptr, %2)").arg(content, values::literal(child->name))))
                        return false;
                    // Members the area's layout already placed were in their
                    // layout before the area took the content.
                    const QString handOver = QStringLiteral("setScrollContent(%1, %2);").arg(self, content);
                    if (child->layout && hasPlacedMember(*child->layout))
                        m_lateScrollContents.append(handOver);
                    else
                        m_scrollContents.append(handOver);
                } else if (!writeWidget(*child, self,
                                        QStringLiteral("scrollContent(%1, %2, %3)")
                                            .arg(content, self, values::literal(child->name)))) {
                    return false;
                }
            } else if (!writeWidget(*child, &widget == m_root.get() ? QStringLiteral("root") : self)) {
                return false;
            }
        }
        if (isStack) {
            const QString current = m_pages.value(widget.name, QStringLiteral("0"));
            m_pageStatements.append(
                QStringLiteral("addPages(%1, {%2}, %3);").arg(self, pages.join(QLatin1String(", ")), current));
        }
        return writeStacking(widget);
    }

    // The stacking Designer lists, as few raises as reach it from the order
    // the rows create the widgets in.
    bool writeStacking(const Widget &widget)
    {
        if (widget.zorder.isEmpty())
            return true;
        QStringList created;
        if (widget.layout)
            laidOutWidgets(*widget.layout, &created);
        for (const auto &child : widget.children)
            created.append(child->name);
        const QStringList &wanted = widget.zorder;
        for (const QString &name : wanted) {
            if (!created.contains(name))
                return fail(widget.element,
                            QStringLiteral("the stacking names %1, no child of %2").arg(name, widget.name));
        }
        for (int raised = 0; raised <= wanted.size(); ++raised) {
            const QStringList top = wanted.mid(wanted.size() - raised);
            QStringList rest;
            for (const QString &name : qAsConst(created)) {
                if (!top.contains(name))
                    rest.append(name);
            }
            if (rest == wanted.mid(0, wanted.size() - raised)) {
                for (const QString &name : top)
                    m_raises.append(QStringLiteral("%1->raise();").arg(field(name)));
                return true;
            }
        }
        return fail(widget.element, QStringLiteral("a stacking that omits children"));
    }

    static bool hasPlacedMember(const Layout &layout)
    {
        for (const LayoutItem &item : layout.items) {
            if (item.widget
                && std::any_of(item.widget->properties.cbegin(), item.widget->properties.cend(),
                               [](const Property &p) { return p.name == QLatin1String("geometry"); }))
                return true;
            if (item.layout && hasPlacedMember(*item.layout))
                return true;
        }
        return false;
    }

    static void laidOutWidgets(const Layout &layout, QStringList *names)
    {
        for (const LayoutItem &item : layout.items) {
            if (item.widget)
                names->append(item.widget->name);
            else if (item.layout)
                laidOutWidgets(*item.layout, names);
        }
    }

    // host: the widget the layout is set on, nullptr for a nested layout;
    // parent: the widget its members are children of.
    bool writeLayout(const Layout &layout, const QString &host, const QString &parent)
    {
        QMap<QString, QString> numbers;
        QString others;
        for (const Property &property : layout.properties) {
            const QString tag = property.value.tagName();
            if (property.byName)
                return failProperty(layout.name, property, QStringLiteral("layouts take no properties by name"));
            if (tag == QLatin1String("number")) {
                numbers.insert(property.name, property.value.text());
                continue;
            }
            QString text;
            if (!values::arguments(property.value, &text, m_error))
                return false;
            others += QStringLiteral(".%1(%2)").arg(property.name, text);
        }
        const LayoutDefaults defaults = layoutDefaults(layout.className);
        const auto take = [&](const char *name, const QString &fallback) {
            const QString value = numbers.take(QLatin1String(name));
            return value.isEmpty() ? fallback : value;
        };
        const QString spacing = take("spacing", defaults.spacing);
        const QString horizontal = take("horizontalSpacing", defaults.horizontalSpacing);
        const QString vertical = take("verticalSpacing", defaults.verticalSpacing);
        const QStringList margins = {
            take("leftMargin", defaults.margins.value(0)), take("topMargin", defaults.margins.value(1)),
            take("rightMargin", defaults.margins.value(2)), take("bottomMargin", defaults.margins.value(3))};
        if (!numbers.isEmpty())
            return fail(layout.element,
                        QStringLiteral("the layout setting %1 has no form in the construction routines")
                            .arg(numbers.firstKey()));
        QString row = QStringLiteral("layout(%1, %2, %3)").arg(field(layout.name), host, values::literal(layout.name));
        // A nested layout without its own spacing takes its parent's: say it.
        const bool nested = host == QLatin1String("nullptr");
        if (spacing != defaults.spacing || (nested && defaults.horizontalSpacing.isEmpty()))
            row += QStringLiteral(".spacing(%1)").arg(spacing);
        if (horizontal != defaults.horizontalSpacing || (nested && !horizontal.isEmpty()))
            row += QStringLiteral(".horizontalSpacing(%1)").arg(horizontal);
        if (vertical != defaults.verticalSpacing || (nested && !vertical.isEmpty()))
            row += QStringLiteral(".verticalSpacing(%1)").arg(vertical);
        if (margins != defaults.margins)
            row += QStringLiteral(".margins(%1)").arg(margins.join(QLatin1String(", ")));
        m_setup.append(row + others + QLatin1Char(';'));

        QStringList members;
        QStringList cells;
        const bool grid = layout.className == QLatin1String("QGridLayout");
        const bool form = layout.className == QLatin1String("QFormLayout");
        for (const LayoutItem &item : layout.items) {
            if (item.widget && !writeWidget(*item.widget, parent))
                return false;
            if (item.layout && !writeLayout(*item.layout, QStringLiteral("nullptr"), parent))
                return false;
            if (item.spacer && !writeSpacer(*item.spacer))
                return false;
            const QString member = field(item.fieldName());
            if (grid) {
                QString cell = QStringLiteral("addToGrid(%1, %2, %3, %4")
                                   .arg(field(layout.name), member)
                                   .arg(item.row)
                                   .arg(item.column);
                if (item.rowSpan != 1 || item.columnSpan != 1)
                    cell += QStringLiteral(", %1, %2").arg(item.rowSpan).arg(item.columnSpan);
                cells.append(cell + QStringLiteral(");"));
            } else if (form) {
                const QString role = item.columnSpan == 2 ? QStringLiteral("SpanningRole")
                    : item.column == 1                    ? QStringLiteral("FieldRole")
                                                          : QStringLiteral("LabelRole");
                cells.append(QStringLiteral("addToForm(%1, %2, QFormLayout::%3, %4);")
                                 .arg(field(layout.name))
                                 .arg(item.row)
                                 .arg(role, member));
            } else {
                members.append(member);
            }
        }
        if (!grid && !form)
            cells.append(
                QStringLiteral("addMembers(%1, {%2});").arg(field(layout.name), members.join(QLatin1String(", "))));
        for (auto it = layout.attributes.cbegin(); it != layout.attributes.cend(); ++it) {
            if (it.key() == QLatin1String("stretch") && !grid && !form) {
                cells.append(
                    QStringLiteral("setStretchFactors(%1, {%2});")
                        .arg(field(layout.name), it.value().split(QLatin1Char(',')).join(QLatin1String(", "))));
            } else {
                return fail(
                    layout.element,
                    QStringLiteral("the layout setting %1 has no form in the construction routines").arg(it.key()));
            }
        }
        m_members.append(cells);
        return true;
    }

    bool writeSpacer(const Spacer &spacer)
    {
        QString orientation, sizeType, width, height;
        for (const Property &property : spacer.properties) {
            if (property.name == QLatin1String("orientation"))
                orientation = property.value.text();
            else if (property.name == QLatin1String("sizeType"))
                sizeType = property.value.text();
            else if (property.name == QLatin1String("sizeHint")) {
                width = property.value.firstChildElement(QStringLiteral("width")).text();
                height = property.value.firstChildElement(QStringLiteral("height")).text();
            } else {
                return failProperty(spacer.name, property, QStringLiteral("a spacer setting the routines lack"));
            }
        }
        if (sizeType.isEmpty())
            sizeType = QStringLiteral("QSizePolicy::Expanding");
        const bool vertical = orientation == QLatin1String("Qt::Vertical");
        const QString minimum = QStringLiteral("QSizePolicy::Minimum");
        m_setup.append(
            QStringLiteral("spacer(%1, %2, %3, %4, %5);")
                .arg(field(spacer.name), width, height, vertical ? minimum : sizeType, vertical ? sizeType : minimum));
        return true;
    }

    struct LayoutDefaults {
        QString spacing, horizontalSpacing, verticalSpacing;
        QStringList margins;
    };
    // What layout() leaves a layout with, so that a row states only what differs.
    static LayoutDefaults layoutDefaults(const QString &className)
    {
        QWidget host;
        QLayout *made = nullptr;
        if (className == QLatin1String("QHBoxLayout")) {
            QHBoxLayout *box = nullptr;
            made = layout(box, &host, "probe");
        } else if (className == QLatin1String("QVBoxLayout")) {
            QVBoxLayout *box = nullptr;
            made = layout(box, &host, "probe");
        } else if (className == QLatin1String("QGridLayout")) {
            QGridLayout *grid = nullptr;
            made = layout(grid, &host, "probe");
        } else {
            QFormLayout *form = nullptr;
            made = layout(form, &host, "probe");
        }
        LayoutDefaults defaults;
        defaults.spacing = QString::number(made->spacing());
        if (auto *grid = qobject_cast<QGridLayout *>(made)) {
            defaults.horizontalSpacing = QString::number(grid->horizontalSpacing());
            defaults.verticalSpacing = QString::number(grid->verticalSpacing());
        } else if (auto *form = qobject_cast<QFormLayout *>(made)) {
            defaults.horizontalSpacing = QString::number(form->horizontalSpacing());
            defaults.verticalSpacing = QString::number(form->verticalSpacing());
        }
        const QMargins margins = made->contentsMargins();
        defaults.margins = QStringList{QString::number(margins.left()), QString::number(margins.top()),
                                       QString::number(margins.right()), QString::number(margins.bottom())};
        return defaults;
    }

    // --- retranslateUi ------------------------------------------------------------

    QString translateCall(const Property &property) const
    {
        // An empty text not translated is one a language change clears.
        if (property.value.text().isEmpty() && isUntranslated(property))
            return QStringLiteral("QString()");
        const QString disambiguation = property.value.attribute(QStringLiteral("comment"));
        QString call = QStringLiteral("QCoreApplication::translate(%1, %2")
                           .arg(values::literal(m_className), values::literal(property.value.text()));
        if (!disambiguation.isEmpty())
            call += QStringLiteral(", %1").arg(values::literal(disambiguation));
        return call + QLatin1Char(')');
    }

    // A compass's four letters, translated one after the other without notes,
    // go through the routine that sets them together.
    QString compassLetters(int first) const
    {
        static const QStringList names = {QStringLiteral("northLetter"), QStringLiteral("westLetter"),
                                          QStringLiteral("southLetter"), QStringLiteral("eastLetter")};
        if (first + names.size() > m_translations.size())
            return QString();
        QStringList calls;
        for (int i = 0; i < names.size(); ++i) {
            const auto &translation = m_translations.at(first + i);
            const Property &property = translation.second;
            if (translation.first != m_translations.at(first).first || !property.byName || property.name != names.at(i)
                || isUntranslated(property) || property.value.hasAttribute(QStringLiteral("extracomment")))
                return QString();
            calls.append(translateCall(property));
        }
        return QStringLiteral("retranslateCompassLetters(%1, {%2});")
            .arg(m_translations.at(first).first, calls.join(QLatin1String(", ")));
    }

    QStringList retranslateLines() const
    {
        QStringList lines;
        for (int i = 0; i < m_translations.size(); ++i) {
            const auto &translation = m_translations.at(i);
            const Property &property = translation.second;
            const QString letters = compassLetters(i);
            if (!letters.isEmpty()) {
                lines.append(letters);
                i += 3;
                continue;
            }
            const QString comment = property.value.attribute(QStringLiteral("extracomment"));
            if (!comment.isEmpty())
                lines.append(QStringLiteral("//: ") + comment);
            const QString call = translateCall(property);
            if (property.byName)
                lines.append(QStringLiteral("%1->setProperty(%2, %3);")
                                 .arg(translation.first, values::literal(property.name), call));
            else
                lines.append(QStringLiteral("%1->set%2(%3);").arg(translation.first, capitalised(property.name), call));
        }
        return lines;
    }

    bool writeSource()
    {
        if (!writeRoot())
            return false;
        if (m_root->layout && !writeLayout(*m_root->layout, QStringLiteral("root"), QStringLiteral("root")))
            return false;
        for (const auto &child : m_root->children) {
            if (!writeWidget(*child, QStringLiteral("root")))
                return false;
        }
        if (!writeStacking(*m_root))
            return false;
        takeGroups();
        QStringList setup = m_setup;
        const QList<QStringList> groups = {m_scrollContents + m_members + m_lateScrollContents + m_pageStatements,
                                           m_raises, m_buddies};
        for (const QStringList &group : groups) {
            if (group.isEmpty())
                continue;
            setup.append(QString());
            setup += group;
        }
        while (!setup.isEmpty() && setup.last().isEmpty())
            setup.removeLast();
        const QStringList retranslate = retranslateLines();
        const bool usesUi = std::any_of(m_translations.cbegin(), m_translations.cend(),
                                        [](const auto &t) { return t.first != QLatin1String("root"); });
        const bool usesRoot = std::any_of(m_translations.cbegin(), m_translations.cend(),
                                          [](const auto &t) { return t.first == QLatin1String("root"); });
        const QString ui = QStringLiteral("Ui_") + m_className;
        QString text = QStringLiteral("#include \"forms/%1/%2.h\"\n\n"
                                      "#include \"core/construction/construction.h\"\n\n"
                                      "#include <QCoreApplication>\n\n"
                                      "namespace quarn::forms {\nnamespace {\n\n")
                           .arg(m_folder, m_className);
        for (const auto &table : qAsConst(m_tables))
            text += table.second + QLatin1Char('\n');
        // A form with no fields leaves its record unnamed, as unused.
        static const QRegularExpression record(QStringLiteral("\\bui\\b"));
        const bool setupUsesUi = setup.join(QLatin1Char('\n')).contains(record);
        text += QStringLiteral("void setupUi(%1 &%2, QWidget *root)\n{\n")
                    .arg(ui, setupUsesUi ? QStringLiteral("ui") : QString());
        for (const QString &line : qAsConst(setup))
            text += line.isEmpty() ? QStringLiteral("\n") : QStringLiteral("    ") + line + QLatin1Char('\n');
        text += QStringLiteral("}\n\nvoid retranslateUi(%1 &%2, QWidget *%3)\n{\n")
                    .arg(ui, usesUi ? QStringLiteral("ui") : QString(), usesRoot ? QStringLiteral("root") : QString());
        for (const QString &line : retranslate)
            text += QStringLiteral("    ") + line + QLatin1Char('\n');
        text += QStringLiteral("}\n\nForm<%1, setupUi, retranslateUi> form%2;\n\n} // namespace\n\n"
                               "FormLayout &%2()\n{\n    return form%2;\n}\n\n} // namespace quarn::forms\n")
                    .arg(ui, m_className);
        m_source = text;
        return true;
    }

    // Rows that a routine making several fields makes exactly, one after the
    // other, become its call.
    void takeGroups()
    {
        QHash<QString, const Widget *> placed; // made as a row, not in a layout
        const std::function<void(const Widget &)> collect = [&](const Widget &widget) {
            for (const auto &child : widget.children) {
                placed.insert(child->name, child.get());
                collect(*child);
            }
        };
        collect(*m_root);
        const auto key = [](const LookSetting &s) { return s.name + QLatin1Char(s.byName ? '*' : '=') + s.signature; };
        for (const GroupRoutine &group : groupRoutines()) {
            int first = -1;
            bool all = !group.pieces.isEmpty();
            for (int i = 0; all && i < group.pieces.size(); ++i) {
                const GroupPiece &piece = group.pieces.at(i);
                const Widget *widget = placed.value(piece.name);
                if (!widget || widget->className != piece.className || !m_rowOf.contains(widget)
                    || (widget->parent == m_root.get() ? QStringLiteral("root") : widget->parent->name)
                        != piece.parent) {
                    all = false;
                    break;
                }
                QStringList have, made;
                for (const Property &property : widget->properties) {
                    if (!isRetranslated(property))
                        have.append(key({property.name, property.byName, values::signature(property.value)}));
                }
                for (const LookSetting &setting : piece.settings)
                    made.append(key(setting));
                have.sort();
                made.sort();
                if (i == 0)
                    first = m_rowOf.value(widget);
                all = have == made && m_rowOf.value(widget) == first + i;
            }
            if (!all)
                continue;
            m_setup[first] = group.call + QLatin1Char(';');
            m_setup.erase(m_setup.begin() + first + 1, m_setup.begin() + first + group.pieces.size());
            for (auto it = m_rowOf.begin(); it != m_rowOf.end(); ++it) {
                if (it.value() >= first + group.pieces.size())
                    it.value() -= group.pieces.size() - 1;
            }
        }
    }

    QString m_folder;
    QString m_previousHeader;
    QString *m_error = nullptr;
    QString m_className;
    QString m_description;
    std::unique_ptr<Widget> m_root;
    QHash<const Widget *, int> m_rowOf; // a widget's row in m_setup
    QSet<QString> m_names;
    QVector<QPair<QString, QString>> m_fields;
    QVector<QPair<QString, QString>> m_tables; // namespace-scope constants the rows name, and their definitions
    QStringList m_setup, m_scrollContents, m_lateScrollContents, m_members, m_pageStatements, m_raises, m_buddies;
    QHash<QString, QString> m_pages;
    QHash<QString, QString> m_customHeaders;
    QVector<QPair<QString, Property>> m_translations;
    QString m_header, m_source;
};

} // namespace

bool FormGenerator::generate(const QByteArray &ui, const QString &folder, const QString &previousHeader,
                             FormSources *sources, QString *error)
{
    return Generator(folder, previousHeader).run(ui, sources, error);
}

} // namespace quarn::layouttool
