#pragma once

#include <QByteArray>
#include <QStringList>

namespace quarn::placeholders {

// The image resource paths (":/....mif") that the C++ source names in string
// literals, in order of appearance with repeats: whole literals, and paths
// inside longer texts such as the navigation-field layout documents. Adjacent
// literals are joined the way the compiler joins them; comments and character
// literals are skipped.
QStringList imagePathsInSource(const QByteArray &source);

// Every image resource path that occurs in text.
QStringList imagePathsInText(const QString &text);

} // namespace quarn::placeholders
