#include "ui_custom_widgets.h"

#include "qt_class.h"

#include <QMetaObject>
#include <QXmlStreamWriter>

namespace quarn::layouttool {

void UiCustomWidgets::note(const QMetaObject *metaObject)
{
    for (const QMetaObject *m = metaObject; m && !harness::isQtClass(m); m = m->superClass()) {
        if (!m_classes.contains(m))
            m_classes.append(m);
    }
}

void UiCustomWidgets::write(QXmlStreamWriter &xml) const
{
    if (m_classes.isEmpty())
        return;
    xml.writeStartElement(QStringLiteral("customwidgets"));
    for (const QMetaObject *metaObject : m_classes) {
        xml.writeStartElement(QStringLiteral("customwidget"));
        xml.writeTextElement(QStringLiteral("class"), QString::fromLatin1(metaObject->className()));
        xml.writeTextElement(QStringLiteral("extends"), QString::fromLatin1(metaObject->superClass()->className()));
        xml.writeTextElement(QStringLiteral("header"), headerFor(metaObject));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

QString UiCustomWidgets::headerFor(const QMetaObject *)
{
    // The library's one header declares every control.
    return QStringLiteral("controls/zel_controls.h");
}

} // namespace quarn::layouttool
