#pragma once

// A Designer form's values as C++ text in the forms' vocabulary: named
// palettes and fonts where a value is one of them, else built explicitly.

#include <QDomElement>
#include <QString>

namespace quarn::layouttool::values {

// A C++ string literal of the text, UTF-8 kept as is.
QString literal(const QString &text);

// The element's one value child (<number>, <rect>, ...), null if none.
QDomElement valueOf(const QDomElement &property);

// A plain value as one C++ argument list: "12", "true", "\"path\"",
// "10, 20" for a point or size, "Qt::AlignLeft | Qt::AlignTop" for a set.
// False with an error naming the element where it has no such form.
bool arguments(const QDomElement &value, QString *text, QString *error);

// A value as one C++ expression a QVariant takes.
bool expression(const QDomElement &value, QString *text, QString *error);

// "boldAA()" or "Font().bold().pointSize(10)".
bool font(const QDomElement &font, QString *text, QString *error);
// "whiteText()" or "Colours().role(QPalette::WindowText, QColor(...), QColor(...))".
bool palette(const QDomElement &palette, QString *text, QString *error);

// Text that stands for an element and everything in it, to compare values.
QString signature(const QDomElement &element);

} // namespace quarn::layouttool::values
