#pragma once

// Generated sources in the project's format: clang-format with the
// project's style, which a build finds in its source tree and an installed
// tool beside its data.

#include <QString>

namespace quarn::layouttool {

// The text clang-format makes of source, formatted as if it were the file
// assumedPath. False with the reason when clang-format or the style is
// missing or fails; source is then left as it is.
bool formatSource(QString *source, const QString &assumedPath, QString *error);

} // namespace quarn::layouttool
