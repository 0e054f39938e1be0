#pragma once

// The field names of a form's Ui record, read from the header a host compiles
// against. A spacer has no object name, so its field name is only there.

#include <QString>
#include <QStringList>

namespace quarn::layouttool {

// The header forms/<area>/<className>.h under one of the include folders.
QString findUiRecordHeader(const QString &className, const QStringList &includeFolders);
// The fields of struct Ui_<className>, in declaration order; empty if absent.
QStringList uiRecordFields(const QString &headerText, const QString &className);

} // namespace quarn::layouttool
