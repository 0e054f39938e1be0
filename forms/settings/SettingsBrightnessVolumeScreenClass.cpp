#include "forms/settings/SettingsBrightnessVolumeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsBrightnessVolumeScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsBrightnessVolumeScreenClass")
        .size(240, 400)
        .property("font", QFont(Font().pointSize(1).normalWeight()));

    make(ui.iconTitleBar, root, "iconTitleBar").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.lblProfileName_3, ui.iconTitleBar, "lblProfileName_3")
        .at(43, 4, 191, 38)
        .palette(whiteText())
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(16);
    titleIcon(ui.iconBrightnessVolume, ui.iconTitleBar, "iconBrightnessVolume", ":/Icons/i_BrightnessVolume.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.backing, root, "backing").at(0, 70, 240, 282);
    make(ui.scrollArea, ui.backing, "scrollArea").at(0, 0, 240, 282).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 342)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 342);
    make(ui.cbVibrate, ui.scrollAreaWidgetContents, "cbVibrate")
        .at(2, 245, 230, 44)
        .checkable()
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(20, 8)
        .checkBoxFlag();
    make(ui.lblVibrate_3, ui.cbVibrate, "lblVibrate_3").at(58, 12, 157, 20).levelCaption();
    make(ui.lblBackLight, ui.scrollAreaWidgetContents, "lblBackLight").at(11, 65, 211, 20).levelCaption();
    make(ui.lblBrightness, ui.scrollAreaWidgetContents, "lblBrightness").at(42, 11, 182, 20).levelCaption();
    make(ui.iconVolume, ui.scrollAreaWidgetContents, "iconVolume").at(0, 130, 38, 38).image(":/Icons/i_Volume.mif");
    make(ui.sliderVolume, ui.scrollAreaWidgetContents, "sliderVolume")
        .at(0, 163, 240, 32)
        .sliderImages(":/Bkgd/Sliderbarbox.mif", ":/Bkgd/SliderbarBkgd_h.mif", ":/Bkgd/SliderbarBkgd.mif",
                      ":/Icons/i_Plus.mif", ":/Icons/i_Minus.mif");
    make(ui.iconBrightness, ui.scrollAreaWidgetContents, "iconBrightness")
        .at(0, 0, 38, 38)
        .image(":/Icons/i_Brightness.mif");
    make(ui.cbMute, ui.scrollAreaWidgetContents, "cbMute")
        .at(2, 198, 230, 44)
        .checkable()
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(20, 8)
        .checkBoxFlag();
    make(ui.lblMute_2, ui.cbMute, "lblMute_2").at(58, 12, 157, 20).levelCaption();
    make(ui.lblVolume, ui.scrollAreaWidgetContents, "lblVolume").at(42, 140, 181, 20).levelCaption();
    make(ui.cbButtonSounds, ui.scrollAreaWidgetContents, "cbButtonSounds")
        .at(2, 292, 230, 44)
        .checkable()
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(20, 8)
        .checkBoxFlag();
    make(ui.lblVibrate_4, ui.cbButtonSounds, "lblVibrate_4").at(58, 12, 157, 20).levelCaption();
    make(ui.comboBacklight, ui.scrollAreaWidgetContents, "comboBacklight")
        .at(2, 85, 230, 44)
        .font(Font().pointSize(1).bold())
        .normal(":/Buttons/b_ToggleButton.mif")
        .focused(":/Buttons/b_ToggleButtons_f.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .arrowNormal(":/Icons/i_DropDown_Arrow.mif")
        .arrowPressed(":/Icons/i_DropDown_Arrow_h.mif")
        .arrowOrigin(180, 3)
        .itemNormal(":/Buttons/b_DropDown_Item.mif")
        .itemFocused(":/Buttons/b_DropDown_Item_f.mif")
        .itemPressed(":/Buttons/b_DropDown_Item_h.mif")
        .textMargin(16)
        .eventPropagation()
        .pixelSize(14);
    make(ui.sliderBrightness, ui.scrollAreaWidgetContents, "sliderBrightness")
        .at(0, 31, 240, 32)
        .sliderImages(":/Bkgd/Sliderbarbox.mif", ":/Bkgd/SliderbarBkgd_h.mif", ":/Bkgd/SliderbarBkgd.mif",
                      ":/Icons/i_Plus.mif", ":/Icons/i_Minus.mif");

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
}

void retranslateUi(Ui_SettingsBrightnessVolumeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblProfileName_3->setContent(
        QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Brightness & Volume"));
    ui.lblVibrate_3->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Vibrate"));
    ui.lblBackLight->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Backlight Timer"));
    ui.lblBrightness->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Brightness"));
    ui.lblMute_2->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Mute"));
    ui.lblVolume->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Volume"));
    ui.lblVibrate_4->setContent(QCoreApplication::translate("SettingsBrightnessVolumeScreenClass", "Button Sounds"));
}

Form<Ui_SettingsBrightnessVolumeScreenClass, setupUi, retranslateUi> formSettingsBrightnessVolumeScreenClass;

} // namespace

FormLayout &SettingsBrightnessVolumeScreenClass()
{
    return formSettingsBrightnessVolumeScreenClass;
}

} // namespace quarn::forms
