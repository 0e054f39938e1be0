#include "uiform/property_filter.h"

#include "common/changed_properties.h"
#include "common/widget_state_properties.h"

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QSet>
#include <QTextDocument>

namespace quarn::layouttool {

namespace {

// Besides the geometry and window state: written under their own elements,
// derived from others, or state a form does not set. A text box's flags are
// written as its displayFlags, which Designer can edit.
const QSet<QByteArray> &notWrittenAsProperties()
{
    static const QSet<QByteArray> names = geometryAndWindowState()
        + QSet<QByteArray>{"frameRect",     "font",   "palette",          "windowFilePath", "windowModified",
                           "windowOpacity", "cursor", "inputMethodHints", "textBoxFlags"};
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

QVector<ObjectProperty> UiPropertyFilter::changedProperties(const QObject &object, const QObject *reference,
                                                            int standardCount)
{
    const QMetaObject *metaObject = object.metaObject();
    const QList<QByteArray> setByName = setByNameOf(metaObject);
    const auto *document = object.property("document").value<QTextDocument *>();
    const QByteArray documentText = document ? documentTextProperty(*document) : QByteArray();
    ChangeRules rules;
    rules.skipped = &notWrittenAsProperties();
    rules.leaveOut = [&](const QMetaProperty &property, const QVariant &) {
        return document
            && (property.userType() == qMetaTypeId<QTextDocument *>()
                || (namesDocumentText(property.name()) && documentText != property.name()));
    };
    QVector<ObjectProperty> properties;
    for (const ChangedProperty &changed : layouttool::changedProperties(object, reference, rules)) {
        ObjectProperty written;
        written.name = QString::fromLatin1(changed.property.name());
        written.value = changed.value;
        if (changed.property.isEnumType())
            written.enumerator = changed.property.enumerator();
        written.translatable = isTranslatableText(changed.property.name());
        written.byName =
            changed.property.propertyIndex() >= standardCount || setByName.contains(changed.property.name());
        properties.append(written);
    }
    return properties;
}

QVector<ObjectProperty> UiPropertyFilter::dynamicProperties(const QObject &object)
{
    QVector<ObjectProperty> properties;
    for (const QByteArray &name : object.dynamicPropertyNames()) {
        if (isBookkeepingProperty(name))
            continue;
        ObjectProperty written;
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
