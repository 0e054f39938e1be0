#pragma once

// Generated sources in the project's format: clang-format with the
// project's style, which a build finds in its source tree and an installed
// tool beside its data.

#include <QString>

namespace quarn::layouttool {

// The text clang-format makes of source, formatted as if it were the file
// assumedPath. False with the reason when clang-format or the style is
// missing, fails, takes longer than its time limit or gives back other code
// than it was given (a NUL in source is refused before); source is then left
// as it is.
bool formatSource(QString *source, const QString &assumedPath, QString *error);

// Whether a generated file can have this name: a file name within the file
// system's limit and a whole path within the system's. False with the reason.
bool outputNameFits(const QString &path, QString *error);

} // namespace quarn::layouttool
