#pragma once

#include <QHash>

#include <memory>

class QObject;
class QWidget;
struct QMetaObject;

namespace quarn::layouttool {

// Default-constructed objects to tell what a form changed on its objects: one
// per class, made on first request and kept. Widgets sit in a hidden parent as
// the form's widgets do; layouts each get a host widget of their own.
class ReferenceObjects
{
public:
    ReferenceObjects();
    ~ReferenceObjects();

    // A default object of the class, or of its nearest base class that can be
    // made: controls through their invokable constructor, plain Qt classes
    // through a small factory. Null when not even a base can be made.
    const QObject *referenceFor(const QMetaObject *metaObject);
    // An unnamed top-level QWidget, as a host root starts out.
    const QWidget *freshRoot() const { return m_freshRoot.get(); }

    ReferenceObjects(const ReferenceObjects &) = delete;
    ReferenceObjects &operator=(const ReferenceObjects &) = delete;

private:
    QObject *make(const QMetaObject *metaObject);

    std::unique_ptr<QWidget> m_parent; // owns every reference object
    std::unique_ptr<QWidget> m_freshRoot;
    QHash<const QMetaObject *, QObject *> m_byClass; // null where none can be made
};

} // namespace quarn::layouttool
