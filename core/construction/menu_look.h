#pragma once

// The round-button menus (main menu, dashboard menu) give their root a palette
// and a font by property name; the captions and buttons inherit them.

#include <QFont>
#include <QPalette>

namespace quarn {

// Black window text and text, white button text; disabled 191, 191, 191 and
// 118, 116, 108.
const QPalette &menuScreenPalette();
// Bold, 10 pt.
const QFont &menuScreenFont();

} // namespace quarn
