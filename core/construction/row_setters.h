#pragma once

// What rows and layouts do to their objects, out of line. A row in a form then
// compiles to calls with the object, the setter and the table's values; every
// temporary (names, pictures, lists, variants) and its cleanup lives here once
// instead of at each of the thousands of rows.

#include <QSizePolicy>
#include <QStringList> // a class in Qt 5, an alias in Qt 6: no declaration fits both
#include <initializer_list>

class QLayout;
class QObject;
class QPixmap;
class QSpacerItem;
class QString;
class QVariant;
class QWidget;
class ZelPicture;

namespace quarn::detail {

// A control's setter or member seen from QObject, so that one function serves
// every class with a setter of that signature. Only ever applied to an object
// of the class it came from.
template <typename T>
using Setter = void (QObject::*)(T);
template <typename T>
using Member = T QObject::*;

template <typename C, typename T>
Setter<T> setter(void (C::*function)(T))
{
    return static_cast<Setter<T>>(function);
}
template <typename C, typename T>
Member<T> member(T C::*field)
{
    return static_cast<Member<T>>(field);
}

// One constructor per class, shared by every row that makes one.
template <typename W>
QObject *construct(QWidget *parent)
{
    return new W(parent);
}
template <typename L>
QLayout *constructLayout(QWidget *host)
{
    return host ? new L(host) : new L();
}

QObject *makeObject(QObject *(*construct)(QWidget *), QWidget *parent, const char *objectName);
QLayout *makeLayout(QLayout *(*construct)(QWidget *), QWidget *host, const char *objectName);

void place(QWidget *widget, int x, int y, int width, int height);
// A window's settings, which leave window data on any widget (window_data.h).
void setBaseSize(QWidget *widget, int width, int height);
void setSizeIncrement(QWidget *widget, int width, int height);
void setSizePolicy(QWidget *widget, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int horizontalStretch,
                   int verticalStretch);

void setImage(QObject *object, Setter<const QPixmap &> setter, const char *path);
// Decoded by the control when first painted or asked for.
void setImage(QObject *object, Setter<const ZelPicture &> setter, const char *path);
void assignImage(QObject *object, Member<QPixmap> field, const char *path);
void setImageList(QObject *object, Setter<const QStringList &> setter, std::initializer_list<const char *> paths);
void setText(QObject *object, Setter<const QString &> setter, const char *utf8);

void setProperty(QObject *object, const char *name, int value);
void setProperty(QObject *object, const char *name, bool value);
void setProperty(QObject *object, const char *name, const QVariant &value);
void setImageProperty(QObject *object, const char *name, const char *path);

} // namespace quarn::detail
