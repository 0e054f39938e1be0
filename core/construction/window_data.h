#pragma once

// A widget that was a window while the form set it up (made without a parent,
// handed to its parent later), or that was given a window's settings (a base
// size, a size increment, even the default one), keeps window data. Qt 5 shows
// that data in the widget's normal geometry; Qt 6 keeps a normal geometry for
// windows only, so the form marks such a widget itself. The mark is
// bookkeeping, not one of the form's values: the dump and the export read
// past it.

class QWidget;

namespace quarn {

constexpr char kWindowDataProperty[] = "_quarn_windowData";

void markWindowData(QWidget *widget);

} // namespace quarn
