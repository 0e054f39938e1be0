#pragma once

// A Designer form is untrusted input that becomes code compiled into every
// host: what of it reaches a generated source is checked here first, by the
// validate pass. Each check gives the reason only; the pass names the element
// and its line.

#include "uiform/ui_model.h"

#include <QByteArray>
#include <QString>

struct QMetaObject;
class QMetaProperty;

namespace quarn::layouttool::generator::checked {

// Forms nest no deeper than this; a deeper one is refused before anything
// recurses through it.
constexpr int kMaximumDepth = 256;

// The longest class name: its sources' file names (<Class>.cpp) stay within
// what file systems take.
constexpr int kMaximumClassNameLength = 200;

// Coordinates and sizes Qt keeps within int when it adds them up.
constexpr int kMaximumExtent = 16777215; // QWIDGETSIZE_MAX

// Text as a one-line message quotes it: at most 80 characters, nothing unprintable.
QString shown(const QString &text);

// Before the form is read: nesting within kMaximumDepth, and no character a
// source cannot hold (NUL, half a surrogate pair) in any text or attribute.
// False with "line N: <tag name="x">: why".
bool scan(const QByteArray &ui, QString *error);

// A C++ identifier that is no keyword, no reserved name and no macro or name
// the generated code meets (Qt's emit, signals, ui, ...).
bool isIdentifier(const QString &name);

// The widget classes the construction routines make: Qt's QWidget,
// QStackedWidget, QScrollArea, QTextEdit, QLineEdit and the controls.
const QMetaObject *widgetClass(const QString &className);
const QMetaObject *layoutClass(const QString &className);
// Qt's namespace, whose enums (Qt::BrushStyle, ...) values name.
const QMetaObject *qtNamespace();

// The reason text cannot be in a string literal of the routines' UTF-8
// sources, empty when it can.
QString textFault(const QString &text);
// The same for comments: no control character and no line break; a block
// comment (/* */) holds no "*/" nor "/*", a line comment does not end in a
// backslash.
QString commentFault(const QString &text, bool block);

// "Scope::Key" where Scope's meta-object (Qt's namespace, the value classes,
// the classes a form makes) has an enum, or with flag a flag, holding Key.
QString scopedKeyFault(const QString &text, bool flag);
// "A|B" (or "0"): each key as scopedKeyFault with flag.
QString flagsFault(const QString &text);
// key is a key of the enum enumName of metaObject ("Expanding" of QSizePolicy::Policy).
QString keyFault(const QMetaObject *metaObject, const char *enumName, const QString &key);

// A value of the type the property takes: numbers within its range, the
// property's own enum for an enum, ... Empty when it is.
QString propertyValueFault(const QMetaProperty &property, const UiValue &value);

} // namespace quarn::layouttool::generator::checked
