#pragma once

// The looks of looks.def as data, for what applies them without naming each:
// the form generator recognises a look by applying it to a fresh control, the
// tests check every look. Hosts and tests only: it pulls in every control the
// table names, which the module has no use for.

#include "core/construction/instrument_looks.h"
#include "core/construction/row.h"
#include "controls/zel_abstract_check_button.h"
#include "controls/zel_animation_ctrl.h"
#include "controls/zel_calendar_widget.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_compass.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"

#include <QTextEdit>

namespace quarn {

struct LookTableEntry {
    const char *call;              // as a row writes it: "panelButton()", "with(standardCalendar)"
    const QMetaObject *metaObject; // the control it is recognised on
    QWidget *(*create)();          // a fresh control of that class, without a parent
    void (*apply)(QObject *);      // through the Row, so what is applied is what a form calls
    bool routine;                  // a routine of its own (Row::with), not a Row setting
};

#define QUARN_LOOK(Control, look)                                                                \
    {#look "()", &Control::staticMetaObject, []() -> QWidget * { return new Control(nullptr); }, \
     [](QObject *object) { Row<Control>(static_cast<Control *>(object)).look(); }, false},
#define QUARN_LOOK_ALSO(Control, look) QUARN_LOOK(Control, look)
#define QUARN_ROUTINE_LOOK(Control, routine)                                                               \
    {"with(" #routine ")", &Control::staticMetaObject, []() -> QWidget * { return new Control(nullptr); }, \
     [](QObject *object) { Row<Control>(static_cast<Control *>(object)).with(routine); }, true},

inline const LookTableEntry kLookTable[] = {
#include "core/construction/looks.def"
};

} // namespace quarn
