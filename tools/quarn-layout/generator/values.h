#pragma once

// A Designer form's values as C++ text in the forms' vocabulary: named
// palettes, fonts, colours and picture lists where a value is one of them,
// else built explicitly. A value the construction routines have no form for
// is refused here, where it would be spelled, naming its element and line.

#include "uiform/ui_model.h"

#include <QString>

namespace quarn::layouttool::values {

// A C++ string literal of the text, UTF-8 kept as is.
QString literal(const QString &text);

// A plain value as one C++ argument list: "12", "true", "\"path\"",
// "10, 20" for a point or size, "Qt::AlignLeft | Qt::AlignTop" for a set.
// False with an error naming the element where it has no such form.
bool arguments(const UiValue &value, QString *text, QString *error);

// A value as one C++ expression a QVariant takes.
bool expression(const UiValue &value, QString *text, QString *error);

// "boldAA()" or "Font().bold().pointSize(10)".
bool font(const UiValue &font, QString *text, QString *error);
// "whiteText()" or "Colours().role(QPalette::WindowText, QColor(...), QColor(...))".
bool palette(const UiValue &palette, QString *text, QString *error);

} // namespace quarn::layouttool::values
