#pragma once

#include "controls/zel_controls.h"
#include "core/form_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// Memory: the sizes of the memory areas and buttons to use the SD card, clear
// memory, restore the factory defaults and format the SD card.
struct Ui_SettingsMemoryScreenClass : UiRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack;
    QWidget *ScrollButtonsWidget;
    ZelBacking *backing;
    ZelScrollArea *scrollArea;
    QWidget *scrollAreaWidgetContents;
    QWidget *layoutWidget_4;
    QVBoxLayout *verticalLayout;
    ZelPushCheckBox *cbUseSDCard;
    ZelTextBox *lbluseSDCard;
    ZelTextBox *lblExternalStorage;
    ZelPushButton *btnClearMemoryDevice;
    ZelTextBox *lblClearMemoryDevice;
    ZelPushButton *btnClearMemorySD;
    ZelTextBox *lblClearMemorySD;
    ZelPushButton *btnRestoreFactory;
    ZelTextBox *lblRestoreFactory;
    ZelPushButton *btnFormatSDCard;
    ZelTextBox *lblFormatSDCard;
    QWidget *layoutWidget_5;
    QGridLayout *gridLayout;
    ZelTextBox *textBox_5;
    ZelTextBox *textTotalSize;
    ZelTextBox *textBox_11;
    ZelTextBox *textMapSize;
    ZelTextBox *textBox_12;
    ZelTextBox *textApplicationSize;
    ZelTextBox *textBox_13;
    ZelTextBox *textUserSize;
    ZelTextBox *textBox_14;
    ZelTextBox *textAvailableSize;
    ZelIcon *icon_9;
    ZelTextBox *lblOffCourse_6;
    ZelIcon *icon_10;
};
