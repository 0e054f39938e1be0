#pragma once

#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR QuarnMainFrameClass

   The full-screen frame the host places its screens in; it has no children.
*/
struct Ui_QuarnMainFrameClass : UiRecord {
};
