#pragma once

// What a form changed on an object: the properties whose value differs from
// a default object's of the class (all of them where it has no such
// property). The Designer export and the dump both ask here; where their
// outputs need different answers, the rules say how, by name.

#include <QMetaProperty>
#include <QSet>
#include <QVariant>
#include <QVector>

#include <functional>

class QObject;

namespace quarn::layouttool {

struct ChangedProperty {
    QMetaProperty property;
    QVariant value;
};

struct ChangeRules {
    // A .ui file sets what is writable; a dump reports what is readable.
    enum class Properties { Writable, Readable };
    Properties properties = Properties::Writable;
    // Names left out: state, and what is shown under an element of its own.
    const QSet<QByteArray> *skipped = nullptr;
    // Object pointers say nothing about a form's settings.
    bool skipObjectPointers = false;
    // Left out after reading, when it says so.
    std::function<bool(const QMetaProperty &, const QVariant &)> leaveOut;
    // Whether the value equals the reference's; unset, the values are
    // compared, pictures by what they hold rather than by their objects.
    std::function<bool(const QVariant &value, const QMetaProperty &reference, const QVariant &referenceValue)> same;
};

QVector<ChangedProperty> changedProperties(const QObject &object, const QObject *reference, const ChangeRules &rules);

} // namespace quarn::layouttool
