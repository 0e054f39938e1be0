#pragma once

// Looks shared by many rows, kept out of line so every form uses one copy.
//
// The looks are listed once, in looks.def: each line gives a Row setting, the
// routine declared here in namespace looks, and an entry the form generator
// and the tests read; the routine's body is written by hand (row_looks.cpp).
// The generator writes a look wherever a row has all of its settings. Rows
// that repeat without being a look, and why they stay so:
// - a single picture (.image(":/Icons/i_Favorite.mif"), a button's normal and
//   pressed faces): the path already says what is shown;
// - a named font or palette alone, or with a size (.font(tableCellFont()),
//   .panelText().pixelSize(12)): the size is the row's own, the rest is named;
// - a look or picture with sizing or event propagation (.minSize(60,
//   43).maxSize(60, 43).goButton(), .panelButton().eventPropagation()): a look
//   holds no geometry or behaviour;
// - a look with one alignment, wrap or text-box flag of the row's own
//   (.smallCaption().textBoxFlags(TextBoxFlags::FirstOn),
//   .panelText().wordWrap().pixelSize(12)): the look is named, the one setting
//   says itself, and what the flags select is the widget library's;
// - a lone setting (.hidden(), .alignment(Qt::AlignCenter)): nothing to name.

// The routines are declared from the table; each control is declared first.
#define QUARN_LOOK(Control, look) class Control;
#define QUARN_LOOK_FOR(Control, Takes, look) class Takes;
#define QUARN_LOOK_ALSO(Control, look) class Control;
#include "core/construction/looks.def"

namespace quarn {

namespace looks {
#define QUARN_LOOK(Control, look) void look(Control *object);
#define QUARN_LOOK_FOR(Control, Takes, look) void look(Takes *object);
#define QUARN_LOOK_ALSO(Control, look) QUARN_LOOK(Control, look)
#include "core/construction/looks.def"
} // namespace looks

#define QUARN_LOOK(Control, look) \
    template <typename W>         \
    Row<W> &Row<W>::look()        \
    {                             \
        looks::look(m_object);    \
        return *this;             \
    }
#include "core/construction/looks.def"

} // namespace quarn
