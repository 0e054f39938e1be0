#pragma once

#include "controls/zel_input_widget.h"
#include "controls/zel_kb_container.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QWidget>

/* TRANSLATOR CoordEditorClass

   The editor of one coordinate value: input line over the on-screen keyboard.
*/
struct Ui_CoordEditorClass : UiRecord {
    QVBoxLayout *verticalLayout;
    zelInputWidget *inputWidget;
    zelKBContainer *KeyboardContainer;
};
