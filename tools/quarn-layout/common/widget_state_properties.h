#pragma once

#include <QByteArray>
#include <QSet>

namespace quarn::layouttool {

// QWidget properties that follow from the geometry or are the state of a
// window rather than a setting of a form: the dump and the export both leave
// them out of a widget's properties.
const QSet<QByteArray> &geometryAndWindowState();

// Dynamic properties that are bookkeeping, Qt's, the forms' or an export's
// copies for Designer, rather than a form's values: the dump and the export
// leave them out too.
bool isBookkeepingProperty(const QByteArray &name);

} // namespace quarn::layouttool
