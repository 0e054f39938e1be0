#include "forms/settings/SettingsMemoryScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsMemoryScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsMemoryScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.backing, root, "backing").at(0, 70, 240, 282);
    make(ui.scrollArea, ui.backing, "scrollArea").at(0, 0, 240, 282).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, -74, 230, 354)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 354);
    make(ui.layoutWidget_4, ui.scrollAreaWidgetContents, "layoutWidget_4").at(0, 130, 232, 222);
    layout(ui.verticalLayout, ui.layoutWidget_4, "verticalLayout").spacing(0);
    make(ui.cbUseSDCard, ui.layoutWidget_4, "cbUseSDCard")
        .checkable()
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButtons_f.mif")
        .shiftOnPress(1, 1)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(16, 8)
        .checkBoxFlag();
    make(ui.lbluseSDCard, ui.cbUseSDCard, "lbluseSDCard").at(50, 4, 175, 20).settingCaption();
    make(ui.lblExternalStorage, ui.cbUseSDCard, "lblExternalStorage")
        .at(50, 19, 175, 20)
        .font(normalWeightAA())
        .scaledContents()
        .pixelSize(14);
    make(ui.btnClearMemoryDevice, ui.layoutWidget_4, "btnClearMemoryDevice")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButtons_f.mif")
        .shiftOnPress(1, 1)
        .eventPropagation();
    make(ui.lblClearMemoryDevice, ui.btnClearMemoryDevice, "lblClearMemoryDevice")
        .at(8, 6, 212, 32)
        .buttonLabel()
        .wordWrap();
    make(ui.btnClearMemorySD, ui.layoutWidget_4, "btnClearMemorySD")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButtons_f.mif")
        .shiftOnPress(1, 1)
        .eventPropagation();
    make(ui.lblClearMemorySD, ui.btnClearMemorySD, "lblClearMemorySD").at(8, 6, 212, 32).buttonLabel().wordWrap();
    make(ui.btnRestoreFactory, ui.layoutWidget_4, "btnRestoreFactory")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButtons_f.mif")
        .shiftOnPress(1, 1)
        .eventPropagation();
    make(ui.lblRestoreFactory, ui.btnRestoreFactory, "lblRestoreFactory").at(8, 6, 212, 32).buttonLabel().wordWrap();
    make(ui.btnFormatSDCard, ui.layoutWidget_4, "btnFormatSDCard")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButtons_f.mif")
        .shiftOnPress(1, 1)
        .eventPropagation();
    make(ui.lblFormatSDCard, ui.btnFormatSDCard, "lblFormatSDCard").at(8, 6, 212, 32).buttonLabel().wordWrap();
    make(ui.layoutWidget_5, ui.scrollAreaWidgetContents, "layoutWidget_5").at(10, 0, 211, 121);
    layout(ui.gridLayout, ui.layoutWidget_5, "gridLayout");
    make(ui.textBox_5, ui.layoutWidget_5, "textBox_5").minSize(130, 0).memoryFigureName();
    make(ui.textTotalSize, ui.layoutWidget_5, "textTotalSize").regularValue();
    make(ui.textBox_11, ui.layoutWidget_5, "textBox_11").minSize(130, 0).memoryFigureName();
    make(ui.textMapSize, ui.layoutWidget_5, "textMapSize").regularValue();
    make(ui.textBox_12, ui.layoutWidget_5, "textBox_12").minSize(130, 0).memoryFigureName();
    make(ui.textApplicationSize, ui.layoutWidget_5, "textApplicationSize").regularValue();
    make(ui.textBox_13, ui.layoutWidget_5, "textBox_13").minSize(130, 0).memoryFigureName();
    make(ui.textUserSize, ui.layoutWidget_5, "textUserSize").regularValue();
    make(ui.textBox_14, ui.layoutWidget_5, "textBox_14").minSize(130, 0).memoryFigureName();
    make(ui.textAvailableSize, ui.layoutWidget_5, "textAvailableSize").regularValue();
    make(ui.icon_9, root, "icon_9").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.lblOffCourse_6, ui.icon_9, "lblOffCourse_6")
        .at(45, 4, 189, 38)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(18);
    titleIcon(ui.icon_10, ui.icon_9, "icon_10", ":/Icons/i_Memory.mif");

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(
        ui.verticalLayout,
        {ui.cbUseSDCard, ui.btnClearMemoryDevice, ui.btnClearMemorySD, ui.btnRestoreFactory, ui.btnFormatSDCard});
    addToGrid(ui.gridLayout, ui.textBox_5, 0, 0);
    addToGrid(ui.gridLayout, ui.textTotalSize, 0, 1);
    addToGrid(ui.gridLayout, ui.textBox_11, 1, 0);
    addToGrid(ui.gridLayout, ui.textMapSize, 1, 1);
    addToGrid(ui.gridLayout, ui.textBox_12, 2, 0);
    addToGrid(ui.gridLayout, ui.textApplicationSize, 2, 1);
    addToGrid(ui.gridLayout, ui.textBox_13, 3, 0);
    addToGrid(ui.gridLayout, ui.textUserSize, 3, 1);
    addToGrid(ui.gridLayout, ui.textBox_14, 4, 0);
    addToGrid(ui.gridLayout, ui.textAvailableSize, 4, 1);
}

void retranslateUi(Ui_SettingsMemoryScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lbluseSDCard->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Use SD Card"));
    ui.lblExternalStorage->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "for External Storage"));
    ui.lblClearMemoryDevice->setContent(
        QCoreApplication::translate("SettingsMemoryScreenClass", "Clear Memory from Device"));
    ui.lblClearMemorySD->setContent(
        QCoreApplication::translate("SettingsMemoryScreenClass", "Clear Memory from SD Card"));
    ui.lblRestoreFactory->setContent(
        QCoreApplication::translate("SettingsMemoryScreenClass", "Restore Factory Default"));
    ui.lblFormatSDCard->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Format SD Card"));
    ui.textBox_5->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Total:"));
    //: Number shown until the host fills it.
    ui.textTotalSize->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "0.00"));
    ui.textBox_11->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Map:"));
    //: Number shown until the host fills it.
    ui.textMapSize->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "0.00"));
    ui.textBox_12->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Application:"));
    //: Number shown until the host fills it.
    ui.textApplicationSize->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "0.00"));
    ui.textBox_13->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "User Data:"));
    //: Number shown until the host fills it.
    ui.textUserSize->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "0.00"));
    ui.textBox_14->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Available:"));
    //: Number shown until the host fills it.
    ui.textAvailableSize->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "0.00"));
    ui.lblOffCourse_6->setContent(QCoreApplication::translate("SettingsMemoryScreenClass", "Memory"));
}

Form<Ui_SettingsMemoryScreenClass, setupUi, retranslateUi> formSettingsMemoryScreenClass;

} // namespace

FormLayout &SettingsMemoryScreenClass()
{
    return formSettingsMemoryScreenClass;
}

} // namespace quarn::forms
