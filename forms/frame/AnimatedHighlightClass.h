#pragma once

#include "core/form_layout.h"

#include <QWidget>

/* TRANSLATOR AnimatedHighlightClass

   An animated highlight: four frames around a centre point; no children.
*/
struct Ui_AnimatedHighlightClass : UiRecord {
};
