#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace quarn::placeholders {

// A placeholder depends on its resource path alone, so the same sources always
// give the same bundle.

// A size taken from an "NNNxMM" in the file name, else one that suits the
// folder: wide backgrounds (thin strips for bars, headers and frame pieces),
// button faces, square icons, small tiles for brushes.
QSize placeholderSize(const QString &resourcePath);

// A picture in a colour derived from the path with the file's stem written in
// it; pressed variants are darker, focused ones carry a ring. Backgrounds and
// button faces are semi-transparent so whatever sits on them stays readable;
// brush tiles are a dim shade without a label.
QImage paintPlaceholder(const QString &resourcePath);

} // namespace quarn::placeholders
