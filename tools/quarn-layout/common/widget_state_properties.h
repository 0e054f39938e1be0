#pragma once

#include <QByteArray>
#include <QSet>

namespace quarn::layouttool {

// QWidget properties that follow from the geometry or are the state of a
// window rather than a setting of a form: the dump and the export both leave
// them out of a widget's properties.
const QSet<QByteArray> &geometryAndWindowState();

} // namespace quarn::layouttool
