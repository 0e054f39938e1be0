#include "form_dump.h"

#include "form_host.h"
#include "image_index.h"
#include "json_values.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
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

// Properties that are derived from others, follow from the geometry, or are
// reported under their own key.
const QSet<QByteArray> &geometryAndState()
{
    static const QSet<QByteArray> names = {
        "geometry", "pos", "size", "rect", "x", "y", "width", "height", "frameGeometry", "frameSize",
        "normalGeometry", "childrenRect", "childrenRegion", "sizeHint", "minimumSizeHint", "minimumWidth",
        "minimumHeight", "maximumWidth", "maximumHeight", "objectName", "windowTitle", "visible",
        "isActiveWindow", "focus", "minimized", "maximized", "fullScreen", "modal", "windowIconText",
        "windowIcon",
    };
    return names;
}

const QSet<QByteArray> &reportedForFields()
{
    static const QSet<QByteArray> names = [] {
        QSet<QByteArray> set = geometryAndState();
        set += {"font", "palette", "text", "content", "plainText", "html", "markdown", "title", "alignment",
                "fontPixelSize", "displayText", "cursorPosition", "selectedText", "hasSelectedText",
                "undoAvailable", "redoAvailable", "acceptableInput", "modified", "documentTitle", "frameRect",
                "frameWidth", "spacing", "margin"};
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

bool isInternalDynamicProperty(const QByteArray &name)
{
    return name.startsWith("_q_");
}

// What each Ui record field points at. A pointer is followed only once it was
// found among the objects of the root's tree or the spacers of its layouts.
class FormCensus
{
public:
    explicit FormCensus(const BuiltForm &form)
        : m_root(form.root())
    {
        QList<QObject *> objects = m_root->findChildren<QObject *>();
        objects.prepend(m_root);
        for (QObject *object : qAsConst(objects)) {
            m_objects.insert(object, object);
            if (auto *layout = qobject_cast<QLayout *>(object)) {
                for (int i = 0; i < layout->count(); ++i) {
                    if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                        m_spacers.insert(spacer, spacer);
                }
            }
        }
        for (int i = 0; i < form.fieldCount(); ++i) {
            void *pointer = form.field(i);
            m_pointers.push_back(pointer);
            if (pointer && !m_fieldIndex.contains(pointer))
                m_fieldIndex.insert(pointer, i);
        }
    }

    QWidget *root() const { return m_root; }
    int fieldCount() const { return int(m_pointers.size()); }
    void *pointer(int index) const { return m_pointers.at(std::size_t(index)); }
    QObject *object(int index) const { return m_objects.value(pointer(index)); }
    QSpacerItem *spacer(int index) const { return m_spacers.value(pointer(index)); }

    // The first field holding pointer, or -1.
    int fieldIndexOf(const void *pointer) const { return m_fieldIndex.value(pointer, -1); }

    // How other fields refer to the object at pointer: its name, a spacer by
    // its field index, null when no field holds it.
    QJsonValue fieldReference(const void *pointer) const
    {
        const auto found = m_fieldIndex.constFind(pointer);
        if (found == m_fieldIndex.cend())
            return QJsonValue::Null;
        if (const QObject *object = m_objects.value(pointer))
            return object->objectName();
        return *found;
    }

private:
    QWidget *m_root;
    QHash<const void *, QObject *> m_objects;
    QHash<const void *, QSpacerItem *> m_spacers;
    QHash<const void *, int> m_fieldIndex; // the first field holding each pointer
    std::vector<void *> m_pointers;
};

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
        json.insert(QStringLiteral("font"), widget && widget->testAttribute(Qt::WA_SetFont)
                                                ? QJsonValue(jsonFont(widget->font()))
                                                : QJsonValue(QJsonValue::Null));
        json.insert(QStringLiteral("palette"), widget && widget->testAttribute(Qt::WA_SetPalette)
                                                   ? QJsonValue(jsonPalette(widget->palette()))
                                                   : QJsonValue(QJsonValue::Null));
        json.insert(QStringLiteral("properties"), dynamicProperties(object));

        QJsonObject settings = m_complete
            ? allProperties(object, {})
            : changedProperties(object, m_references.referenceFor(metaObject), reportedForFields(),
                                /*imagesElsewhere=*/true);
        if (auto *layout = qobject_cast<const QLayout *>(&object)) {
            addLayoutSettings(*layout, settings);
            json.insert(QStringLiteral("items"), layoutItems(*layout));
        }
        json.insert(QStringLiteral("settings"), settings);
        if (auto *label = qobject_cast<const QLabel *>(&object))
            json.insert(QStringLiteral("buddy"), m_census.fieldReference(label->buddy()));
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
            names.append(m_census.fieldReference(stack.widget(i)));
        return {{QStringLiteral("names"), names}, {QStringLiteral("currentIndex"), stack.currentIndex()}};
    }

    QJsonArray layoutItems(const QLayout &layout) const
    {
        auto *box = qobject_cast<const QBoxLayout *>(&layout);
        auto *grid = qobject_cast<const QGridLayout *>(&layout);
        auto *form = qobject_cast<const QFormLayout *>(&layout);
        const QMetaEnum roles = QMetaEnum::fromType<QFormLayout::ItemRole>();
        QJsonArray items;
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem *item = layout.itemAt(i);
            const void *pointer = memberPointer(item);
            const int index = m_census.fieldIndexOf(pointer);
            QJsonObject json{{QStringLiteral("index"), index < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(index)},
                             {QStringLiteral("name"), item->spacerItem() ? QJsonValue(QJsonValue::Null)
                                                                         : m_census.fieldReference(pointer)},
                             {QStringLiteral("stretch"), box ? QJsonValue(box->stretch(i)) : QJsonValue(QJsonValue::Null)}};
            if (grid) {
                int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
                const_cast<QGridLayout *>(grid)->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                json.insert(QStringLiteral("row"), row);
                json.insert(QStringLiteral("column"), column);
                json.insert(QStringLiteral("rowSpan"), rowSpan);
                json.insert(QStringLiteral("columnSpan"), columnSpan);
            } else if (form) {
                int row = 0;
                QFormLayout::ItemRole role = QFormLayout::LabelRole;
                form->getItemPosition(i, &row, &role);
                json.insert(QStringLiteral("row"), row);
                json.insert(QStringLiteral("role"), QString::fromLatin1(roles.valueToKey(role)));
            }
            items.append(json);
        }
        return items;
    }

    void writeSpacer(QSpacerItem &spacer, QJsonObject &json) const
    {
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        const QSizePolicy policy = spacer.sizePolicy();
        json.insert(QStringLiteral("name"), QJsonValue::Null);
        json.insert(QStringLiteral("class"), QStringLiteral("QSpacerItem"));
        json.insert(QStringLiteral("parent"), QJsonValue::Null);
        json.insert(QStringLiteral("geometry"), QJsonValue::Null);
        json.insert(QStringLiteral("settings"),
                    QJsonObject{{QStringLiteral("sizeHint"), QJsonArray{spacer.sizeHint().width(), spacer.sizeHint().height()}},
                                {QStringLiteral("horizontalPolicy"), QString::fromLatin1(policies.valueToKey(policy.horizontalPolicy()))},
                                {QStringLiteral("verticalPolicy"), QString::fromLatin1(policies.valueToKey(policy.verticalPolicy()))}});
    }

    static void writeUnidentified(const void *pointer, QJsonObject &json)
    {
        json.insert(QStringLiteral("name"), QJsonValue::Null);
        json.insert(QStringLiteral("class"), QJsonValue::Null);
        json.insert(QStringLiteral("problem"), pointer ? QStringLiteral("points at nothing built into the root")
                                                       : QStringLiteral("not set"));
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
        return m_census.fieldReference(parent);
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
            if (!isInternalDynamicProperty(name))
                properties.insert(QString::fromLatin1(name), jsonValue(object.property(name), m_images));
        }
        return properties;
    }

    // Every readable property whose value differs from the reference object's,
    // all of them where the reference's class lacks the property.
    QJsonObject changedProperties(const QObject &object, const QObject *reference, const QSet<QByteArray> &skip,
                                  bool imagesElsewhere) const
    {
        QJsonObject changed;
        const QMetaObject *metaObject = object.metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (!property.isReadable() || skip.contains(property.name())
                || (QMetaType::typeFlags(property.userType()) & QMetaType::PointerToQObject))
                continue;
            const QVariant value = property.read(&object);
            if (imagesElsewhere && (property.userType() == QMetaType::QPixmap || isImageValue(value)))
                continue;
            const QJsonValue json = jsonPropertyValue(property, value, m_images);
            if (reference) {
                const int referenceIndex = reference->metaObject()->indexOfProperty(property.name());
                if (referenceIndex >= 0) {
                    const QMetaProperty referenceProperty = reference->metaObject()->property(referenceIndex);
                    if (jsonPropertyValue(referenceProperty, referenceProperty.read(reference), m_images) == json)
                        continue;
                }
            }
            changed.insert(QString::fromLatin1(property.name()), json);
        }
        return changed;
    }

    void addLayoutSettings(const QLayout &layout, QJsonObject &settings) const
    {
        const QMargins margins = layout.contentsMargins();
        settings.insert(QStringLiteral("spacing"), layout.spacing());
        settings.insert(QStringLiteral("contentsMargins"),
                        QJsonArray{margins.left(), margins.top(), margins.right(), margins.bottom()});

        auto *grid = qobject_cast<const QGridLayout *>(&layout);
        auto *form = qobject_cast<const QFormLayout *>(&layout);
        const QMetaEnum roles = QMetaEnum::fromType<QFormLayout::ItemRole>();
        QJsonArray members, cells, formRoles;
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem *item = layout.itemAt(i);
            members.append(m_census.fieldReference(memberPointer(item)));
            if (grid) {
                int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
                const_cast<QGridLayout *>(grid)->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                cells.append(QJsonArray{row, column, rowSpan, columnSpan});
            } else if (form) {
                int row = 0;
                QFormLayout::ItemRole role = QFormLayout::LabelRole;
                form->getItemPosition(i, &row, &role);
                formRoles.append(QJsonArray{row, QString::fromLatin1(roles.valueToKey(role))});
            }
        }
        settings.insert(QStringLiteral("members"), members);
        if (grid) {
            settings.insert(QStringLiteral("cells"), cells);
            settings.insert(QStringLiteral("horizontalSpacing"), grid->horizontalSpacing());
            settings.insert(QStringLiteral("verticalSpacing"), grid->verticalSpacing());
        }
        if (form)
            settings.insert(QStringLiteral("roles"), formRoles);
    }

    // The address a Ui record field would hold for a layout item.
    static const void *memberPointer(QLayoutItem *item)
    {
        if (QWidget *widget = item->widget())
            return widget;
        if (QLayout *layout = item->layout())
            return static_cast<QObject *>(layout);
        if (QSpacerItem *spacer = item->spacerItem())
            return spacer;
        return item;
    }

    const FormCensus &m_census;
    const ImageIndex &m_images;
    ReferenceObjects &m_references;
    const bool m_complete;
};

// Qt keeps a parent's children in stacking order, bottom first; raise()
// moves a widget to the end.
QJsonObject stackingOf(const FormCensus &census)
{
    QJsonObject stacking;
    QList<QWidget *> parents = census.root()->findChildren<QWidget *>();
    parents.prepend(census.root());
    for (const QWidget *parent : qAsConst(parents)) {
        const QJsonValue parentName =
            parent == census.root() ? QJsonValue(QStringLiteral("Root")) : census.fieldReference(parent);
        if (!parentName.isString())
            continue;
        QJsonArray children;
        for (const QObject *child : parent->children()) {
            const QJsonValue name = census.fieldReference(child);
            if (child->isWidgetType() && name.isString())
                children.append(name);
        }
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
    return {QStringLiteral("index"), QStringLiteral("form"), QStringLiteral("root"), QStringLiteral("fields"),
            QStringLiteral("name"), QStringLiteral("objectName"), QStringLiteral("class"), QStringLiteral("parent"),
            QStringLiteral("geometry"), QStringLiteral("size"), QStringLiteral("windowTitle"), QStringLiteral("text"),
            QStringLiteral("images"), QStringLiteral("fontPixelSize"), QStringLiteral("alignment"),
            QStringLiteral("font"), QStringLiteral("palette"), QStringLiteral("properties"), QStringLiteral("settings"),
            QStringLiteral("buddy"), QStringLiteral("items"), QStringLiteral("pages"), QStringLiteral("stacking"),
            QStringLiteral("problem"), QStringLiteral("stretch"), QStringLiteral("row"), QStringLiteral("column"),
            QStringLiteral("rowSpan"), QStringLiteral("columnSpan"), QStringLiteral("role"), QStringLiteral("names"),
            QStringLiteral("currentIndex"), QStringLiteral("family"), QStringLiteral("pointSize"),
            QStringLiteral("pixelSize"), QStringLiteral("bold"), QStringLiteral("weight"), QStringLiteral("italic"),
            QStringLiteral("underline"), QStringLiteral("kerning"), QStringLiteral("antialias"),
            QStringLiteral("active"), QStringLiteral("inactive"), QStringLiteral("disabled")};
}

QJsonObject FormDumper::dump(const BuiltForm &form)
{
    const FormCensus census(form);
    const FieldWriter writer(census, m_images, m_references, m_detail == Detail::Complete);
    QJsonArray fields;
    for (int i = 0; i < census.fieldCount(); ++i)
        fields.append(writer.field(i));
    return {{QStringLiteral("form"), QString::fromLatin1(form.entry().name)},
            {QStringLiteral("root"), writer.root()},
            {QStringLiteral("stacking"), stackingOf(census)},
            {QStringLiteral("fields"), fields}};
}

} // namespace quarn::layouttool
