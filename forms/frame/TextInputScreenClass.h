#pragma once

#include "controls/zel_buttons.h"
#include "controls/zel_images.h"
#include "controls/zel_input.h"
#include "controls/zel_text.h"
#include "core/form_layout.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// Text input: the edited field's name, the edit line, the on-screen keyboard and a review area.
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
