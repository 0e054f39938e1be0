#pragma once

// The model's reader (ui_read.cpp) and writer (ui_write.cpp).

#include "uiform/ui_model.h"

namespace quarn::layouttool::uimodel {

// The kind of value an element spells, Unknown for none.
UiValue::Kind kindOfElement(QStringView element);
bool read(const QByteArray &ui, UiForm &form, QString *error);
QByteArray write(const UiForm &form);

} // namespace quarn::layouttool::uimodel
