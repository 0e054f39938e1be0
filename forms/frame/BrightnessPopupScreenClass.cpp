#include "forms/frame/BrightnessPopupScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BrightnessPopupScreenClass &ui, QWidget *root)
{
    Root(root, "BrightnessPopupScreenClass")
        .size(240, 400)
        .windowModality(Qt::WindowModal)
        .property("font", QFont(Font().pointSize(1).normalWeight()))
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 270)
        .property("wordIndent", 3);

    make(ui.sliderBrightness, root, "sliderBrightness")
        .at(15, 323, 205, 41)
        .value(20)
        .sliderPosition(20)
        .sliderImages(":/Bkgd/Sliderbarbox.mif", ":/Bkgd/SliderbarBkgd_small_h.mif", ":/Icons/ShortSliderbarBkgd.mif",
                      ":/Icons/i_Plus_L.mif", ":/Icons/i_Minus_L.mif");
    make(ui.sliderVolume, root, "sliderVolume")
        .at(15, 257, 205, 41)
        .value(100)
        .sliderPosition(100)
        .sliderImages(":/Bkgd/Sliderbarbox.mif", ":/Bkgd/SliderbarBkgd_small_h.mif", ":/Icons/ShortSliderbarBkgd.mif",
                      ":/Icons/i_Plus_L.mif", ":/Icons/i_Minus_L.mif");
    make(ui.lblVolume, root, "lblVolume").at(64, 231, 150, 22).font(brightnessScreenFont()).pixelSize(14);
    make(ui.lblBrightness, root, "lblBrightness").at(64, 303, 150, 22).font(brightnessScreenFont()).pixelSize(14);
    make(ui.iconBrightness, root, "iconBrightness").at(20, 295, 38, 36).image(":/Icons/i_Brightness.mif");
    make(ui.iconVolume, root, "iconVolume").at(20, 222, 38, 38).image(":/Icons/i_Volume.mif");
    make(ui.txtTitle, root, "txtTitle")
        .at(25, 46, 166, 32)
        .palette(whiteText())
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(16);
    make(ui.btnClose, root, "btnClose").at(190, 49, 27, 27).closeButton();
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(30, 92, 183, 183);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout")
        .spacing(0)
        .sizeConstraint(QLayout::SetFixedSize);
    make(ui.btnConnectToPC, ui.verticalLayoutWidget, "btnConnectToPC")
        .normal(":/Buttons/b_PopUp_Dialog_Button.mif")
        .pressed(":/Buttons/b_PopUp_Dialog_Button_h.mif")
        .focused(":/Buttons/b_PopUp_Dialog_Button_f.mif");
    make(ui.lblConnectToPC, ui.btnConnectToPC, "lblConnectToPC")
        .at(47, 5, 119, 32)
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    make(ui.iconConnectToPC, ui.btnConnectToPC, "iconConnectToPC").at(10, 3, 38, 38).image(":/Shell/barpcconnect.mif");
    make(ui.btnSuspend, ui.verticalLayoutWidget, "btnSuspend")
        .normal(":/Buttons/b_PopUp_Dialog_Button.mif")
        .pressed(":/Buttons/b_PopUp_Dialog_Button_h.mif")
        .focused(":/Buttons/b_PopUp_Dialog_Button_f.mif");
    make(ui.lblSuspend, ui.btnSuspend, "lblSuspend")
        .at(47, 5, 119, 32)
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    make(ui.iconSuspend, ui.btnSuspend, "iconSuspend").at(10, 3, 38, 38).image(":/Icons/i_ActiveSuspend.mif");
    make(ui.btnSleep, ui.verticalLayoutWidget, "btnSleep")
        .normal(":/Buttons/b_PopUp_Dialog_Button.mif")
        .pressed(":/Buttons/b_PopUp_Dialog_Button_h.mif")
        .focused(":/Buttons/b_PopUp_Dialog_Button_f.mif");
    make(ui.lblSleep, ui.btnSleep, "lblSleep")
        .at(47, 5, 119, 32)
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    make(ui.iconSleep, ui.btnSleep, "iconSleep").at(10, 3, 41, 41).image(":/Icons/i_sleep.mif");
    make(ui.btnPowerOff, ui.verticalLayoutWidget, "btnPowerOff")
        .normal(":/Buttons/b_PopUp_Dialog_Button.mif")
        .pressed(":/Buttons/b_PopUp_Dialog_Button_h.mif")
        .focused(":/Buttons/b_PopUp_Dialog_Button_f.mif");
    make(ui.lblPowerOff, ui.btnPowerOff, "lblPowerOff")
        .at(47, 5, 119, 32)
        .font(brightnessScreenFont())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    make(ui.iconPoweOff, ui.btnPowerOff, "iconPoweOff").at(10, 3, 38, 38).image(":/Icons/i_off.mif");

    addMembers(ui.verticalLayout, {ui.btnConnectToPC, ui.btnSuspend, ui.btnSleep, ui.btnPowerOff});
}

void retranslateUi(Ui_BrightnessPopupScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblVolume->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Volume"));
    ui.lblBrightness->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Brightness"));
    ui.txtTitle->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Options"));
    ui.lblConnectToPC->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Connect to PC"));
    ui.lblSuspend->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Suspend"));
    ui.lblSleep->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Sleep"));
    ui.lblPowerOff->setContent(QCoreApplication::translate("BrightnessPopupScreenClass", "Power OFF"));
}

Form<Ui_BrightnessPopupScreenClass, setupUi, retranslateUi> formBrightnessPopupScreenClass;

} // namespace

FormLayout &BrightnessPopupScreenClass()
{
    return formBrightnessPopupScreenClass;
}

} // namespace quarn::forms
