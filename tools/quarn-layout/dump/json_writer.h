#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

namespace quarn::layouttool {

// Indented JSON meant for reading: the keys of every object in the order of
// keyOrder, keys it does not name after them in alphabetical order, and
// arrays of plain values on a single line.
QByteArray toReadableJson(const QJsonValue &value, const QStringList &keyOrder);

} // namespace quarn::layouttool
