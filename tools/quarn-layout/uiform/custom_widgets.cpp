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
    // One header per control, named after the class in lower case with
    // underscores between its words: ZelPushButton, controls/zel_push_button.h;
    // zelKBContainer, controls/zel_kb_container.h. The Designer plugin names
    // the same headers.
    const QString name = QString::fromLatin1(metaObject->className()).mid(3);
    QString snake;
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const bool wordStart =
            c.isUpper() && i > 0 && (name.at(i - 1).isLower() || (i + 1 < name.size() && name.at(i + 1).isLower()));
        if (wordStart)
            snake += QLatin1Char('_');
        snake += c.toLower();
    }
    return QStringLiteral("controls/zel_%1.h").arg(snake);
}

} // namespace quarn::layouttool
