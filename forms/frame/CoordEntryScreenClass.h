#pragma once

#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QScrollArea>
#include <QWidget>

/* TRANSLATOR CoordEntryScreenClass

   Coordinate entry, under the coordinate system and datum in use.
*/
struct Ui_CoordEntryScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnSettings;
    ZelPushButton *btnBack;
    ZelPushButton *btnContextMenu;
    ZelPushButton *btnHeader;
    ZelTextBox *labelName;
    zelCoordEntryWidget *coordEntryWidget;
    QScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout;
    ZelTextBox *CoordSystemLabel;
    ZelTextBox *CoordSystem;
    QHBoxLayout *horizontalLayout_2;
    ZelTextBox *DatumLabel;
    ZelTextBox *Datum;
};
