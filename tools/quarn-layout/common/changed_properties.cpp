#include "common/changed_properties.h"

#include <QIcon>
#include <QObject>
#include <QPixmap>

namespace quarn::layouttool {

namespace {

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

} // namespace

QVector<ChangedProperty> changedProperties(const QObject &object, const QObject *reference, const ChangeRules &rules)
{
    QVector<ChangedProperty> changed;
    const QMetaObject *metaObject = object.metaObject();
    const bool writable = rules.properties == ChangeRules::Properties::Writable;
    for (int i = 0; i < metaObject->propertyCount(); ++i) {
        const QMetaProperty property = metaObject->property(i);
        if (!(writable ? property.isWritable() : property.isReadable())
            || (rules.skipped && rules.skipped->contains(property.name()))
            || (rules.skipObjectPointers && (QMetaType(property.userType()).flags() & QMetaType::PointerToQObject)))
            continue;
        const QVariant value = property.read(&object);
        if (rules.leaveOut && rules.leaveOut(property, value))
            continue;
        if (reference) {
            const int referenceIndex = reference->metaObject()->indexOfProperty(property.name());
            if (referenceIndex >= 0) {
                const QMetaProperty referenceProperty = reference->metaObject()->property(referenceIndex);
                const QVariant referenceValue = referenceProperty.read(reference);
                if (rules.same ? rules.same(value, referenceProperty, referenceValue)
                               : sameValue(value, referenceValue))
                    continue;
            }
        }
        changed.append({property, value});
    }
    return changed;
}

} // namespace quarn::layouttool
