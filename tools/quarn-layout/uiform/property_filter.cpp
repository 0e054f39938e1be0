#include "uiform/property_filter.h"

#include "common/widget_state_properties.h"

#include <QIcon>
#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QTextDocument>

namespace quarn::layouttool {

namespace {

// Besides the geometry and window state: written under their own elements,
// derived from others, or state a form does not set.
const QSet<QByteArray> &notWrittenAsProperties()
{
    static const QSet<QByteArray> names =
        geometryAndWindowState() + QSet<QByteArray>{"frameRect",      "font",          "palette", "windowFilePath",
                                                    "windowModified", "windowOpacity", "cursor",  "inputMethodHints"};
    return names;
}

QList<QByteArray> setByNameOf(const QMetaObject *metaObject)
{
    QList<QByteArray> names;
    for (const QMetaObject *m = metaObject; m; m = m->superClass()) {
        const int index = m->indexOfClassInfo("setByName");
        if (index >= m->classInfoOffset())
            names += QByteArray(m->classInfo(index).value()).split(',');
    }
    return names;
}

// Pictures compare by what they hold, not by their (cached) objects.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() == QMetaType::QIcon && b.userType() == QMetaType::QIcon)
        return a.value<QIcon>().cacheKey() == b.value<QIcon>().cacheKey()
            || (a.value<QIcon>().isNull() && b.value<QIcon>().isNull());
    if (a.userType() == QMetaType::QPixmap && b.userType() == QMetaType::QPixmap)
        return a.value<QPixmap>().cacheKey() == b.value<QPixmap>().cacheKey()
            || (a.value<QPixmap>().isNull() && b.value<QPixmap>().isNull());
    return a == b;
}

// A text document is written as its text: plainText when that says it all,
// html otherwise. One of them only, as each setter replaces the whole
// document.
QByteArray documentTextProperty(const QTextDocument &document)
{
    QTextDocument plain;
    plain.setDefaultFont(document.defaultFont());
    plain.setDefaultStyleSheet(document.defaultStyleSheet());
    plain.setPlainText(document.toPlainText());
    return plain.toHtml() == document.toHtml() ? QByteArrayLiteral("plainText") : QByteArrayLiteral("html");
}

bool namesDocumentText(const QByteArray &name)
{
    return name == "plainText" || name == "html" || name == "markdown";
}

} // namespace

QVector<UiProperty> UiPropertyFilter::changedProperties(const QObject &object, const QObject *reference,
                                                        int standardCount)
{
    QVector<UiProperty> properties;
    const QMetaObject *metaObject = object.metaObject();
    const QList<QByteArray> setByName = setByNameOf(metaObject);
    const auto *document = object.property("document").value<QTextDocument *>();
    const QByteArray documentText = document ? documentTextProperty(*document) : QByteArray();
    for (int i = 0; i < metaObject->propertyCount(); ++i) {
        const QMetaProperty property = metaObject->property(i);
        if (!property.isWritable() || notWrittenAsProperties().contains(property.name()))
            continue;
        if (document
            && (property.userType() == qMetaTypeId<QTextDocument *>()
                || (namesDocumentText(property.name()) && documentText != property.name())))
            continue;
        const QVariant value = property.read(&object);
        if (reference) {
            const int referenceIndex = reference->metaObject()->indexOfProperty(property.name());
            if (referenceIndex >= 0
                && sameValue(reference->metaObject()->property(referenceIndex).read(reference), value))
                continue;
        }
        UiProperty written;
        written.name = QString::fromLatin1(property.name());
        written.value = value;
        if (property.isEnumType())
            written.enumerator = property.enumerator();
        written.translatable = isTranslatableText(property.name());
        written.byName = i >= standardCount || setByName.contains(property.name());
        properties.append(written);
    }
    return properties;
}

QVector<UiProperty> UiPropertyFilter::dynamicProperties(const QObject &object)
{
    QVector<UiProperty> properties;
    for (const QByteArray &name : object.dynamicPropertyNames()) {
        if (name.startsWith("_q_"))
            continue; // Qt's own bookkeeping
        UiProperty written;
        written.name = QString::fromLatin1(name);
        written.value = object.property(name);
        written.byName = true;
        properties.append(written);
    }
    return properties;
}

bool UiPropertyFilter::isDocumentText(const QObject &object, const QString &name)
{
    return object.property("document").value<QTextDocument *>() && namesDocumentText(name.toLatin1());
}

bool UiPropertyFilter::isTranslatableText(const QByteArray &name)
{
    static const QSet<QByteArray> names = {"text",      "content",   "windowTitle",    "title",
                                           "toolTip",   "statusTip", "whatsThis",      "placeholderText",
                                           "plainText", "html",      "accessibleName", "accessibleDescription"};
    return names.contains(name);
}

} // namespace quarn::layouttool
