#include "dump/form_dumper.h"

#include "common/changed_properties.h"
#include "common/widget_state_properties.h"

#include "form_census.h"
#include "common/form_host.h"
#include "common/image_index.h"
#include "dump/json_values.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QIcon>
#include <QJsonArray>
#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPixmap>
#include <QScrollArea>
#include <QSet>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace quarn::layouttool {

namespace {

// Besides the geometry and window state, what a description of the tree
// shows under keys of its own or finds out from the rest.
const QSet<QByteArray> &geometryAndState()
{
    static const QSet<QByteArray> names = geometryAndWindowState()
        + QSet<QByteArray>{"childrenRect", "childrenRegion", "sizeHint", "minimumSizeHint", "modal"};
    return names;
}

// Another property's value spelled for Designer: the dump shows that one
// (a text box's displayFlags are its textBoxFlags).
const QSet<QByteArray> &derivedForDesigner()
{
    static const QSet<QByteArray> names = {"displayFlags"};
    return names;
}

const QSet<QByteArray> &reportedForFields()
{
    static const QSet<QByteArray> names = [] {
        QSet<QByteArray> set = geometryAndState() + derivedForDesigner();
        set +=
            {"font",          "palette",         "text",          "content",       "plainText",       "html",
             "markdown",      "title",           "alignment",     "fontPixelSize", "displayText",     "cursorPosition",
             "selectedText",  "hasSelectedText", "undoAvailable", "redoAvailable", "acceptableInput", "modified",
             "documentTitle", "frameRect",       "frameWidth",    "spacing",       "margin"};
        return set;
    }();
    return names;
}

bool isResourcePath(const QString &text)
{
    return text.startsWith(QLatin1String(":/")) && text.size() > 2;
}

// An image slot: a pixmap, an icon, a resource path, or a list of resource
// paths.
bool isImageValue(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::QPixmap:
        return true;
    case QMetaType::QIcon:
        return !value.value<QIcon>().isNull();
    case QMetaType::QString:
        return isResourcePath(value.toString());
    case QMetaType::QStringList: {
        const QStringList list = value.toStringList();
        return !list.isEmpty() && std::all_of(list.begin(), list.end(), isResourcePath);
    }
    default:
        return false;
    }
}

using harness::FormCensus;

// How other fields refer to the object at pointer: its name, a spacer by its
// field index, null when no field holds it.
QJsonValue fieldReference(const FormCensus &census, const void *pointer)
{
    const int index = census.fieldIndexOf(pointer);
    if (index < 0)
        return QJsonValue::Null;
    if (const QObject *object = census.objectAt(pointer))
        return object->objectName();
    return index;
}

class FieldWriter
{
public:
    FieldWriter(const FormCensus &census, const ImageIndex &images, ReferenceObjects &references, bool complete)
        : m_census(census)
        , m_images(images)
        , m_references(references)
        , m_complete(complete)
    {
    }

    QJsonObject field(int index) const
    {
        QJsonObject json{{QStringLiteral("index"), index}};
        if (QObject *object = m_census.object(index))
            writeObject(*object, json);
        else if (QSpacerItem *spacer = m_census.spacer(index))
            writeSpacer(*spacer, json);
        else
            writeUnidentified(m_census.pointer(index), json);
        return json;
    }

    QJsonObject root() const
    {
        const QWidget &root = *m_census.root();
        QJsonObject properties = dynamicProperties(root);
        const QJsonObject changed = m_complete
            ? allProperties(root, geometryAndState())
            : changedProperties(root, m_references.freshRoot(), geometryAndState(), /*imagesElsewhere=*/false);
        // Forms set root enums by number (windowModality 1), so they read back as numbers.
        for (auto it = changed.begin(); it != changed.end(); ++it) {
            const QByteArray name = it.key().toLatin1();
            const int index = root.metaObject()->indexOfProperty(name.constData());
            const bool isEnum = index >= 0 && root.metaObject()->property(index).isEnumType();
            properties.insert(it.key(), isEnum ? QJsonValue(root.property(name.constData()).toInt()) : it.value());
        }
        return {{QStringLiteral("objectName"), root.objectName()},
                {QStringLiteral("size"), QJsonArray{root.width(), root.height()}},
                {QStringLiteral("windowTitle"), root.windowTitle()},
                {QStringLiteral("properties"), properties}};
    }

private:
    void writeObject(const QObject &object, QJsonObject &json) const
    {
        const QWidget *widget = object.isWidgetType() ? static_cast<const QWidget *>(&object) : nullptr;
        const QMetaObject *metaObject = object.metaObject();

        json.insert(QStringLiteral("name"), object.objectName());
        json.insert(QStringLiteral("class"), QString::fromLatin1(metaObject->className()));
        json.insert(QStringLiteral("parent"), parentOf(object));
        json.insert(QStringLiteral("geometry"), geometryOf(widget));
        json.insert(QStringLiteral("text"), textOf(object));
        json.insert(QStringLiteral("images"), imagesOf(object));
        json.insert(QStringLiteral("fontPixelSize"), intProperty(object, "fontPixelSize"));
        json.insert(QStringLiteral("alignment"), intProperty(object, "alignment"));
        json.insert(QStringLiteral("font"),
                    widget && widget->testAttribute(Qt::WA_SetFont) ? QJsonValue(jsonFont(widget->font()))
                                                                    : QJsonValue(QJsonValue::Null));
        json.insert(QStringLiteral("palette"),
                    widget && widget->testAttribute(Qt::WA_SetPalette) ? QJsonValue(jsonPalette(widget->palette()))
                                                                       : QJsonValue(QJsonValue::Null));
        json.insert(QStringLiteral("properties"), dynamicProperties(object));

        QJsonObject settings = m_complete
            ? allProperties(object, derivedForDesigner())
            : changedProperties(object, m_references.referenceFor(metaObject), reportedForFields(),
                                /*imagesElsewhere=*/true);
        if (auto *layout = qobject_cast<const QLayout *>(&object)) {
            addLayoutSettings(*layout, settings);
            json.insert(QStringLiteral("items"), layoutItems(*layout));
        }
        json.insert(QStringLiteral("settings"), settings);
        if (auto *label = qobject_cast<const QLabel *>(&object))
            json.insert(QStringLiteral("buddy"), fieldReference(m_census, label->buddy()));
        if (auto *stack = qobject_cast<const QStackedWidget *>(&object))
            json.insert(QStringLiteral("pages"), pagesOf(*stack));
    }

    // Every readable property but those in skip, whatever its value.
    QJsonObject allProperties(const QObject &object, const QSet<QByteArray> &skip) const
    {
        QJsonObject all;
        const QMetaObject *metaObject = object.metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (!property.isReadable() || skip.contains(property.name()))
                continue;
            const QVariant value = property.read(&object);
            QJsonValue json;
            if (value.userType() == QMetaType::QFont)
                json = jsonCompleteFont(value.value<QFont>());
            else if (value.userType() == QMetaType::QPalette)
                json = jsonCompletePalette(value.value<QPalette>());
            else
                json = jsonPropertyValue(property, value, m_images);
            all.insert(QString::fromLatin1(property.name()), json);
        }
        return all;
    }

    QJsonObject pagesOf(const QStackedWidget &stack) const
    {
        QJsonArray names;
        for (int i = 0; i < stack.count(); ++i)
            names.append(fieldReference(m_census, stack.widget(i)));
        return {{QStringLiteral("names"), names}, {QStringLiteral("currentIndex"), stack.currentIndex()}};
    }

    QJsonArray layoutItems(const QLayout &layout) const
    {
        const FormCensus::LayoutKind kind = FormCensus::kindOf(layout);
        QJsonArray items;
        for (const FormCensus::LayoutItem &item : FormCensus::itemsOf(layout)) {
            const int index = m_census.fieldIndexOf(item.member);
            QJsonObject json{
                {QStringLiteral("index"), index < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(index)},
                {QStringLiteral("name"),
                 item.item->spacerItem() ? QJsonValue(QJsonValue::Null) : fieldReference(m_census, item.member)},
                {QStringLiteral("stretch"),
                 kind == FormCensus::LayoutKind::Box ? QJsonValue(item.stretch) : QJsonValue(QJsonValue::Null)}};
            if (kind == FormCensus::LayoutKind::Grid) {
                json.insert(QStringLiteral("row"), item.row);
                json.insert(QStringLiteral("column"), item.column);
                json.insert(QStringLiteral("rowSpan"), item.rowSpan);
                json.insert(QStringLiteral("columnSpan"), item.columnSpan);
            } else if (kind == FormCensus::LayoutKind::Form) {
                json.insert(QStringLiteral("row"), item.row);
                json.insert(QStringLiteral("role"), roleName(item.role));
            }
            items.append(json);
        }
        return items;
    }

    static QString roleName(QFormLayout::ItemRole role)
    {
        return QString::fromLatin1(QMetaEnum::fromType<QFormLayout::ItemRole>().valueToKey(role));
    }

    void writeSpacer(QSpacerItem &spacer, QJsonObject &json) const
    {
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        const QSizePolicy policy = spacer.sizePolicy();
        json.insert(QStringLiteral("name"), QJsonValue::Null);
        json.insert(QStringLiteral("class"), QStringLiteral("QSpacerItem"));
        json.insert(QStringLiteral("parent"), QJsonValue::Null);
        json.insert(QStringLiteral("geometry"), QJsonValue::Null);
        json.insert(
            QStringLiteral("settings"),
            QJsonObject{
                {QStringLiteral("sizeHint"), QJsonArray{spacer.sizeHint().width(), spacer.sizeHint().height()}},
                {QStringLiteral("horizontalPolicy"),
                 QString::fromLatin1(policies.valueToKey(policy.horizontalPolicy()))},
                {QStringLiteral("verticalPolicy"), QString::fromLatin1(policies.valueToKey(policy.verticalPolicy()))}});
    }

    static void writeUnidentified(const void *pointer, QJsonObject &json)
    {
        json.insert(QStringLiteral("name"), QJsonValue::Null);
        json.insert(QStringLiteral("class"), QJsonValue::Null);
        json.insert(QStringLiteral("problem"),
                    pointer ? QStringLiteral("points at nothing built into the root") : QStringLiteral("not set"));
    }

    // The object the form made this one a child of. A scroll area's content
    // widget, made without a parent, ends up in the area's viewport, which no
    // field holds.
    QJsonValue parentOf(const QObject &object) const
    {
        const QObject *parent = object.parent();
        if (!parent)
            return QJsonValue::Null;
        if (parent == m_census.root())
            return QStringLiteral("Root");
        return fieldReference(m_census, parent);
    }

    static QJsonValue geometryOf(const QWidget *widget)
    {
        if (!widget || !(widget->testAttribute(Qt::WA_Moved) || widget->testAttribute(Qt::WA_Resized)))
            return QJsonValue::Null;
        const QRect g = widget->geometry();
        return QJsonArray{g.x(), g.y(), g.width(), g.height()};
    }

    // What the widget shows: the first non-empty of these, as the controls
    // draw the content of a text box in preference to its label text.
    static QJsonValue textOf(const QObject &object)
    {
        bool hasText = false;
        for (const char *name : {"content", "text", "plainText", "title"}) {
            const int index = object.metaObject()->indexOfProperty(name);
            if (index < 0)
                continue;
            hasText = true;
            const QString text = object.metaObject()->property(index).read(&object).toString();
            if (!text.isEmpty())
                return text;
        }
        return hasText ? QJsonValue(QString()) : QJsonValue(QJsonValue::Null);
    }

    static QJsonValue intProperty(const QObject &object, const char *name)
    {
        const QVariant value = object.property(name);
        bool ok = false;
        const int number = enumValue(value, &ok);
        return ok ? QJsonValue(number) : QJsonValue(QJsonValue::Null);
    }

    QJsonValue imageSlot(const QVariant &value) const
    {
        if (value.userType() == QMetaType::QPixmap || value.userType() == QMetaType::QIcon)
            return jsonValue(value, m_images);
        if (value.userType() == QMetaType::QString)
            return value.toString();
        return QJsonArray::fromStringList(value.toStringList());
    }

    QJsonObject imagesOf(const QObject &object) const
    {
        QJsonObject images;
        const QMetaObject *metaObject = object.metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (!property.isReadable() || !isImageProperty(property))
                continue;
            const QVariant value = property.read(&object);
            if (isImageValue(value) && !(value.userType() == QMetaType::QPixmap && value.value<QPixmap>().isNull()))
                images.insert(QString::fromLatin1(property.name()), imageSlot(value));
        }
        for (const QByteArray &name : object.dynamicPropertyNames()) {
            const QVariant value = object.property(name);
            if (value.userType() == QMetaType::QPixmap && !value.value<QPixmap>().isNull())
                images.insert(QString::fromLatin1(name), imageSlot(value));
        }
        return images;
    }

    static bool isImageProperty(const QMetaProperty &property)
    {
        const int type = property.userType();
        return type == QMetaType::QPixmap || type == QMetaType::QIcon || type == QMetaType::QString
            || type == QMetaType::QStringList;
    }

    QJsonObject dynamicProperties(const QObject &object) const
    {
        QJsonObject properties;
        for (const QByteArray &name : object.dynamicPropertyNames()) {
            if (!isBookkeepingProperty(name))
                properties.insert(QString::fromLatin1(name), jsonValue(object.property(name), m_images));
        }
        return properties;
    }

    // Every readable property whose value differs from the reference object's,
    // all of them where the reference's class lacks the property. Equal here
    // is spelled the same in the dump, so that a value shows where it reads
    // differently.
    QJsonObject changedProperties(const QObject &object, const QObject *reference, const QSet<QByteArray> &skip,
                                  bool imagesElsewhere) const
    {
        ChangeRules rules;
        rules.properties = ChangeRules::Properties::Readable;
        rules.skipped = &skip;
        rules.skipObjectPointers = true;
        rules.leaveOut = [&](const QMetaProperty &property, const QVariant &value) {
            return imagesElsewhere && (property.userType() == QMetaType::QPixmap || isImageValue(value));
        };
        QHash<QByteArray, QJsonValue> spelled;
        rules.same = [&](const QVariant &value, const QMetaProperty &referenceProperty,
                         const QVariant &referenceValue) {
            const QMetaProperty property =
                object.metaObject()->property(object.metaObject()->indexOfProperty(referenceProperty.name()));
            const QJsonValue json = jsonPropertyValue(property, value, m_images);
            spelled.insert(referenceProperty.name(), json);
            return jsonPropertyValue(referenceProperty, referenceValue, m_images) == json;
        };
        QJsonObject changed;
        for (const ChangedProperty &property : layouttool::changedProperties(object, reference, rules)) {
            const QByteArray name = property.property.name();
            changed.insert(QString::fromLatin1(name),
                           spelled.contains(name) ? spelled.value(name)
                                                  : jsonPropertyValue(property.property, property.value, m_images));
        }
        return changed;
    }

    void addLayoutSettings(const QLayout &layout, QJsonObject &settings) const
    {
        const QMargins margins = layout.contentsMargins();
        settings.insert(QStringLiteral("spacing"), layout.spacing());
        settings.insert(QStringLiteral("contentsMargins"),
                        QJsonArray{margins.left(), margins.top(), margins.right(), margins.bottom()});

        const FormCensus::LayoutKind kind = FormCensus::kindOf(layout);
        QJsonArray members, cells, formRoles;
        for (const FormCensus::LayoutItem &item : FormCensus::itemsOf(layout)) {
            members.append(fieldReference(m_census, item.member));
            if (kind == FormCensus::LayoutKind::Grid)
                cells.append(QJsonArray{item.row, item.column, item.rowSpan, item.columnSpan});
            else if (kind == FormCensus::LayoutKind::Form)
                formRoles.append(QJsonArray{item.row, roleName(item.role)});
        }
        settings.insert(QStringLiteral("members"), members);
        if (auto *grid = qobject_cast<const QGridLayout *>(&layout)) {
            settings.insert(QStringLiteral("cells"), cells);
            settings.insert(QStringLiteral("horizontalSpacing"), grid->horizontalSpacing());
            settings.insert(QStringLiteral("verticalSpacing"), grid->verticalSpacing());
        }
        if (kind == FormCensus::LayoutKind::Form)
            settings.insert(QStringLiteral("roles"), formRoles);
    }

    const FormCensus &m_census;
    const ImageIndex &m_images;
    ReferenceObjects &m_references;
    const bool m_complete;
};

// The stacking of every parent that is the root or a field, bottom first.
QJsonObject stackingOf(const FormCensus &census)
{
    QJsonObject stacking;
    for (const QObject *object : census.objects()) {
        if (!object->isWidgetType())
            continue;
        const auto *parent = static_cast<const QWidget *>(object);
        const QJsonValue parentName =
            parent == census.root() ? QJsonValue(QStringLiteral("Root")) : fieldReference(census, parent);
        if (!parentName.isString())
            continue;
        QJsonArray children;
        for (const QWidget *child : census.stackedFields(*parent))
            children.append(child->objectName());
        if (!children.isEmpty())
            stacking.insert(parentName.toString(), children);
    }
    return stacking;
}

} // namespace

FormDumper::FormDumper(const ImageIndex &images, Detail detail)
    : m_images(images)
    , m_detail(detail)
{
}

FormDumper::~FormDumper() = default;

QStringList FormDumper::keyOrder()
{
    return {QStringLiteral("index"),     QStringLiteral("form"),          QStringLiteral("root"),
            QStringLiteral("fields"),    QStringLiteral("name"),          QStringLiteral("objectName"),
            QStringLiteral("class"),     QStringLiteral("parent"),        QStringLiteral("geometry"),
            QStringLiteral("size"),      QStringLiteral("windowTitle"),   QStringLiteral("text"),
            QStringLiteral("images"),    QStringLiteral("fontPixelSize"), QStringLiteral("alignment"),
            QStringLiteral("font"),      QStringLiteral("palette"),       QStringLiteral("properties"),
            QStringLiteral("settings"),  QStringLiteral("buddy"),         QStringLiteral("items"),
            QStringLiteral("pages"),     QStringLiteral("stacking"),      QStringLiteral("problem"),
            QStringLiteral("stretch"),   QStringLiteral("row"),           QStringLiteral("column"),
            QStringLiteral("rowSpan"),   QStringLiteral("columnSpan"),    QStringLiteral("role"),
            QStringLiteral("names"),     QStringLiteral("currentIndex"),  QStringLiteral("family"),
            QStringLiteral("pointSize"), QStringLiteral("pixelSize"),     QStringLiteral("bold"),
            QStringLiteral("weight"),    QStringLiteral("italic"),        QStringLiteral("underline"),
            QStringLiteral("kerning"),   QStringLiteral("antialias"),     QStringLiteral("active"),
            QStringLiteral("inactive"),  QStringLiteral("disabled")};
}

QJsonObject FormDumper::dump(const BuiltForm &form)
{
    return dump(FormCensus(form), QString::fromLatin1(form.entry().name));
}

QJsonObject FormDumper::dump(const FormCensus &census, const QString &formName)
{
    const FieldWriter writer(census, m_images, m_references, m_detail == Detail::Complete);
    QJsonArray fields;
    for (int i = 0; i < census.fieldCount(); ++i)
        fields.append(writer.field(i));
    return {{QStringLiteral("form"), formName},
            {QStringLiteral("root"), writer.root()},
            {QStringLiteral("stacking"), stackingOf(census)},
            {QStringLiteral("fields"), fields}};
}

} // namespace quarn::layouttool
