#pragma once

// The content widget of a scroll area as a row of a form's table.

#include "core/construction/row.h"

class QScrollArea;

namespace quarn {

// Creates the content without a parent, names it and hands it to the area at
// once, so the row's own settings come after the hand-over: the area moves and
// sizes its content when it takes it, and the geometry the form gives must be
// what the content has until the area is first laid out on screen.
Row<QWidget> scrollContent(QWidget *&field, QScrollArea *area, const char *objectName);

} // namespace quarn
