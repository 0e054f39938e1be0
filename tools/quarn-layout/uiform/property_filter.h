#pragma once

#include <QByteArray>
#include <QMetaEnum>
#include <QString>
#include <QVariant>
#include <QVector>

class QObject;

namespace quarn::layouttool {

// One property of a live object, as a .ui file would carry it.
struct ObjectProperty {
    QString name;
    QVariant value;
    QMetaEnum enumerator; // valid for enum and flag properties
    bool translatable = false;
    // Set through setProperty rather than a setter (stdset="0").
    bool byName = false;
};

// Chooses what of an object a .ui file writes as properties: what the form
// changed against a default object of the class, leaving out what is written
// under its own element or is state a form does not set.
class UiPropertyFilter
{
public:
    // Every writable property whose value differs from reference's (all of
    // them where the reference lacks it). Properties from standardCount on,
    // and library properties listed in the class info "setByName", are set
    // by name.
    static QVector<ObjectProperty> changedProperties(const QObject &object, const QObject *reference,
                                                     int standardCount);
    // The dynamic properties the form set, all by name.
    static QVector<ObjectProperty> dynamicProperties(const QObject &object);
    // Whether name is one of the properties that set the whole text document
    // of object (plainText, html, markdown).
    static bool isDocumentText(const QObject &object, const QString &name);
    // Whether a string property holds what a user reads, and so is translated.
    static bool isTranslatableText(const QByteArray &name);
};

} // namespace quarn::layouttool
