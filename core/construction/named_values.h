#pragma once

// The values of named_values.def as data, each with the name a form writes
// for it. Hosts and tests only, like look_table.h.

#include "core/construction/geocache.h"
#include "core/construction/instrument_looks.h"
#include "core/construction/look.h"
#include "core/construction/menu_look.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

namespace quarn {

struct NamedPalette {
    const char *name; // as a form writes it: "whiteText()"
    QPalette (*value)();
    bool bare; // written as it is, not wrapped in QPalette(...)
};

struct NamedFont {
    const char *name;
    QFont (*value)();
};

struct NamedColour {
    const char *name;
    QColor (*value)();
};

struct NamedPictures {
    const char *name;
    QStringList (*value)();
};

#define QUARN_NAMED_PALETTE(name) {#name "()", []() -> QPalette { return name(); }, false},
#define QUARN_NAMED_QPALETTE(name) {#name "()", []() -> QPalette { return name(); }, true},
inline const NamedPalette kNamedPalettes[] = {
#include "core/construction/named_values.def"
};

#define QUARN_NAMED_FONT(name) {#name "()", []() -> QFont { return name(); }},
inline const NamedFont kNamedFonts[] = {
#include "core/construction/named_values.def"
};

#define QUARN_NAMED_COLOUR(name) {#name, []() -> QColor { return name; }},
inline const NamedColour kNamedColours[] = {
#include "core/construction/named_values.def"
};

#define QUARN_NAMED_PICTURES(name) {#name "()", []() -> QStringList { return name(); }},
inline const NamedPictures kNamedPictures[] = {
#include "core/construction/named_values.def"
};

} // namespace quarn
