#pragma once

#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR VideoTestScreenClass

   The video test dialog: the named, sized root and nothing in it.
*/
struct Ui_VideoTestScreenClass : UiRecord {
};
