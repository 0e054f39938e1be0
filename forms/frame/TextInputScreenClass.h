#pragma once

#include "controls/zel_icon.h"
#include "controls/zel_kb_container.h"
#include "controls/zel_key_button.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QSpacerItem>
#include <QWidget>

/* TRANSLATOR TextInputScreenClass

   Text input: the edited field's name, the edit line, the on-screen keyboard and a review area.
*/
struct Ui_TextInputScreenClass : UiRecord {
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *lblEditedFieldName;
    QSpacerItem *horizontalSpacer;
    QHBoxLayout *horizontalLayout;
    QLineEdit *editField;
    zelKeyButton *btnBackspace;
    zelKBContainer *KeyboardContainer;
    ZelTextArea *textReview;
    ZelIcon *statusBar;
    zelKeyButton *btnOK;
    zelKeyButton *btnBack;
    ZelPushButton *kbBtn;
    ZelIcon *icon;
};
