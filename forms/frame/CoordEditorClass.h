#pragma once

#include "controls/zel_input_widget.h"
#include "controls/zel_kb_container.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

struct Ui_CoordEditorClass : UiRecord {
    QVBoxLayout *verticalLayout;
    zelInputWidget *inputWidget;
    zelKBContainer *KeyboardContainer;
};
