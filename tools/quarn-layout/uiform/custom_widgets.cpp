#include "uiform/custom_widgets.h"

#include "qt_class.h"

#include <QMetaObject>

namespace quarn::layouttool {

void UiCustomWidgets::note(const QMetaObject *metaObject)
{
    for (const QMetaObject *m = metaObject; m && !harness::isQtClass(m); m = m->superClass()) {
        if (!m_classes.contains(m))
            m_classes.append(m);
    }
}

QVector<UiCustomWidget> UiCustomWidgets::declarations() const
{
    QVector<UiCustomWidget> declared;
    for (const QMetaObject *metaObject : m_classes)
        declared.append({QString::fromLatin1(metaObject->className()),
                         QString::fromLatin1(metaObject->superClass()->className()), headerFor(metaObject), 0});
    return declared;
}

QString UiCustomWidgets::headerFor(const QMetaObject *metaObject)
{
    // From the library's control table, which the Designer plugin reads too;
    // by class name, as the host does not link the library.
    struct Declared {
        const char *className;
        const char *header;
    };
#define QUARN_CONTROL(Class, header, container, toolTip, width, height) {#Class, "controls/" header},
#define QUARN_CONTROL_BASE(Class, header) {#Class, "controls/" header},
    static const Declared declared[] = {
#include "controls/zel_control_table.def"
    };
    for (const Declared &control : declared) {
        if (qstrcmp(control.className, metaObject->className()) == 0)
            return QString::fromLatin1(control.header);
    }
    return QString();
}

} // namespace quarn::layouttool
