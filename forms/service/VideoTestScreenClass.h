#pragma once

#include "core/form_layout.h"

#include <QWidget>

struct Ui_VideoTestScreenClass : UiRecord {
};
