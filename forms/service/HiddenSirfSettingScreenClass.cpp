#include "forms/service/HiddenSirfSettingScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_HiddenSirfSettingScreenClass &ui, QWidget *root)
{
    Root(root, "HiddenSirfSettingScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconWpt, ui.btnListHeader, "iconWpt").at(2, 3, 60, 43).image(":/Icons/i_ToolBar_Settings.mif");
    make(ui.txtHeader, ui.btnListHeader, "txtHeader")
        .at(80, 2, 151, 41)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(16);
    make(ui.txtValSNR, root, "txtValSNR")
        .at(170, 80, 61, 21)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText)
                     .role(QPalette::ToolTipText, kWhite))
        .caption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.lblSNR, root, "lblSNR").at(20, 80, 131, 21).smallCaption();
    make(ui.lblElev, root, "lblElev").at(20, 100, 131, 21).smallCaption();
    make(ui.txtValElev, root, "txtValElev")
        .at(170, 100, 61, 21)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText)
                     .role(QPalette::ToolTipText, kWhite))
        .caption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    serviceCheckBox(ui.chkStaticMode, root, "chkStaticMode", 170, 150);
    make(ui.txtValDOP, root, "txtValDOP")
        .at(170, 120, 61, 21)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText)
                     .role(QPalette::ToolTipText, kWhite))
        .caption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.lblDOP, root, "lblDOP").at(20, 120, 131, 21).smallCaption();
    make(ui.lblStaticMode, root, "lblStaticMode").at(20, 150, 131, 31).smallCaption();
    serviceCheckBox(ui.chkTrackSmoothing, root, "chkTrackSmoothing", 170, 180);
    make(ui.lblTrackSmoothing, root, "lblTrackSmoothing").at(20, 180, 131, 31).smallCaption();
    make(ui.lblStatus, root, "lblStatus").at(20, 215, 211, 31).smallCaption().alignment(Qt::AlignCenter);
    make(ui.btnAccept, root, "btnAccept")
        .at(10, 250, 109, 28)
        .normal(":/Buttons/b_KB_03.mif")
        .pressed(":/Buttons/b_KB_03_f.mif")
        .focused(":/Buttons/b_KB_03_h.mif")
        .eventPropagation();
    make(ui.lblAccept, ui.btnAccept, "lblAccept").at(2, 2, 101, 21).buttonLabel();
    keyButton(ui.btnColdRst, root, "btnColdRst", 10, 320, 109, 28, KeyFace::Wide);
    make(ui.lblColdRst, ui.btnColdRst, "lblColdRst").at(10, 2, 91, 20).buttonLabel();
    keyButton(ui.btnFactoryRst, root, "btnFactoryRst", 130, 320, 109, 28, KeyFace::Wide);
    make(ui.lblFactoryRst, ui.btnFactoryRst, "lblFactoryRst").at(2, 2, 101, 20).buttonLabel();
    keyButton(ui.btnVehicleOn, root, "btnVehicleOn", 10, 285, 109, 28, KeyFace::Wide);
    make(ui.lblVehicleOn, ui.btnVehicleOn, "lblVehicleOn").at(5, 2, 97, 20).buttonLabel();
    keyButton(ui.btnVehicleOff, root, "btnVehicleOff", 130, 285, 109, 28, KeyFace::Wide);
    make(ui.lblVehicleOff, ui.btnVehicleOff, "lblVehicleOff").at(2, 2, 101, 20).buttonLabel();
    make(ui.btnGet, root, "btnGet")
        .at(130, 250, 109, 28)
        .normal(":/Buttons/b_KB_03.mif")
        .pressed(":/Buttons/b_KB_03_f.mif")
        .focused(":/Buttons/b_KB_03_h.mif")
        .eventPropagation();
    make(ui.lblGet, ui.btnGet, "lblGet").at(2, 2, 101, 21).buttonLabel();
}

void retranslateUi(Ui_HiddenSirfSettingScreenClass &ui, QWidget *)
{
    ui.txtHeader->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "SIRF Settings"));
    //: Number shown until the host fills it.
    ui.txtValSNR->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "0.0"));
    ui.lblSNR->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "SNR mask"));
    ui.lblElev->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Elevation mask"));
    //: Number shown until the host fills it.
    ui.txtValElev->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "0.0"));
    //: Number shown until the host fills it.
    ui.txtValDOP->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "0.0"));
    ui.lblDOP->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "DOP mask"));
    ui.lblStaticMode->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Static mode"));
    ui.lblTrackSmoothing->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Track smoothing"));
    ui.lblStatus->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Status:    Updated"));
    ui.lblAccept->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Apply"));
    ui.lblColdRst->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Cold reset"));
    ui.lblFactoryRst->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Factory reset"));
    ui.lblVehicleOn->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Vehicle mode"));
    ui.lblVehicleOff->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Walking mode"));
    ui.lblGet->setContent(QCoreApplication::translate("HiddenSirfSettingScreenClass", "Get"));
}

Form<Ui_HiddenSirfSettingScreenClass, setupUi, retranslateUi> formHiddenSirfSettingScreenClass;

} // namespace

FormLayout &HiddenSirfSettingScreenClass()
{
    return formHiddenSirfSettingScreenClass;
}

} // namespace quarn::forms
