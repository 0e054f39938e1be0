#pragma once

#include "uiform/ui_model.h"

#include <QList>
#include <QString>

struct QMetaObject;

namespace quarn::layouttool {

// The classes of a form that uic does not know, declared in <customwidgets>
// with their base class and the header that declares them.
class UiCustomWidgets
{
public:
    // Notes the class and its library base classes, unless they come with Qt.
    void note(const QMetaObject *metaObject);
    // What <customwidgets> declares, in the order the classes were noted.
    QVector<UiCustomWidget> declarations() const;

    // The header a uic-generated file includes for a library class (from
    // controls/zel_control_table.def), empty for a class it does not hold.
    static QString headerFor(const QMetaObject *metaObject);

private:
    QList<const QMetaObject *> m_classes;
};

} // namespace quarn::layouttool
